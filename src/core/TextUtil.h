#pragma once

#include <string>
#include <string_view>

// Blank trimming as the program's text fields use it (blanks only, not tabs).
namespace Text {

inline std::string Trim(std::string_view s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    return std::string(s.substr(b, s.find_last_not_of(' ') - b + 1));
}

inline std::string RTrim(std::string_view s) {
    const auto e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string() : std::string(s.substr(0, e + 1));
}

inline std::string LTrim(std::string_view s) {
    const auto b = s.find_first_not_of(' ');
    return b == std::string_view::npos ? std::string() : std::string(s.substr(b));
}

} // namespace Text
