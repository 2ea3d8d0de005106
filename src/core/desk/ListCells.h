#pragma once

#include "core/desk/BookingRecord.h"

#include <algorithm>
#include <string>
#include <string_view>

// Cell texts the booking lists share.
namespace ListCells {

// The unit letter of a pass period as a word.
inline std::string_view PassTypeWordView(std::string_view unit) {
    if (unit == "D")
        return "Day";
    if (unit == "W")
        return "Week";
    if (unit == "M")
        return "Month";
    return {};
}

inline std::string PassTypeWord(std::string_view unit) {
    return std::string(PassTypeWordView(unit));
}

inline std::string_view TrimmedView(std::string_view s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

// The cells every booking list takes straight from a booking line, as views
// into it: for lists too long to copy every text of every row.
struct BookingCellViews {
    std::string_view RegNo, FirstName, LastName, Organisation, Category, PartySize, DirectDialPhone, PassStart,
        PassIssued, PassLength, PassType, PassEnd, CarRegistration, ReportingTo, Department, HostPhone;
};

inline BookingCellViews BookingCellsOf(std::string_view line) {
    return {ColumnText(line, 1, 12),
            TrimmedView(ColumnText(line, 14, 16)),
            TrimmedView(ColumnText(line, 31, 18)),
            ColumnText(line, 550, 50),
            ColumnText(line, 504, 20),
            TrimmedView(ColumnText(line, 601, 3)),
            ColumnText(line, 670, 16),
            ColumnText(line, 936, 10),
            ColumnText(line, 969, 19),
            ColumnText(line, 958, 1),
            PassTypeWordView(ColumnText(line, 959, 1)),
            ColumnText(line, 947, 10),
            ColumnText(line, 69, 10),
            ColumnText(line, 758, 36),
            ColumnText(line, 525, 24),
            ColumnText(line, 795, 16)};
}

// A stored day slot "hhmm" as "hh:mm": its first two characters, ":", its last two.
inline std::string SlotAsTime(std::string_view slot) {
    return std::string(slot.substr(0, 2)) + ":" +
           std::string(slot.substr(slot.size() - std::min<std::size_t>(2, slot.size())));
}

inline bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

// Fills the cells every booking list takes straight from the booking line.
template <class Row> void FillBookingCells(Row& row, std::string_view line) {
    row.RegNo = ColumnText(line, 1, 12);
    row.FirstName = TrimmedColumn(line, 14, 16);
    row.LastName = TrimmedColumn(line, 31, 18);
    row.Organisation = ColumnText(line, 550, 50);
    row.Category = ColumnText(line, 504, 20);
    row.PartySize = TrimmedColumn(line, 601, 3);
    row.DirectDialPhone = ColumnText(line, 670, 16);
    row.PassStart = ColumnText(line, 936, 10);
    row.PassIssued = ColumnText(line, 969, 19);
    row.PassLength = ColumnText(line, 958, 1);
    row.PassType = PassTypeWord(ColumnText(line, 959, 1));
    row.PassEnd = ColumnText(line, 947, 10);
    row.CarRegistration = ColumnText(line, 69, 10);
    row.ReportingTo = ColumnText(line, 758, 36);
    row.Department = ColumnText(line, 525, 24);
    row.HostPhone = ColumnText(line, 795, 16);
}

} // namespace ListCells
