#pragma once

#include "core/Clock.h"
#include "core/FileError.h"
#include "core/desk/BookingRecord.h"

#include <string>
#include <string_view>
#include <vector>

// The month booking files DataRoot/Record/yymm.vrf: one booking line per
// CR LF terminated line, in the order the bookings were made. Every change is
// made under the file's cross-process lock; rewrites are atomic and give back
// every line they do not mean to change byte for byte. None of these throws.

namespace ErrorNumber {
inline constexpr int BookingNotFound = 2001; // no line of the booking's month file has its number
inline constexpr int NoFreeBookingNumber = 2002;
} // namespace ErrorNumber

// DataRoot/Record/yymm.vrf, yymm being the first four characters of
// yymmOrRegNo.
std::string MonthFilePath(const std::string& dataRoot, std::string_view yymmOrRegNo);

// Gives rec a new booking number made at now for the booked year and month,
// moving on a second at a time while the number is taken in its month file,
// and appends the booking's line to that file (created when missing). On
// success rec holds the number and the stored prescription notes; on failure
// rec is unchanged and nothing is written. 76: the Record folder is missing
// (it is never created); 75: year and month do not make a month "yymm".
FileError SaveNewBooking(const std::string& dataRoot, BookingFields& rec, const TimeCellTexts& timeCells,
                         const LocalDateTime& now, std::string_view bookedYearText, std::string_view monthNo,
                         bool sync = true);

// Rewrites the month file named by rec's number with every line of that number
// rebuilt from rec. revokePass empties the four pass fields first. On success
// rec holds what was stored; on failure rec is unchanged and nothing is
// written: 2001 no such line, 53 no such file, 76 no Record folder.
FileError UpdateBooking(const std::string& dataRoot, BookingFields& rec, const TimeCellTexts& timeCells,
                        bool revokePass, bool sync = true);

// Rewrites the month file without the lines of regNo and deletes the photo of
// the first of them; removedLines (when given) gets how many went. 2001 when
// none matched, with nothing written; 53 and 76 as for an update. A photo
// whose name would leave its month folder is never deleted.
FileError DeleteBooking(const std::string& dataRoot, std::string_view regNo, int* removedLines = nullptr,
                        bool sync = true);

// Loads the first line of regNo into out; out is untouched unless it is found.
// 53 no month file, 76 no Record folder, 2001 no such line.
FileError ReadBooking(const std::string& dataRoot, std::string_view regNo, BookingFields& out);

// Every line of the file at path, without its line end. 53 / 76 as above.
FileError ReadMonthLines(const std::string& path, std::vector<std::string>& lines);
