#pragma once

#include <string>
#include <vector>

// Rules of the booking month's time grid: one row per day under a header row.
namespace TimeGridRules {

// Row count (header row included) for the booking month box's text: 32 for 31-day months and for
// a text that is no month name, 31 for 30-day months, 30 for a leap February, 29 otherwise.
int RowsForMonth(const std::string& monthText, const std::string& yearText);

// Whether text is one of "JANUARY" .. "DECEMBER" exactly.
bool IsMonthName(const std::string& monthText);

// "  Sunday" .. "  Saturday" for the date of day, month box text and year box text; empty when
// that date does not exist (no month name, day beyond the month).
std::string DayNameOf(int day, const std::string& monthText, const std::string& yearText);

// The day as two digits ("07").
std::string TwoDigitDay(int day);

// Column-0 texts of rows 1 .. RowsForMonth - 1 (element 0 is row 1) when building the current
// month: two-digit day and weekday, today's row (todayDay) ending in "  **", and also starting
// with "** " in a non-leap February; only the two-digit day for each of 31 rows when the text
// is no month name.
std::vector<std::string> CurrentMonthDayTexts(const std::string& monthText, const std::string& yearText, int todayDay);

// Column-0 texts when building any other month: two-digit day and weekday, no marker. Empty when
// the text is no month name (the day texts are then left as they were and a warning is due).
std::vector<std::string> OtherMonthDayTexts(const std::string& monthText, const std::string& yearText);

inline constexpr const char* ArrayBoundaryText = "WARNING: A fault has occurred when accessing Times for this Record";
inline constexpr const char* ArrayBoundaryTitle = "Kestrane [ Err: 6169 Array Boundary ]";

// How many day rows, from row 1, are closed in the current-month build: those before the first
// whose text ends in "**"; all of them when none does.
int ClosedRowCount(const std::vector<std::string>& dayTexts);

// Whether a month other than the current one lies wholly in the past, so all its days are closed:
// its year is before today's, or the same with monthNo ("01".."12") before today's month.
bool IsMonthPast(const std::string& monthNo, const std::string& yearText, int todayYear, int todayMonth);

// What a character typed into the grid does.
enum class TypedKey {
    Pass,  // kept; the booked times changed
    Drop,  // dropped
    Book,  // dropped, and the time of the time box is booked as by "+"
    Remove // dropped, and the time is removed as by "-"
};
TypedKey ClassifyTypedKey(int keyAscii);

inline constexpr const char* IncorrectFormatText = "Can't Enter This:  Incorrect Time Format";
inline constexpr const char* InvalidFormatText = "Can't Enter This:  Invalid Time Format";
inline constexpr const char* NoDaySelectedText = "Can't Book Time  - No DAY has been Selected! ";

// The check of an edited time cell.
struct TimeEntryCheck {
    std::string text;              // the cell's text afterwards
    const char* message = nullptr; // IncorrectFormatText, InvalidFormatText or none
    bool emptied = false;          // the entry was refused and the cell emptied
};

// Five characters (blanks around them ignored) with a separator third become "hh:mm"; five with
// anything else third get IncorrectFormatText and stay as typed; whatever then is no valid
// "hh:mm" time of digits and is not blank gets InvalidFormatText and is emptied.
TimeEntryCheck CheckTimeEntry(const std::string& cellText);

// The time box's entries "09:00" .. "17:00" by quarter hours (33), and its starting text.
const std::vector<std::string>& TimeChoices();
inline constexpr const char* InitialTimeChoice = "09:15";

} // namespace TimeGridRules
