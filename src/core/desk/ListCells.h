#pragma once

#include "core/TextUtil.h"

#include <string_view>

// Old entry points of the desk window

namespace ListCells {

// The cells every booking list takes straight from a booking line, as views into it.
struct BookingCellViews {
    std::string_view RegNo, FirstName, LastName, Organisation, Category, PartySize, DirectDialPhone, PassStart,
        PassIssued, PassLength, PassType, PassEnd, CarRegistration, ReportingTo, Department, HostPhone;
};

inline bool IsBlank(std::string_view text) {
    return Text::IsBlank(text);
}

} // namespace ListCells
