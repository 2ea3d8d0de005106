#include "ui/startup/StartUpMain.h"

#include "Version.h"
#include "core/TextUtil.h"
#include "core/startup/Manifest.h"
#include "core/startup/UsrSettings.h"
#include "core/startup/WindowsVersion.h"
#include "platform/MsgBox.h"
#include "platform/Pause.h"
#include "platform/Platform.h"
#include "platform/ShownPath.h"
#include "platform/SingleInstance.h"
#include "ui/common/Errors.h"
#include "ui/common/Twips.h"
#include "ui/desk/frmMain.h"
#include "ui/startup/frmSplash.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

#include <filesystem>

namespace {
const QString StartUpTitle = QStringLiteral("Kestrane Start up");
constexpr int AlreadyRunningExit = 1;
constexpr int ScreenTooSmallExit = 2;

// The executable's folder as the system names it. A name that is not UTF-8
// (a Latin-1 folder on a share) does not come back from a QString, and Qt
// gives no folder at all for it.
std::string ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.has_parent_path())
        return exe.parent_path().string();
    return QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
}

// What the user must know about the settings this start runs on: stored ones
// that could not be used, and defaults that could not be stored. Empty when
// all went well.
QString SettingsNotice(const ProgramState& state, const modUsrSettings::LoadResult& loaded,
                       const FileError& setAsideError, const FileError& saveError) {
    const QString file = ShownPath::Text(modUsrSettings::SettingsFilePath(state));
    QStringList parts;
    if (loaded.source == modUsrSettings::SettingsSource::Unusable) {
        QString unusable =
            QStringLiteral("The settings in %1 could not be used (%2)").arg(file, Errors::SystemText(loaded.error));
        if (setAsideError)
            unusable += QStringLiteral("; the file was left as it is (%1).").arg(Errors::SystemText(setAsideError));
        else
            unusable += QStringLiteral("; the file was kept as %1.")
                            .arg(ShownPath::Text(modUsrSettings::SetAsideFilePath(state)));
        parts << unusable
              << QStringLiteral("The default settings have been restored. The data folder is now %1.")
                     .arg(ShownPath::Text(state.settings.DataRoot));
    }
    if (saveError)
        parts << QStringLiteral("The settings could not be stored in %1: %2.").arg(file, Errors::SystemText(saveError))
              << QStringLiteral(
                     "Kestrane runs on its default settings and tries to store them again at the next start.");
    return parts.join(QStringLiteral("\n\n"));
}

} // namespace

int StartUp::ScreenHeightForCheck(int heightPx, double twipsPerPixelY) {
    return Twips::NearestPixels(heightPx * twipsPerPixelY);
}

StartUp::StartResult StartUp::Main(ProgramState& state, const StartOptions& options) {
    const auto step = [&](const char* name) {
        if (options.step)
            options.step(name);
    };

    step("program folder");
    // The folder stays bytes from here to every file call.
    std::string folder = options.programFolder.empty() ? ExecutableFolder() : options.programFolder;
    std::error_code ignored;
    std::filesystem::current_path(folder, ignored);
    if (!folder.ends_with('/'))
        folder += '/';
    state.ProgramFolder = folder;

    step("windows version");
    const PlatformAnswers platform = Platform::Probe();
    StartUp::DetectWindowsVersion(state, platform.system);

    if (state.IsXPOrLater) {
        step("manifest");
        // Without its manifest the program still runs, its controls unthemed.
        static_cast<void>(
            modXMLTheme::EnsureThemeManifest(state, platform.system, state.ProgramFolder, Version::ExeName));
    }

    step("single instance");
    const bool claimed = options.claimInstance ? options.claimInstance() : SingleInstance::Claim(state.ProgramFolder);
    if (!claimed) {
        MsgBox(QStringLiteral("Kestrane Software is ALREADY RUNNING on this Machine    "), vb::vbExclamation,
               StartUpTitle);
        return {AlreadyRunningExit, nullptr};
    }

    if (state.IsXPOrLater && !platform.system.ThemeActive)
        modXMLTheme::RemoveStaleManifest(state.ProgramFolder + "Kestrane.exe.manifest");

    step("screen");
    if (ScreenHeightForCheck(platform.screenHeightPx, platform.twipsPerPixelY) < 768) {
        MsgBox(QStringLiteral("Kestrane CANNOT RUN because it needs a higher Screen Resolution"), vb::vbExclamation,
               StartUpTitle);
        return {ScreenTooSmallExit, nullptr};
    }

    step("start values");
    state.SiteName = "My Company";
    state.RestartPending = false;
    state.SettingsPasswordGiven = false;

    step("load settings");
    const modUsrSettings::LoadResult loaded = modUsrSettings::LoadSettings(state);
    FileError setAsideError;
    if (loaded.source == modUsrSettings::SettingsSource::Unusable)
        setAsideError = modUsrSettings::KeepUnusableFileAside(state);
    state.SettingsReset = false;
    FileError saveError;
    if (Text::Trim(state.settings.DataRoot).empty()) {
        step("reset settings");
        saveError = modUsrSettings::ResetSettings(state);
        state.SettingsReset = true;
    }
    const QString notice = SettingsNotice(state, loaded, setAsideError, saveError);
    if (!notice.isEmpty())
        MsgBox(notice, vb::vbExclamation, QStringLiteral("Kestrane"));

    step("splash");
    auto* splash = new frmSplash(state);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();

    step("main window load");
    auto* main = new frmMain(state);
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->Form_Load();

    step("pause");
    StartUp::Pause(2);

    step("main window show");
    main->show();
    splash->close();
    return {0, main};
}
