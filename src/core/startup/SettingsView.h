#pragma once

#include "core/startup/UserSettings.h"

// The options read as the program obeys them.
class SettingsView {
  public:
    explicit SettingsView(const UserSettings& s) : s_(s) {}
    // A desk writes only while the option is exactly "0".
    bool readOnly() const { return s_.ReadOnlyMode != "0"; }
    bool startFullScreen() const { return s_.StartFullScreen == "1"; }
    bool showStatusListAtStart() const { return s_.ShowStatusListAtStart == "1"; }
    bool calendarOpensAtToday() const { return s_.CalendarOpensAtToday == "1"; }
    bool clockInTimesList() const { return s_.ClockInTimesList == "1"; }
    bool disableSingleDelete() const { return s_.DisableSingleDelete == "1"; }
    bool disableMultiDelete() const { return s_.DisableMultiDelete == "1"; }

  private:
    const UserSettings& s_;
};
