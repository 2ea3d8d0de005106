#pragma once

#include <string>

// The user's options as the program holds them while it runs. The options are
// one-character texts, "1" on and "0" off; the three texts are trimmed.
struct UserSettings {
    std::string SettingsPassword = "KJW";
    std::string SettingsFlag165 = "0";
    std::string AllowExtPasswordChars = "0";
    std::string StartFullScreen = "0";
    std::string ShowStatusListAtStart = "0";
    std::string CalendarOpensAtToday = "0";
    std::string ShowSplash = "1";
    std::string ClockInTimesList = "1";
    std::string DisableSingleDelete = "0";
    std::string DisableMultiDelete = "0";
    std::string PreservePassword = "1";
    std::string ReadOnlyMode = "0";
    std::string EnableVideoConfig = "0";
    std::string SettingsFlag484 = "Y";
    std::string DisablePassPrinting = "0";
    std::string ShowPassBarcode = "1";
    std::string ForceMonochromePass = "0";
    std::string PrintPassReverse = "1";
    std::string ShowPassLogo = "1";
    std::string EnableNetworkPaths = "1";
    std::string DataRoot;          // default: ProgramFolder + "Kestranedata"
    std::string SystemPathSetting; // default: ProgramFolder

    bool operator==(const UserSettings&) const = default;
};
