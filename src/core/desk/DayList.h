#pragma once

#include "core/FileError.h"
#include "core/desk/ListDescription.h"

#include <string>
#include <vector>

namespace Lists {

// The day list: the bookings of a month file with a time booked on the listed
// day or a pass covering it.
inline constexpr ListColumn DayListColumns[] = {
    {"Registration", 100, 10, Cell::RegNo},       {"First Name", 100, 6, Cell::FirstName},
    {"Last Name", 100, 6, Cell::LastName},        {"Organisation", 180, 6, Cell::Organisation},
    {"Category", 140, 6, Cell::Category},         {"Party", 45, 10, Cell::PartySize},
    {"Telephone", 110, 6, Cell::DirectDialPhone}, {"Expected", 60, 10, Cell::BookedTime},
    {"Pass Valid", 75, 10, Cell::PassStart},      {"Pass Issued", 120, 10, Cell::PassIssued},
    {"Length", 50, 10, Cell::PassLength},         {"Pass Type", 65, 10, Cell::PassType},
    {"Pass Ends", 75, 10, Cell::PassEnd},         {"Car Reg", 75, 10, Cell::CarRegistration},
    {"Reports to:", 140, 6, Cell::ReportingTo},   {"Department", 150, 6, Cell::Department},
    {"Contact", 110, 6, Cell::HostPhone},         {"", GridDefault, GridDefault, Cell::Empty},
};
// A booking listed for its pass alone shows four blanks as its time.
inline constexpr ListDescription DayList{DayListColumns, 0xFFFFFF, 0xE0E0E0, "    "};

// The rows of the month booking file at path for day (1..31) of the month,
// listDate being that day as "dd-mm-yyyy", in file order. 53 when the file is
// missing, 76 when its folder is.
ListResult BuildDayList(const std::string& path, int day, const std::string& listDate);

} // namespace Lists
