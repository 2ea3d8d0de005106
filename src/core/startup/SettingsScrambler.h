#pragma once

#include <string>

// The key both directions are called with; any 10 printable characters do,
// but a changed key makes every existing settings file unreadable.
inline constexpr const char* SettingsKey = "Rv7mQx2Lk9";

// Scrambles the settings record so that nothing in the file reads in clear.
// Byte for byte and reversible: Unscramble(Scramble(d, key), key) == d for any
// bytes d, and the result is always as long as the input. The keystream comes
// from a 64-bit generator seeded from the key, and each byte is also chained to
// the scrambled byte before it, so the output has no short period.
// The mode is accepted for the callers' sake; there is only one way of working.
class SettingsScrambler {
  public:
    std::string Scramble(const std::string& data, const std::string& key, int mode) const;
    std::string Unscramble(const std::string& data, const std::string& key, int mode) const;
};
