#pragma once

#include "core/Clock.h"

#include <optional>
#include <string>
#include <string_view>

// The rules of a visitor pass: how long it is valid, its period code, its
// texts on the card and in the revocation question, and its issue stamp.
namespace Passes {

struct PassDate {
    int year = 2000;
    int month = 1;
    int day = 1;
    bool operator==(const PassDate&) const = default;
};

enum class Unit { Day, Week, Month };

// "ONE".."SIX" (trimmed) as 1..6; nullopt for any other text.
std::optional<int> CountFromText(std::string_view numberText);
// "Day", "Week", "Month" (trimmed); nullopt for any other text.
std::optional<Unit> UnitFromText(std::string_view unitText);

// "dd-mm-yyyy" of a real date; nullopt otherwise.
std::optional<PassDate> ParseDate(std::string_view text);
std::string DateText(const PassDate& date);     // "dd-mm-yyyy"
std::string CardDateText(const PassDate& date); // "DD MMM YYYY" in capitals: "07 MAR 2014"
PassDate DateOf(const LocalDateTime& when);

// Calendar days, weeks of 7 days, or calendar months; a month step that
// lands past the end of its month ends on that month's last day.
PassDate AddUnits(const PassDate& start, int count, Unit unit);

struct Validity {
    bool dayPass = false;
    std::string endDate;      // "dd-mm-yyyy"
    std::string periodCode;   // "1D".."6M"
    std::string validityText; // the card's large line
};

inline constexpr const char* DayPassPrefix = "DAY PASS  ";
inline constexpr const char* ValidUntilPrefix = "Valid Until:  ";

// count is held within 1..6. A one-day pass always starts today: its line
// reads today's date, and it ends the day after.
Validity ComputeValidity(int count, Unit unit, const PassDate& start, const PassDate& today);

// "DAY PASS  " and today: the card of a pass window that has just opened.
std::string DayPassText(const PassDate& today);

// A "dd-mm-yyyy" text as the number yymmdd, as dates are compared here.
long Yymmdd(std::string_view ddmmyyyy);
bool IsBeforeToday(std::string_view ddmmyyyy, const PassDate& today);

// "dd-mm-yyyy at hh:mm".
std::string IssueStamp(const LocalDateTime& when);

// The stored period code in words: "1 Day", "3 Weeks", "[ Unknown ]".
std::string PeriodText(std::string_view passPeriod);

struct StoredPass {
    std::string firstName, lastName, organisation, regNo;
    std::string passStart, passEnd, passPeriod, passIssued;
};
// The question asked before a pass is removed, lines broken by CR LF.
std::string RevokeQuestion(const StoredPass& pass);

inline constexpr const char* StartBeforeTodayText = "You Cannot Issue a Pass DATED BEFORE Today";
inline constexpr const char* InvalidLineText = "I N V A L I D";
inline constexpr const char* DayPassCalendarText = "You can only Issue/Print a Day Pass for TODAY";
inline constexpr const char* NoPhotoQuestion = "No Photo Found:  Do you wish to Print Without Photo ? ";

// The pictures of the card, under the program folder.
std::string PlaceholderPhoto(const std::string& programFolder);
std::string PassLogoFile(const std::string& programFolder);

} // namespace Passes
