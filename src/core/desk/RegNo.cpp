#include "core/desk/RegNo.h"

#include "core/TextUtil.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", ((value % 100) + 100) % 100);
    return text;
}

int ReadTwoDigits(std::string_view text, std::size_t at) {
    int value = 0;
    for (std::size_t i = at; i < at + 2 && i < text.size(); ++i)
        value = value * 10 + (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : 0);
    return value;
}

} // namespace

BookedMonth BookedMonthOf(std::string_view regNo) {
    return {regNo.substr(0, 4), regNo.substr(0, 2), regNo.substr(std::min<std::size_t>(2, regNo.size()), 2)};
}

std::string_view BookedYear(std::string_view yearText) {
    const std::string_view year = Text::TrimView(yearText);
    return year.substr(year.size() - std::min<std::size_t>(2, year.size()));
}

std::string BookedYearMonth(std::string_view yearText, std::string_view monthNo) {
    std::string yymm(BookedYear(yearText));
    yymm += monthNo;
    return yymm;
}

std::string MakeRegNo(const LocalDateTime& now, std::string_view bookedYearText, std::string_view monthNo) {
    std::string number = TwoDigits(now.year) + TwoDigits(now.month) + TwoDigits(now.day) + TwoDigits(now.hour) +
                         TwoDigits(now.minute) + TwoDigits(now.second);
    // The year box's text is trimmed so that the number always names the same
    // file as the one the booking is written to.
    const std::string bookedMonth = BookedYearMonth(bookedYearText, monthNo);
    number.replace(0, std::min<std::size_t>(4, bookedMonth.size()), bookedMonth.substr(0, 4));
    return number;
}

std::string NextRegNo(std::string_view regNo) {
    int hour = ReadTwoDigits(regNo, 6), minute = ReadTwoDigits(regNo, 8), second = ReadTwoDigits(regNo, 10);
    if (++second >= 60) {
        second = 0;
        if (++minute >= 60) {
            minute = 0;
            if (++hour >= 24)
                hour = 0;
        }
    }
    std::string next(regNo.substr(0, 6));
    next.resize(6, '0');
    return next + TwoDigits(hour) + TwoDigits(minute) + TwoDigits(second);
}

std::string MonthFileName(std::string_view regNo) {
    return std::string(BookedMonthOf(Text::TrimView(regNo)).yymm) + ".vrf";
}
