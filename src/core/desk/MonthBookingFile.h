#pragma once

#include "core/Clock.h"
#include "core/FileError.h"
#include "core/desk/BookingMerge.h"
#include "core/desk/BookingRecord.h"

#include <string>
#include <string_view>
#include <vector>

// The month booking files DataRoot/Record/yymm.vrf: one booking line per
// CR LF terminated line, in the order the bookings were made; a lone CR or LF
// ends a line too (SplitRawLines). Every change is made under the file's
// cross-process lock; rewrites are atomic and write back every line they do
// not mean to change with its text byte for byte, ended by CR LF, in its
// place. A change is made again
// on what the file holds when a writer that takes no lock changed it
// meanwhile, and fails with 2004 (file busy) when it keeps changing. None of
// these throws.

namespace ErrorNumber {
inline constexpr int BookingNotFound = 2001; // no line of the booking's month file has its number
inline constexpr int NoFreeBookingNumber = 2002;
} // namespace ErrorNumber

namespace BookingFiles {

// DataRoot/Record/yymm.vrf, yymm being the first four characters of
// yymmOrRegNo.
std::string MonthFilePath(const std::string& dataRoot, std::string_view yymmOrRegNo);

// A booking is found by its number, trimmed. A key whose number value is not
// above 0 ("NEW Booking", blanks) is no booking: 2001, and no file or lock is
// touched. Otherwise: 53 when its first four characters name no safe month
// file (or the file is missing), 76 when the Record folder is missing, 2001
// when no line has the number.

struct SaveResult {
    FileError error;
    std::string storedLine; // without CR LF; its first 12 columns hold the new number
};

// Gives the booking a new number made at now for the booked year and month,
// moving on a second at a time while the number is taken in its month file,
// and adds the booking's line at the end of that file (created when missing),
// rewriting it atomically. 76: the Record folder is missing (it is never
// created); 75: year and month do not make a month "yymm".
SaveResult SaveNewBooking(const std::string& dataRoot, const BookingFields& rec, const TimeCellTexts& times,
                          const LocalDateTime& now, std::string_view bookedYearText, std::string_view monthNo,
                          bool sync = true);

struct UpdateResult {
    FileError error;                    // 2001 when no line has the number (deleted at another desk), 53, 76, ...
    std::vector<std::string> conflicts; // labels of the fields changed here and at another desk to different values
    std::string storedLine;             // the line as written, without CR LF, on success
};

// Stores this desk's edit of a booking without undoing what another desk
// stored meanwhile: under the month file's lock the first line of ours.RegNo
// is merged field by field (MergeBookingLine) from baseLine (the line as it
// was read when the booking was opened, or as this desk last stored it; empty
// when not known, and then the line in the file), ours with its time cells
// ourTimes (null when the grid shows another month: the stored slots stay) and
// the line in the file. revokePass blanks our pass. With Conflicts::Ask and a
// conflict nothing is written and storedLine stays empty; ask, then call again
// with KeepOurs or KeepTheirs. Other lines of the number stay as they are.
UpdateResult UpdateBooking(const std::string& dataRoot, std::string_view baseLine, const BookingFields& ours,
                           const TimeCellTexts* ourTimes, bool revokePass, Conflicts resolve, bool sync = true);

struct DeleteResult {
    FileError error;
    int removedLines = 0;
};

// Rewrites the month file without the lines of regNo and deletes the photo of
// the first of them. A photo whose name would leave its month folder is never
// deleted.
DeleteResult DeleteBooking(const std::string& dataRoot, std::string_view regNo, bool sync = true);

struct LineResult {
    FileError error;
    std::string line; // without CR LF
};

// The first line of regNo.
LineResult ReadBookingLine(const std::string& dataRoot, std::string_view regNo);

struct LinesResult {
    FileError error;
    std::vector<std::string> lines; // without their line ends
};

// Every line of the file at path. 53 no such file, 76 no such folder.
LinesResult ReadLines(const std::string& path);

} // namespace BookingFiles
