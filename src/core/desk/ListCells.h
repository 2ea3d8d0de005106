#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// Cell texts the booking lists share.
namespace ListCells {

// The unit letter of a pass period as a word.
inline std::string PassTypeWord(std::string_view unit) {
    if (unit == "D")
        return "Day";
    if (unit == "W")
        return "Week";
    if (unit == "M")
        return "Month";
    return {};
}

// A stored day slot "hhmm" as "hh:mm": its first two characters, ":", its last two.
inline std::string SlotAsTime(std::string_view slot) {
    return std::string(slot.substr(0, 2)) + ":" +
           std::string(slot.substr(slot.size() - std::min<std::size_t>(2, slot.size())));
}

inline bool IsBlank(std::string_view text) {
    return text.find_first_not_of(' ') == std::string_view::npos;
}

} // namespace ListCells
