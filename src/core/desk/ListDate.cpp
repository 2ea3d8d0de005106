#include "core/desk/ListDate.h"

#include "core/Clock.h"
#include "core/TextUtil.h"
#include "core/startup/Helpers.h"

#include <algorithm>
#include <cctype>

namespace ListDate {

const std::array<std::string, 12>& MonthNames() {
    static const std::array<std::string, 12> names = {"JANUARY",   "FEBRUARY", "MARCH",    "APRIL",
                                                      "MAY",       "JUNE",     "JULY",     "AUGUST",
                                                      "SEPTEMBER", "OCTOBER",  "NOVEMBER", "DECEMBER"};
    return names;
}

namespace {

const char* OrdinalSuffix(int day) {
    switch (day) {
    case 1:
    case 21:
    case 31:
        return "st";
    case 2:
    case 22:
        return "nd";
    case 3:
    case 23:
        return "rd";
    default:
        return "th";
    }
}

} // namespace

const std::array<std::string, 32>& DayEntries() {
    static const std::array<std::string, 32> entries = [] {
        std::array<std::string, 32> e;
        e[0] = "--";
        for (int d = 1; d <= 31; ++d)
            e[d] = std::to_string(d) + OrdinalSuffix(d);
        return e;
    }();
    return entries;
}

std::optional<std::string> MonthNoFromName(std::string_view text) {
    if (text.size() < 3)
        return std::nullopt;
    std::string head(text.substr(0, 3));
    for (char& c : head)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (int m = 0; m < 12; ++m) {
        if (MonthNames()[m].compare(0, 3, head) == 0) {
            const char no[3] = {static_cast<char>('0' + (m + 1) / 10), static_cast<char>('0' + (m + 1) % 10), 0};
            return std::string(no);
        }
    }
    return std::nullopt;
}

std::string DayText(int day) {
    std::string text = day < 10 ? std::string(1, '0') : std::string();
    text += std::to_string(day);
    text += OrdinalSuffix(day);
    return text;
}

std::string TodayDayText() {
    return DayText(Clock::Now().day);
}

DateCheck ValidateSelectedDate(int dayIndex, const std::string& dayText, const std::string& monthText,
                               const std::string& yearText) {
    DateCheck check;
    const long dayValue = Text::Val(dayText);

    int lastDay = 0;
    std::string message;
    if (monthText == "JANUARY" || monthText == "MARCH" || monthText == "MAY" || monthText == "JULY" ||
        monthText == "AUGUST" || monthText == "OCTOBER" || monthText == "DECEMBER") {
        lastDay = 31;
        message = InvalidDayText;
    } else if (monthText == "APRIL" || monthText == "JUNE" || monthText == "SEPTEMBER" || monthText == "NOVEMBER") {
        lastDay = 30;
        message = Only30DaysText;
    } else if (monthText == "FEBRUARY") {
        // A year text that is no number counts as 0 here; the year check below refuses it.
        // Reducing by 400 keeps the leap rule's answer and keeps huge values in range.
        const long year = Text::Val(yearText);
        lastDay = StartUp::IsLeapYear(static_cast<int>(year % 400)) ? 29 : 28;
        message = "ATTENTION: Only [ " + std::to_string(lastDay) + " ] Days in February " + yearText;
    } else {
        check.message = NoValidDateText;
        check.invalid = true;
        return check;
    }
    if (dayIndex > lastDay || dayValue > lastDay) {
        check.message = message;
        check.correctedDay = lastDay;
    }

    const long year = Text::Val(yearText);
    if (year < FirstYear || year > LastYear()) {
        check.yearMessage = NoValidDateText;
        check.invalid = true;
    }
    return check;
}

std::string ListDateText(const std::string& dayText, const std::string& monthNo, const std::string& yearText) {
    return std::to_string(Text::Val(dayText)) + "-" + monthNo + "-" + yearText;
}

CalendarDate StepMonthBack(const CalendarDate& d) {
    if (d.month - 1 >= 1)
        return {d.day, d.month - 1, d.year};
    if (d.year - 1 >= FirstYear)
        return {d.day, 12, d.year - 1};
    return {d.day, 12, FirstYear};
}

CalendarDate StepMonthForward(const CalendarDate& d) {
    if (d.month + 1 <= 12)
        return {d.day, d.month + 1, d.year};
    if (d.year + 1 <= LastYear())
        return {d.day, 1, d.year + 1};
    return {d.day, 1, FirstYear};
}

int DaysInMonth(int month, int year) {
    switch (month) {
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    case 2:
        return StartUp::IsLeapYear(year) ? 29 : 28;
    default:
        return 31;
    }
}

} // namespace ListDate

int ListDate::LastYear() {
    return std::max(2024, Clock::Now().year + 1);
}
