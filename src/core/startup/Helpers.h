#pragma once

#include <string>

// Small checks every window uses.
namespace StartUp {

bool IsLeapYear(int year);

// "hh:mm", hours 0..23, minutes 0..59; each pair read leniently.
bool IsValidTime(const std::string& text);

// Whether "dd-mm-yyyy" date d lies within lo..hi, compared as yymmdd numbers.
bool IsDateInRange(const std::string& lo, const std::string& hi, const std::string& d);

// The e-mail check: 0 when the address passes, else the number (1..4) of the
// first test it fails; EmailCheckTitle gives that test's message-box title.
int EmailCheckFailure(const std::string& address);
const char* EmailCheckTitle(int failure);
inline constexpr const char* EmailCheckText = "Attention: Please note the E-mail address entered is not valid  ";

bool FileExists(const std::string& path);

// The help topics the windows set in HelpTopic.
namespace HelpTopics {
inline constexpr int Desk = 1;
inline constexpr int DayList = 20;
inline constexpr int MonthList = 21;
inline constexpr int OnSiteList = 22;
inline constexpr int Search = 23;
inline constexpr int ListCalendar = 24;
inline constexpr int NewBooking = 25;
inline constexpr int BookingTime = 26;
inline constexpr int OnOffSite = 27;     // both buttons
inline constexpr int UndoOnOffSite = 28; // both double-clicks
inline constexpr int Camera = 50;
inline constexpr int CameraSetup = 51;
inline constexpr int LocationDetails = 60;
inline constexpr int PersonalDetails = 61;
inline constexpr int Photos = 70;
inline constexpr int Settings = 80;
inline constexpr int NetworkSettings = 81;
inline constexpr int About = 90;
inline constexpr int Pass = 100;
} // namespace HelpTopics

// The help page (file name in KestraneDocs) of a help topic.
std::string HelpPageForTopic(int topic);

// The working folder ShellOpen gives a file when none is given: the part
// before the last "/" (a root keeps its separator), or currentDir without one.
std::string ShellOpenFolder(const std::string& file, const std::string& currentDir);

} // namespace StartUp
