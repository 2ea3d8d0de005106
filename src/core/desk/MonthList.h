#pragma once

#include "core/Clock.h"
#include "core/FileError.h"
#include "core/desk/ListDescription.h"

#include <string>
#include <string_view>

namespace Lists {

// Rows before today grey, today's dark blue, later ones black.
inline constexpr ToneColours DateTones{0, 0x808080, 0xA00000};

// The month list: one row per booked day of each booking of a month file.
// Every column but the registration takes the colour of the row's date.
inline constexpr ListColumn MonthListColumns[] = {
    {"Registration", 100, 10, Cell::RegNo},
    {"First Name", 100, 6, Cell::FirstName, &DateTones},
    {"Last Name", 100, 6, Cell::LastName, &DateTones},
    {"Organisation", 180, 6, Cell::Organisation, &DateTones},
    {"Day", 45, 10, Cell::Day, &DateTones},
    {"Expected", 60, 10, Cell::BookedTime, &DateTones},
    {"Category", 140, 6, Cell::Category, &DateTones},
    {"Party", 45, 10, Cell::PartySize, &DateTones},
    {"Telephone", 110, 6, Cell::DirectDialPhone, &DateTones},
    {"Pass Valid", 75, 10, Cell::PassStart, &DateTones},
    {"Pass Issued", 120, 10, Cell::PassIssued, &DateTones},
    {"Length", 50, 10, Cell::PassLength, &DateTones},
    {"Pass Type", 65, 10, Cell::PassType, &DateTones},
    {"Pass Ends", 75, 10, Cell::PassEnd, &DateTones},
    {"Car Reg", 75, 10, Cell::CarRegistration, &DateTones},
    {"Reports to:", 140, 6, Cell::ReportingTo, &DateTones},
    {"Department", 150, 6, Cell::Department, &DateTones},
    {"Contact", 110, 6, Cell::HostPhone, &DateTones},
    {"", GridDefault, GridDefault, Cell::Empty},
};
inline constexpr ListDescription MonthList{MonthListColumns, 0xFFFFFF, 0xE0E0E0, ""};

// The rows of the month file at path for the month yymm ("1206"): for each
// line in file order, one row per non-blank day slot, days 1 to 31 in order,
// toned by its date against today. 53 when the file is missing, 76 when its
// folder is.
ListResult BuildMonthList(const std::string& path, std::string_view yymm, const LocalDateTime& today);

} // namespace Lists
