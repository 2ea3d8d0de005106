#pragma once

#include "core/startup/UserSettings.h"

#include <array>
#include <cstddef>
#include <string>

// The plain settings record: a fixed-position text in which each setting has
// its own start (1-based) and width; positions of no setting hold filler.
inline constexpr std::size_t SettingsRecordLength = 3839;

struct SettingsField {
    std::size_t position; // 1-based
    std::size_t width;
    std::string UserSettings::*member;
};

inline constexpr std::array<SettingsField, 22> SettingsFields{{
    {100, 64, &UserSettings::SettingsPassword},
    {165, 1, &UserSettings::SettingsFlag165},
    {166, 1, &UserSettings::AllowExtPasswordChars},
    {200, 1, &UserSettings::StartFullScreen},
    {211, 1, &UserSettings::ShowStatusListAtStart},
    {256, 1, &UserSettings::CalendarOpensAtToday},
    {261, 1, &UserSettings::ShowSplash},
    {337, 1, &UserSettings::ClockInTimesList},
    {352, 1, &UserSettings::DisableSingleDelete},
    {388, 1, &UserSettings::DisableMultiDelete},
    {400, 1, &UserSettings::PreservePassword},
    {405, 1, &UserSettings::ReadOnlyMode},
    {447, 1, &UserSettings::EnableVideoConfig},
    {484, 1, &UserSettings::SettingsFlag484},
    {499, 1, &UserSettings::DisablePassPrinting},
    {525, 1, &UserSettings::ShowPassBarcode},
    {545, 1, &UserSettings::ForceMonochromePass},
    {555, 1, &UserSettings::PrintPassReverse},
    {565, 1, &UserSettings::ShowPassLogo},
    {600, 1, &UserSettings::EnableNetworkPaths},
    {625, 255, &UserSettings::DataRoot},
    {925, 255, &UserSettings::SystemPathSetting},
}};

// Lays the settings over filler (brought to the record's length): texts padded
// with blanks and cut to their width; an option only where it is not empty,
// its first character, so an empty option leaves the filler in place.
std::string ComposeSettingsRecord(const UserSettings& settings, std::string filler);

// Cuts the settings out of a plain record (a short one counts as padded with
// blanks): texts trimmed of blanks, options taken as they stand.
UserSettings ParseSettingsRecord(const std::string& record);

// Whether a plain record could have been written by the program: its texts
// hold no control bytes (below 0x20, or 0x7F; bytes from 0x80 up are valid in
// paths and passwords) and every option is a printable ASCII character.
// Unscrambling anything else (a damaged file, random bytes) fails this.
bool IsSoundSettingsRecord(const std::string& record);

// The settings of a fresh installation in programFolder (ending in "/").
UserSettings DefaultSettings(const std::string& programFolder);
