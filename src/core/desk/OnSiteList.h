#pragma once

#include "core/Clock.h"
#include "core/FileError.h"

#include <string>
#include <string_view>
#include <vector>

// One row of the on-site list: a line of today's status file. Texts are as
// the list shows them; the last of its 20 columns stays empty.
struct OnSiteRow {
    std::string RegNo;        // as stored
    std::string FirstName;    // trimmed
    std::string LastName;     // trimmed
    std::string Organisation; // as stored
    std::string Category;     // as stored
    std::string Expected;     // "hh:mm" booked for today in its own month, else "  -  "
    std::string Arrived;      // stored five columns, or "  -  " when not arrived
    std::string Departed;     // stored five columns, or "  -  " when not arrived
    std::string PassStart;
    std::string PassIssued;
    std::string PassLength; // count digit of the pass period
    std::string PassType;   // "Day", "Week", "Month" or empty
    std::string PassEnd;
    std::string PartySize; // trimmed
    std::string DirectDialPhone;
    std::string CarRegistration;
    std::string ReportingTo;
    std::string Department;
    std::string HostPhone;
    long ArrivedColour = 0; // text colours, blue-green-red
    long DepartedColour = 0;
};

// The caption error of the list is its error number plus this.
inline constexpr int OnSiteListErrorOffset = 2110;
inline constexpr const char* OnSiteListErrorPlace = " in Day List ]";
inline constexpr const char* NoBookingsForDateText = "No Visitor Bookings for this DATE have been found";

// A stamped time as the number hhmm: "10:15" gives 1015; "  -  ", blanks,
// anything that is no time, and midnight give 0 (not arrived).
int StampNumber(std::string_view stamp);

// Text colours of the "Arrived" and "Departed" cells: black while not arrived,
// red / black while on site (departure none or earlier than arrival), grey /
// green once departed.
struct StampColours {
    long arrived;
    long departed;
};
StampColours OnSiteColours(int arrival, int departure);

// The rows of the status file at path, in file order, for today. 53 when the
// file is missing, 76 when its folder is.
FileError ReadOnSiteRows(const std::string& path, const LocalDateTime& today, std::vector<OnSiteRow>& rows);
