#pragma once

#include "core/Clock.h"
#include "core/FileError.h"
#include "core/desk/ListDescription.h"

#include <string>
#include <string_view>
#include <vector>

namespace Lists {

// Black while not arrived; red / black while on site; grey / green once departed.
inline constexpr ToneColours ArrivedTones{0, 0xFF, 0x808080};
inline constexpr ToneColours DepartedTones{0, 0, 0x008000};

// The on-site list: the lines of today's status file.
inline constexpr ListColumn OnSiteListColumns[] = {
    {"Registration", 100, 10, Cell::RegNo},
    {"First Name", 100, 6, Cell::FirstName},
    {"Last Name", 100, 6, Cell::LastName},
    {"Organisation", 180, 6, Cell::Organisation},
    {"Category", 140, 6, Cell::Category},
    {"Expected", 60, 10, Cell::BookedTime},
    {"Arrived", 60, 10, Cell::ArrivalTime, &ArrivedTones},
    {"Departed", 60, 10, Cell::DepartureTime, &DepartedTones},
    {"Pass Valid", 75, 10, Cell::PassStart},
    {"Pass Issued", 120, 10, Cell::PassIssued},
    {"Length", 50, 10, Cell::PassLength},
    {"Pass Type", 65, 10, Cell::PassType},
    {"Pass Ends", 75, 10, Cell::PassEnd},
    {"Party", 45, 10, Cell::PartySize},
    {"Telephone", 110, 6, Cell::DirectDialPhone},
    {"Car Reg", 75, 10, Cell::CarRegistration},
    {"Reports to:", 140, 6, Cell::ReportingTo},
    {"Department", 150, 6, Cell::Department},
    {"Contact", 110, 6, Cell::HostPhone},
    {"", GridDefault, 10, Cell::Empty},
};
inline constexpr ListDescription OnSiteList{OnSiteListColumns, 0xFFFFFF, 0xF9E7DF, "  -  "};

// A stamped time as the number hhmm: "10:15" gives 1015; "  -  ", blanks,
// anything that is no time, and midnight give 0 (not arrived).
int StampNumber(std::string_view stamp);

// The rows of the status file at path, in file order, for today: a row shows
// today's booked time only when the booking is of today's month, and is toned
// by its arrival and departure. 53 when the file is missing, 76 when its
// folder is.
ListResult BuildOnSiteList(const std::string& path, const LocalDateTime& today);
// The same of a status file's bytes held in memory.
ListResult BuildOnSiteListOf(std::string bytes, const LocalDateTime& today);

} // namespace Lists
