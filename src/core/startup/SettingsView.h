#pragma once

#include "core/startup/UserSettings.h"

#include <string>

// The options as the windows read them, one reading per option, so no window
// compares a setting's text. A view: it follows the settings it was made from,
// and must not outlive them.
class SettingsView {
  public:
    explicit SettingsView(const UserSettings& settings) : settings_(settings) {}

    // A desk may write only when the setting is "0"; any other byte, a blank
    // included, keeps it read-only.
    bool readOnly() const { return settings_.ReadOnlyMode != "0"; }
    // Kept unless switched off with "0".
    bool preservePassword() const { return settings_.PreservePassword != "0"; }

    bool startFullScreen() const { return on(settings_.StartFullScreen); }
    bool showStatusListAtStart() const { return on(settings_.ShowStatusListAtStart); }
    bool calendarOpensAtToday() const { return on(settings_.CalendarOpensAtToday); }
    bool clockInTimesList() const { return on(settings_.ClockInTimesList); }
    bool disableSingleDelete() const { return on(settings_.DisableSingleDelete); }
    bool disableMultiDelete() const { return on(settings_.DisableMultiDelete); }
    bool enableVideoConfig() const { return on(settings_.EnableVideoConfig); }
    bool disablePassPrinting() const { return on(settings_.DisablePassPrinting); }
    bool showPassBarcode() const { return on(settings_.ShowPassBarcode); }
    bool showPassLogo() const { return on(settings_.ShowPassLogo); }
    bool allowExtPasswordChars() const { return on(settings_.AllowExtPasswordChars); }

    // An option as the settings window shows it: ticked unless it is "0".
    bool ticked(std::string UserSettings::*option) const { return settings_.*option != "0"; }

  private:
    static bool on(const std::string& option) { return option == "1"; }

    const UserSettings& settings_;
};

// Stores an option as the settings file keeps it.
inline void SetOption(UserSettings& settings, std::string UserSettings::*option, bool on) {
    (settings.*option).assign(1, on ? '1' : '0');
}
