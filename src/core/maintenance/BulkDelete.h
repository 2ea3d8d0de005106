#pragma once

#include "core/FileError.h"

#include <string>
#include <string_view>
#include <vector>

// Deleting many bookings at once from the month booking files. Every rewrite
// holds the month file's cross-process lock and replaces the file atomically,
// so a desk saving into the same month meanwhile loses nothing. None of these
// throws; each result says what really happened.
namespace Maintenance {

// Which lines of a month file a deletion drops.
enum class DeleteRule {
    MatchingInMonth, // the find text occurs in the key's value
    Day,             // the day's slot is booked (the whole booking goes, all its days)
    MatchingOnDay,   // both
};

struct DeleteOutcome {
    FileError error; // 53 no month file, 2000 nothing to drop, 2004 file busy, others as the system gives
    int deleted = 0; // lines dropped; 0 whenever error is set
};

// Drops the lines of the month file at path that the rule picks: the search
// key and text of the search list, day 1..31. Every kept line, also one that
// does not parse, keeps its text byte for byte and its place, ended by CR LF.
// Nothing is written when nothing goes.
DeleteOutcome DeleteFromMonth(const std::string& path, DeleteRule rule, std::string_view key, std::string_view findText,
                              int day, bool sync = true);

// Empties the month file at path, creating it empty when missing. 76 when
// its folder is missing, 70 when the file is marked read-only.
FileError EmptyMonthFile(const std::string& path, bool sync = true);

// "yy" of a four-digit year FirstYear..LastYear, or empty for any other text.
std::string YearDigits(std::string_view yearText);

struct YearOutcome {
    FileError error; // 2000 no month file of the year, 75 no valid year, else the first failure
    int deleted = 0; // month files removed
    int failed = 0;  // month files that could not be removed
};

// Removes DataRoot/Record/yy01.vrf .. yy12.vrf of a valid year, each under
// its lock, and no other file; a month file marked read-only stays (70).
YearOutcome DeleteYear(const std::string& dataRoot, std::string_view yearText);

// The message of the selection check (exclamation icon, OK, title
// "Kestrane"), shown in order; correctedDay >= 0 selects that day entry.
struct SelectionCheck {
    std::vector<std::string> messages;
    int correctedDay = -1;
    bool invalid = false;
};

// dayIndex: the day box's entry (0 "All Days"); the texts as the boxes show them.
SelectionCheck ValidateSelection(int dayIndex, std::string_view dayText, std::string_view monthText,
                                 std::string_view yearText);

// The questions asked before a month or day deletion, CR LF breaking lines.
// dayText is "All Days" for the whole month.
std::string Criteria(std::string_view key, std::string_view findText);
std::string MonthQuestion(std::string_view dayText, std::string_view findText, std::string_view key,
                          std::string_view monthText, std::string_view yearText);
std::string YearQuestion(std::string_view yearText);

// The desk's status after a deletion of count lines; dayText empty for the
// month cases.
std::string DeletedStatus(int count, std::string_view dayText, std::string_view monthText, std::string_view yearText);
std::string WholeMonthStatus(std::string_view monthText, std::string_view yearText);
// After a deletion that failed for another reason than nothing to delete.
std::string FailedStatus(std::string_view dayText, std::string_view monthText, std::string_view yearText);
// Says how many month files went when not all of them did.
std::string YearStatus(const YearOutcome& outcome, std::string_view yearText);

} // namespace Maintenance
