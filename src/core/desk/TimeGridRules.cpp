#include "core/desk/TimeGridRules.h"

#include "core/TextUtil.h"
#include "core/desk/ListDate.h"
#include "core/startup/Helpers.h"

#include <chrono>

namespace TimeGridRules {

namespace {

// 1..12 for an exact month name, 0 otherwise.
int MonthNumber(const std::string& monthText) {
    const auto& names = ListDate::MonthNames();
    for (int m = 0; m < 12; ++m) {
        if (names[m] == monthText)
            return m + 1;
    }
    return 0;
}

bool IsLeapYearText(const std::string& yearText) {
    // Reducing by 400 keeps the leap rule's answer and keeps huge values in range.
    return StartUp::IsLeapYear(static_cast<int>(Text::Val(yearText) % 400));
}

std::string TwoDigits(int n) {
    std::string text(1, '0');
    text += std::to_string(n);
    return text.substr(text.size() - 2);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// "hh:mm" of digits, hours 0..23, minutes 0..59.
bool IsTimeOfDigits(const std::string& text) {
    return StartUp::IsValidTime(text) && IsDigit(text[0]) && IsDigit(text[1]) && IsDigit(text[3]) && IsDigit(text[4]);
}

} // namespace

bool IsMonthName(const std::string& monthText) {
    return MonthNumber(monthText) != 0;
}

int RowsForMonth(const std::string& monthText, const std::string& yearText) {
    const int month = MonthNumber(monthText);
    if (month == 0)
        return 32;
    if (month == 2)
        return IsLeapYearText(yearText) ? 30 : 29;
    return ListDate::DaysInMonth(month, 2001) + 1;
}

std::string DayNameOf(int day, const std::string& monthText, const std::string& yearText) {
    using namespace std::chrono;
    static const char* const names[7] = {"  Sunday",   "  Monday", "  Tuesday", "  Wednesday",
                                         "  Thursday", "  Friday", "  Saturday"};
    const int month = MonthNumber(monthText);
    const long year = Text::Val(yearText);
    if (month == 0 || day < 1 || day > 31 || year > 9999)
        return {};
    const year_month_day date{std::chrono::year{static_cast<int>(year)},
                              std::chrono::month{static_cast<unsigned>(month)},
                              std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok())
        return {};
    return names[weekday{sys_days{date}}.c_encoding()];
}

std::string TwoDigitDay(int day) {
    return TwoDigits(day);
}

std::vector<std::string> CurrentMonthDayTexts(const std::string& monthText, const std::string& yearText, int todayDay) {
    std::vector<std::string> texts;
    if (!IsMonthName(monthText)) {
        for (int d = 1; d <= 31; ++d)
            texts.push_back(TwoDigitDay(d));
        return texts;
    }
    const bool shortFebruary = monthText == "FEBRUARY" && !IsLeapYearText(yearText);
    const int days = RowsForMonth(monthText, yearText) - 1;
    for (int d = 1; d <= days; ++d) {
        std::string text = TwoDigitDay(d) + DayNameOf(d, monthText, yearText);
        if (d == todayDay)
            text = (shortFebruary ? "** " : "") + text + "  **";
        texts.push_back(std::move(text));
    }
    return texts;
}

std::vector<std::string> OtherMonthDayTexts(const std::string& monthText, const std::string& yearText) {
    std::vector<std::string> texts;
    if (!IsMonthName(monthText))
        return texts;
    const int days = RowsForMonth(monthText, yearText) - 1;
    for (int d = 1; d <= days; ++d)
        texts.push_back(TwoDigitDay(d) + DayNameOf(d, monthText, yearText));
    return texts;
}

int ClosedRowCount(const std::vector<std::string>& dayTexts) {
    for (std::size_t i = 0; i < dayTexts.size(); ++i) {
        const std::string& t = dayTexts[i];
        if (t.size() >= 2 && t.compare(t.size() - 2, 2, "**") == 0)
            return static_cast<int>(i);
    }
    return static_cast<int>(dayTexts.size());
}

bool IsMonthPast(const std::string& monthNo, const std::string& yearText, int todayYear, int todayMonth) {
    const long year = Text::Val(yearText);
    return year < todayYear || (year == todayYear && Text::Val(monthNo) < todayMonth);
}

TypedKey ClassifyTypedKey(int keyAscii) {
    if (keyAscii == 8 || keyAscii == 42 || keyAscii == 44 || (keyAscii >= 46 && keyAscii <= 59) || keyAscii == 92)
        return TypedKey::Pass;
    if (keyAscii == 43 || keyAscii == 20)
        return TypedKey::Book;
    if (keyAscii == 45)
        return TypedKey::Remove;
    return TypedKey::Drop;
}

TimeEntryCheck CheckTimeEntry(const std::string& cellText) {
    TimeEntryCheck check{cellText};
    const std::string t = Text::Trim(cellText);
    if (t.size() == 5) {
        switch (t[2]) {
        case ':':
            // Blanks around a well-formed time are dropped rather than failing the time check.
            check.text = t;
            break;
        case '.':
        case '/':
        case '\\':
        case ' ':
        case '-':
        case '*':
        case ',':
        case ';':
            check.text = t.substr(0, 2) + ":" + t.substr(3, 2);
            break;
        default:
            check.message = IncorrectFormatText;
            return check;
        }
    }
    if (!IsTimeOfDigits(check.text) && !Text::Trim(check.text).empty()) {
        check.text.clear();
        check.message = InvalidFormatText;
        check.emptied = true;
    }
    return check;
}

const std::vector<std::string>& TimeChoices() {
    static const std::vector<std::string> choices = [] {
        std::vector<std::string> c;
        for (int minutes = 9 * 60; minutes <= 17 * 60; minutes += 15)
            c.push_back(TwoDigits(minutes / 60) + ":" + TwoDigits(minutes % 60));
        return c;
    }();
    return choices;
}

} // namespace TimeGridRules
