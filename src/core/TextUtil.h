#pragma once

#include <climits>
#include <string>
#include <string_view>

// Blank trimming as the program's text fields use it (blanks only, not tabs).
namespace Text {

inline std::string_view TrimView(std::string_view s) {
    const auto b = s.find_first_not_of(' ');
    if (b == std::string_view::npos)
        return {};
    return s.substr(b, s.find_last_not_of(' ') - b + 1);
}

inline std::string Trim(std::string_view s) {
    return std::string(TrimView(s));
}

// Empty or blanks only.
inline bool IsBlank(std::string_view s) {
    return s.find_first_not_of(' ') == std::string_view::npos;
}

// The forgiving number value of typed text: leading blanks skipped, then the
// leading digits ("7th" gives 7, "2012abc" 2012); 0 when there are none.
// Absurdly long digit runs saturate instead of overflowing.
inline long Val(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    long value = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        const int digit = s[i] - '0';
        if (value > (LONG_MAX - digit) / 10)
            return LONG_MAX;
        value = value * 10 + digit;
    }
    return value;
}

} // namespace Text
