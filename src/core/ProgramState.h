#pragma once

#include "core/admin/PasswordRules.h"
#include "core/desk/CurrentRecord.h"
#include "core/desk/ListMode.h"
#include "core/startup/SettingsView.h"
#include "core/startup/UserSettings.h"

#include <string>

// The program-wide values every window shares. main() owns the one instance
// and hands it to each window by reference; tests build their own.
struct ProgramState {
    // Start-up
    std::string ProgramFolder; // the executable's folder, always ending in "/"
    bool IsXPOrLater = false;
    int WindowsVersion = 0;
    std::string SiteName = "My Company";
    bool RestartPending = false;
    bool SettingsPasswordGiven = false;
    bool SettingsReset = false;

    UserSettings settings; // the texts kept in the settings file
    std::string ScramblerKey;

    // The options as the windows read them.
    SettingsView options() const { return SettingsView(settings); }

    int HelpTopic = 0;

    // Settings-password window hand-off
    PasswordMode SettingsPasswordMode = PasswordMode::None;
    bool SettingsGateFailed = false;
    std::string NewPassword1;
    std::string NewPassword2;

    // The booking being edited, its saved copy and what changed since
    BookingFields CurrentRecord;
    BookingFields RecordSnapshot;
    // The booking's line as it was read or last stored here: what an update
    // merges against, so another desk's changes since are kept.
    std::string RecordBaseLine;
    bool RecordChanged = false;
    bool BookingsChanged = false;

    // Which list the desk's list grid shows.
    ::ListMode ListMode = ::ListMode::NoneYet;

    // Hand-off flags between windows
    bool PassChanged = false;
    bool PassRevokeRequest = false;
    std::string PassRegNo; // the booking the two flags above are for
    bool PhotoTakenFlag = false;
    bool PhotoAttachedFlag = false;
    bool PhotoDeletedFlag = false;
    bool StatusPending = false;
    std::string StatusMessage;

    // Folder chooser hand-off: which folder box of the settings asked, the
    // folder chosen and whether the chooser was cancelled.
    struct FolderBrowse {
        enum Target : int { NoTarget = 0, DataFolder = 1, SystemFolder = 2 };
        Target BrowseTarget = NoTarget;
        std::string BrowseResult;
        bool BrowseCancelled = false;
    } browse;
};
