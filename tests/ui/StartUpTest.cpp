#include "UiTestSupport.h"
#include "core/startup/SettingsRecord.h"
#include "core/startup/UsrSettings.h"
#include "platform/Platform.h"
#include "platform/ShownPath.h"
#include "ui/desk/frmMain.h"
#include "ui/startup/StartUpMain.h"

#include <QApplication>
#include <QLabel>
#include <QStringList>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

PlatformAnswers desktop(int heightPx, double twipsPerPixel = 15.0) {
    PlatformAnswers a;
    a.screenWidthPx = 1280;
    a.screenHeightPx = heightPx;
    a.twipsPerPixelX = a.twipsPerPixelY = twipsPerPixel;
    return a;
}

PlatformAnswers windows7Themed() {
    PlatformAnswers a = desktop(1024);
    a.system = {true, 6, 1, true, true};
    return a;
}

class StartUpTest : public ::testing::Test {
  protected:
    void TearDown() override {
        Platform::ClearAnswers();
        closeMainWindow();
    }

    void closeMainWindow() {
        QApplication::processEvents(); // the window's activation, before a restart is made pending
        if (started.mainWindow) {
            state.RestartPending = true; // close without the question
            started.mainWindow->close();
            started.mainWindow = nullptr;
        }
        QApplication::processEvents();
    }

    StartUp::StartResult start(bool otherCopyRuns = false, const std::string& programFolder = {}) {
        StartUp::StartOptions o;
        o.programFolder = programFolder.empty() ? folder.path() : programFolder;
        o.claimInstance = [otherCopyRuns] { return !otherCopyRuns; };
        o.step = [this](const char* s) {
            steps.emplace_back(s);
            if (std::string(s) == "pause")
                onPause();
        };
        started = StartUp::Main(state, o);
        return started;
    }

    std::function<void()> onPause = [] {};
    TestProgramFolder folder;
    int addFiles = (folder.addEmptyMonthFiles(), 0);
    ProgramState state;
    RecordingResponder boxes;
    std::vector<std::string> steps;
    StartUp::StartResult started;
};

QWidget* visibleTopLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible())
            return w;
    return nullptr;
}

} // namespace

TEST_F(StartUpTest, SecondCopyIsRefusedAfterTheManifestIsWritten) {
    Platform::SetAnswers(windows7Themed());
    const auto result = start(/*otherCopyRuns=*/true);

    EXPECT_NE(result.exitCode, 0);
    EXPECT_EQ(result.mainWindow, nullptr);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Kestrane Software is ALREADY RUNNING on this Machine    ");
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane Start up");
    EXPECT_EQ(boxes.calls()[0].style, 48);
    EXPECT_TRUE(fs::exists(folder.path() + "Kestrane.exe.manifest"));
    EXPECT_FALSE(fs::exists(modUsrSettings::SettingsFilePath(state))) << "nothing is written on a refusal";
    EXPECT_TRUE(state.IsXPOrLater);
    EXPECT_EQ(state.WindowsVersion, 6);
}

TEST_F(StartUpTest, OnLinuxNoManifestIsWritten) {
    Platform::SetAnswers(desktop(1024));
    start(/*otherCopyRuns=*/true);
    EXPECT_FALSE(state.IsXPOrLater);
    EXPECT_FALSE(fs::exists(folder.path() + "Kestrane.exe.manifest"));
}

TEST_F(StartUpTest, StaleManifestIsRemovedWhenVisualStylesAreOff) {
    PlatformAnswers a = windows7Themed();
    a.system.ThemeActive = false;
    Platform::SetAnswers(a);
    { std::ofstream(folder.path() + "Kestrane.exe.manifest") << "old"; }
    start();
    EXPECT_FALSE(fs::exists(folder.path() + "Kestrane.exe.manifest"));
}

TEST(StartUpScreen, HeightIsMeasuredAtFifteenTwipsPerPixel) {
    EXPECT_EQ(StartUp::ScreenHeightForCheck(768, 15.0), 768);
    EXPECT_EQ(StartUp::ScreenHeightForCheck(767, 15.0), 767);
    EXPECT_EQ(StartUp::ScreenHeightForCheck(768, 12.0), 614);
}

TEST_F(StartUpTest, SmallScreenIsRefused) {
    Platform::SetAnswers(desktop(767));
    const auto result = start();
    EXPECT_NE(result.exitCode, 0);
    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Kestrane CANNOT RUN because it needs a higher Screen Resolution");
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane Start up");
    EXPECT_EQ(boxes.calls()[0].style, 48);
    EXPECT_FALSE(fs::exists(modUsrSettings::SettingsFilePath(state)));
}

TEST_F(StartUpTest, HighDensityScreenOf768PixelsIsRefused) {
    Platform::SetAnswers(desktop(768, 12.0));
    EXPECT_NE(start().exitCode, 0);
}

TEST_F(StartUpTest, FirstStartRestoresDefaultsAndShowsItOnTheSplash) {
    Platform::SetAnswers(desktop(768));
    bool splashShownWhileLoading = false;
    bool defaultsNoticeShown = false;
    onPause = [&] {
        if (QWidget* splash = visibleTopLevel("frmSplash")) {
            splashShownWhileLoading = true;
            defaultsNoticeShown = splash->findChild<QLabel*>("laDefsa")->isVisible();
        }
    };
    const auto result = start();

    ASSERT_EQ(result.exitCode, 0);
    EXPECT_TRUE(boxes.calls().empty()) << boxes.calls()[0].text.toStdString();
    EXPECT_TRUE(state.SettingsReset);
    EXPECT_TRUE(splashShownWhileLoading);
    EXPECT_TRUE(defaultsNoticeShown);
    EXPECT_EQ(fs::file_size(modUsrSettings::SettingsFilePath(state)), 4095u);
    EXPECT_EQ(state.settings.DataRoot, folder.path() + "Kestranedata");
    EXPECT_EQ(state.SiteName, "My Company");
    ASSERT_NE(result.mainWindow, nullptr);
    EXPECT_TRUE(result.mainWindow->isVisible());
    EXPECT_EQ(result.mainWindow->windowTitle(), "Brantholm Solutions Kestrane");
    QApplication::processEvents();
    EXPECT_EQ(visibleTopLevel("frmSplash"), nullptr) << "the splash is gone once the main window shows";

    const std::vector<std::string> expected{"program folder",   "windows version", "single instance", "screen",
                                            "start values",     "load settings",   "reset settings",  "splash",
                                            "main window load", "pause",           "main window show"};
    EXPECT_EQ(steps, expected);
}

TEST_F(StartUpTest, ProgramFolderIsKeptAsBytes) {
    Platform::SetAnswers(desktop(1024));
    for (const std::string name : {"caf\xc3\xa9", "caf\xe9"}) { // UTF-8, and Latin-1 that is no UTF-8
        const std::string programFolder = folder.path() + name + "/Kestrane/";
        fs::create_directories(programFolder);
        for (const char* d : {"_KSF", "KestraneDocs", "Kestranedata"})
            fs::copy(folder.path() + d, programFolder + d, fs::copy_options::recursive);
        for (const bool firstStart : {true, false}) {
            ASSERT_EQ(start(false, programFolder.substr(0, programFolder.size() - 1)).exitCode, 0);
            EXPECT_EQ(state.ProgramFolder, programFolder);
            EXPECT_EQ(fs::current_path().string() + "/", programFolder);
            EXPECT_EQ(state.SettingsReset, firstStart) << "saved at the first start, loaded at the next";
            EXPECT_EQ(state.settings.DataRoot, programFolder + "Kestranedata");
            closeMainWindow();
        }
    }
    EXPECT_TRUE(boxes.calls().empty()) << boxes.calls()[0].text.toStdString();
}

TEST_F(StartUpTest, UnusableSettingsFileIsKeptAsideAndTheDefaultsRestored) {
    Platform::SetAnswers(desktop(1024));
    std::string garbage(4095, '\0');
    std::mt19937 random(17);
    for (char& c : garbage)
        c = static_cast<char>(random() >> 24);
    const std::string file = folder.path() + "_KSF/KSystem/qxsabusr.dat";
    std::ofstream(file, std::ios::binary).write(garbage.data(), static_cast<std::streamsize>(garbage.size()));

    ASSERT_EQ(start().exitCode, 0);
    EXPECT_TRUE(state.SettingsReset);
    EXPECT_EQ(state.settings, DefaultSettings(folder.path()));
    std::ifstream kept(file + ".bad", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), garbage);
    ProgramState reloaded;
    reloaded.ProgramFolder = folder.path();
    EXPECT_EQ(modUsrSettings::LoadSettings(reloaded).source, modUsrSettings::SettingsSource::Stored);
    EXPECT_EQ(reloaded.settings, state.settings);

    ASSERT_EQ(boxes.calls().size(), 1u);
    EXPECT_EQ(boxes.calls()[0].title, "Kestrane");
    EXPECT_EQ(boxes.calls()[0].style, 48);
    EXPECT_EQ(boxes.calls()[0].text,
              "The settings in " + ShownPath::Text(file) +
                  " could not be used (the file holds no settings Kestrane wrote); the file was kept as " +
                  ShownPath::Text(file + ".bad") + ".\n\nThe default settings have been restored. " +
                  "The data folder is now " + ShownPath::Text(folder.path() + "Kestranedata") + ".");
}

TEST_F(StartUpTest, SettingsThatCannotBeStoredAreToldOnce) {
    Platform::SetAnswers(desktop(1024));
    // A folder even root cannot write into: its place is taken by a file.
    fs::remove_all(folder.path() + "_KSF/KSystem");
    std::ofstream(folder.path() + "_KSF/KSystem") << "not a folder";

    ASSERT_EQ(start().exitCode, 0);
    EXPECT_TRUE(state.SettingsReset);
    EXPECT_EQ(state.settings, DefaultSettings(folder.path()));
    QStringList told; // the desk also says it cannot read its pick-lists there
    for (const MsgBoxCall& call : boxes.calls())
        if (call.title == "Kestrane")
            told << call.text;
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0], "The settings could not be stored in " + ShownPath::Text(folder.path()) +
                           "_KSF/KSystem/qxsabusr.dat: Path not found.\n\nKestrane runs on its default settings and "
                           "tries to store them again at the next start.");
    EXPECT_TRUE(started.mainWindow->isVisible());
}

TEST_F(StartUpTest, ProgramFolderGetsOneTrailingSeparator) {
    Platform::SetAnswers(desktop(1024));
    StartUp::StartOptions o;
    o.programFolder = "/";
    o.claimInstance = [] { return false; };
    StartUp::Main(state, o);
    EXPECT_EQ(state.ProgramFolder, "/");

    o.programFolder = folder.path().substr(0, folder.path().size() - 1);
    StartUp::Main(state, o);
    EXPECT_EQ(state.ProgramFolder, folder.path());
}
