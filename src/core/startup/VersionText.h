#pragma once

#include <string>

// How the splash and about windows write the program's version.
namespace VersionText {

inline std::string lastChars(const std::string& s, std::size_t n) {
    return s.size() <= n ? s : s.substr(s.size() - n);
}

// 2 and 5 give "2.05"; a minor of 123 gives "2.23".
inline std::string FileVersion(int major, int minor) {
    return std::to_string(major) + "." + lastChars("00" + std::to_string(minor), 2);
}

// 544 gives "0544", 7 gives "0007".
inline std::string BuildNumber(int revision) {
    return lastChars("0000" + std::to_string(revision), 4);
}

} // namespace VersionText
