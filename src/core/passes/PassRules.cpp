#include "core/passes/PassRules.h"

#include "core/TextUtil.h"
#include "core/desk/ListDate.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace Passes {

std::optional<int> CountFromText(std::string_view numberText) {
    static constexpr std::array<std::string_view, 6> names{"ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX"};
    const std::string_view t = Text::TrimView(numberText);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (t == names[i])
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::optional<Unit> UnitFromText(std::string_view unitText) {
    const std::string_view t = Text::TrimView(unitText);
    if (t == "Day")
        return Unit::Day;
    if (t == "Week")
        return Unit::Week;
    if (t == "Month")
        return Unit::Month;
    return std::nullopt;
}

std::optional<PassDate> ParseDate(std::string_view text) {
    if (text.size() != 10 || text[2] != '-' || text[5] != '-')
        return std::nullopt;
    for (std::size_t i : {0, 1, 3, 4, 6, 7, 8, 9})
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
    const PassDate d{static_cast<int>(Text::Val(text.substr(6, 4))), static_cast<int>(Text::Val(text.substr(3, 2))),
                     static_cast<int>(Text::Val(text.substr(0, 2)))};
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > ListDate::DaysInMonth(d.month, d.year))
        return std::nullopt;
    return d;
}

std::string DateText(const PassDate& d) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", d.day % 100, d.month % 100, d.year % 10000);
    return buf;
}

std::string CardDateText(const PassDate& d) {
    static constexpr std::array<const char*, 12> months{"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    char buf[24];
    std::snprintf(buf, sizeof buf, "%02d %s %04d", d.day % 100, months[(d.month - 1) % 12], d.year % 10000);
    return buf;
}

PassDate DateOf(const LocalDateTime& when) {
    return {when.year, when.month, when.day};
}

namespace {
PassDate addDays(PassDate d, int days) {
    d.day += days;
    while (d.day > ListDate::DaysInMonth(d.month, d.year)) {
        d.day -= ListDate::DaysInMonth(d.month, d.year);
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    }
    return d;
}
} // namespace

PassDate AddUnits(const PassDate& start, int count, Unit unit) {
    switch (unit) {
    case Unit::Day:
        return addDays(start, count);
    case Unit::Week:
        return addDays(start, 7 * count);
    case Unit::Month:
    default: {
        const int months = start.year * 12 + (start.month - 1) + count;
        PassDate d{months / 12, months % 12 + 1, start.day};
        d.day = std::min(d.day, ListDate::DaysInMonth(d.month, d.year));
        return d;
    }
    }
}

std::string DayPassText(const PassDate& today) {
    return DayPassPrefix + CardDateText(today);
}

Validity ComputeValidity(int count, Unit unit, const PassDate& start, const PassDate& today) {
    count = std::clamp(count, 1, 6);
    Validity v;
    v.dayPass = count == 1 && unit == Unit::Day;
    const PassDate from = v.dayPass ? today : start;
    const PassDate end = AddUnits(from, count, unit);
    v.endDate = DateText(end);
    v.periodCode = std::to_string(count) + (unit == Unit::Day ? "D" : unit == Unit::Week ? "W" : "M");
    v.validityText = v.dayPass ? DayPassText(today) : ValidUntilPrefix + CardDateText(end);
    return v;
}

long Yymmdd(std::string_view t) {
    const auto part = [&](std::size_t at) { return at + 2 <= t.size() ? Text::Val(t.substr(at, 2)) : 0; };
    return part(8) * 10000 + part(3) * 100 + part(0);
}

bool IsBeforeToday(std::string_view ddmmyyyy, const PassDate& today) {
    return Yymmdd(ddmmyyyy) < Yymmdd(DateText(today));
}

std::string IssueStamp(const LocalDateTime& when) {
    return when.DateText() + " at " + when.TimeText();
}

std::string PeriodText(std::string_view passPeriod) {
    if (passPeriod.size() < 2)
        return "[ Unknown ]";
    const char unit = passPeriod[1];
    const char* word = unit == 'D' || unit == 'd'   ? " Day"
                       : unit == 'W' || unit == 'w' ? " Week"
                       : unit == 'M' || unit == 'm' ? " Month"
                                                    : nullptr;
    if (!word)
        return "[ Unknown ]";
    const std::string count(1, passPeriod[0]);
    return count + word + (Text::Val(count) < 2 ? "" : "s");
}

std::string RevokeQuestion(const StoredPass& p) {
    return "This will REMOVE the pass record for " + p.firstName + " " + p.lastName +
           "\r\n\r\nStart Date: " + p.passStart + "   Pass Ends: " + p.passEnd + "\r\nPass Issued: " + p.passIssued +
           " for " + PeriodText(p.passPeriod) + "\r\n" + p.organisation + "  [ " + p.regNo +
           " ]\r\n\r\nDo you wish to proceed ?";
}

std::string PlaceholderPhoto(const std::string& programFolder) {
    return programFolder + "_KSF/IRender/currentfile.bmp";
}

std::string PassLogoFile(const std::string& programFolder) {
    return programFolder + "_KSF/IRender/OurPassLogo.bmp";
}

} // namespace Passes
