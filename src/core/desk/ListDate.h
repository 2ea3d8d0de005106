#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

// Rules of the list date (day, month and year boxes and the calendar panel).
namespace ListDate {

inline constexpr int FirstYear = 2010;
// The last year the lists accept: 2024, or next year once the desk's own
// date has moved past that, so the current year is never refused.
int LastYear();

// "JANUARY" .. "DECEMBER"; index = month - 1.
const std::array<std::string, 12>& MonthNames();

// The day box entries: "--" (index 0), then "1st" .. "31st"; index = day of month.
const std::array<std::string, 32>& DayEntries();

// "01".."12" from the first three characters of text, upper-cased; nullopt for any other
// text (the caller's MonthNo then stays as it was).
std::optional<std::string> MonthNoFromName(std::string_view text);

// A day of month as two digits with its ordinal suffix: "01st", "07th", "22nd", "11th".
std::string DayText(int day);
// DayText of today's day of month (by Clock).
std::string TodayDayText();

inline constexpr const char* InvalidDayText = "ATTENTION: Invalid DAY Entered for the Month Selected";
inline constexpr const char* Only30DaysText = "ATTENTION: Only [ 30 ] Days in the Month Selected";
inline constexpr const char* NoValidDateText = "ATTENTION: No VALID Date selected - Try selecting again";

// Outcome of checking the three list-date boxes. The window acts on it in this order:
//   1. message not empty: show it (exclamation icon, OK, title "Kestrane").
//   2. correctedDay >= 0: select that entry of the day box; this runs the day choice again
//      (with its own validation and list) before the window goes on.
//   3. yearMessage not empty: show it.
//   4. InvalidDate := invalid.
// When the month box holds no month name only message and invalid are set: the check ends there.
struct DateCheck {
    std::string message;
    int correctedDay = -1;
    std::string yearMessage;
    bool invalid = false;
};

// dayIndex is the day box's selected index (-1 when its text is no entry), dayText its text.
DateCheck ValidateSelectedDate(int dayIndex, const std::string& dayText, const std::string& monthText,
                               const std::string& yearText);

// The date text given to the calendar: number value of the day text, "-", monthNo, "-", year
// text ("7th", "03", "2014" give "7-03-2014").
std::string ListDateText(const std::string& dayText, const std::string& monthNo, const std::string& yearText);

struct CalendarDate {
    int day = 1;
    int month = 1;
    int year = FirstYear;
    bool operator==(const CalendarDate&) const = default;
};

// The calendar's "<" and ">" steps. The day is carried over unchanged, so the result may name a
// day its month lacks (31 into April); the calendar decides how to keep a valid date.
// Leaving 2010..2024 wraps to December 2010 ("<") or January 2010 (">").
CalendarDate StepMonthBack(const CalendarDate& d);
CalendarDate StepMonthForward(const CalendarDate& d);

// Days in month (1..12) of year, by the program's leap-year rule.
int DaysInMonth(int month, int year);

} // namespace ListDate
