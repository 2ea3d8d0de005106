#include "core/startup/SettingsRecord.h"
#include "core/startup/SettingsScrambler.h"
#include "core/startup/UsrSettings.h"

#include "FileSizeLimit.h"
#include "TempFolder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string RandomBytes(std::size_t n, unsigned seed) {
    std::mt19937 generator(seed);
    std::string bytes(n, '\0');
    for (char& c : bytes)
        c = static_cast<char>(generator() >> 24);
    return bytes;
}

class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        fs::create_directories(folder.path() / "_KSF" / "KSystem");
        state.ProgramFolder = folder.withSlash();
    }

    std::string File() const { return modUsrSettings::SettingsFilePath(state); }
    std::string StoredRecord() const {
        return SettingsScrambler().Unscramble(Contents(File()).substr(256, 3839), SettingsKey, 1);
    }
    UserSettings LoadedFresh() const {
        ProgramState fresh;
        fresh.ProgramFolder = state.ProgramFolder;
        EXPECT_EQ(modUsrSettings::LoadSettings(fresh).source, modUsrSettings::SettingsSource::Stored);
        return fresh.settings;
    }

    TempFolder folder;
    ProgramState state;
};

} // namespace

TEST(SettingsScramblerTest, ReversibleForEveryByteAndKeyed) {
    std::string data = RandomBytes(3839, 7);
    for (int b = 0; b < 256; ++b)
        data[static_cast<std::size_t>(b)] = static_cast<char>(b);
    const SettingsScrambler scrambler;
    const std::string scrambled = scrambler.Scramble(data, SettingsKey, -2);
    EXPECT_EQ(scrambled.size(), data.size());
    EXPECT_NE(scrambled, data);
    EXPECT_EQ(scrambler.Unscramble(scrambled, SettingsKey, 1), data);
    EXPECT_NE(scrambler.Scramble(data, "Rv7mQx2Lk8", -2), scrambled);
    EXPECT_NE(scrambler.Unscramble(scrambled, "Rv7mQx2Lk8", 1), data);

    EXPECT_EQ(std::string(SettingsKey).size(), 10u);
    for (char c : std::string(SettingsKey))
        EXPECT_TRUE(c > ' ' && c < 127);
}

TEST(SettingsScramblerTest, BlanksDoNotScrambleToARepeatingPattern) {
    const std::string scrambled = SettingsScrambler().Scramble(std::string(3839, ' '), SettingsKey, -2);
    for (std::size_t period = 1; period <= 1024; ++period) {
        std::size_t same = 0;
        for (std::size_t i = 0; i + period < scrambled.size(); ++i)
            same += scrambled[i] == scrambled[i + period];
        EXPECT_LT(same, scrambled.size() / 20) << "period " << period;
    }
}

TEST(SettingsRecordTest, FieldsOverFillerAndBack) {
    UserSettings s = DefaultSettings("/opt/k/");
    s.SettingsPassword = std::string(65, 'p');
    s.ShowSplash = "";    // leaves the filler
    s.ReadOnlyMode = " "; // a blank option stays a blank
    s.DataRoot = std::string(300, 'd');
    const std::string record = ComposeSettingsRecord(s, std::string(3839, '#'));
    ASSERT_EQ(record.size(), 3839u);
    EXPECT_EQ(record.substr(99, 64), std::string(64, 'p'));
    EXPECT_EQ(record[164], '0');
    EXPECT_EQ(record[260], '#');
    EXPECT_EQ(record[483], 'Y');
    EXPECT_EQ(record.substr(924, 255), "/opt/k/" + std::string(248, ' '));
    EXPECT_EQ(record.substr(0, 99), std::string(99, '#'));
    EXPECT_EQ(record.substr(1179), std::string(3839 - 1179, '#'));

    const UserSettings back = ParseSettingsRecord(record);
    EXPECT_EQ(back.SettingsPassword, std::string(64, 'p'));
    EXPECT_EQ(back.ShowSplash, "#");
    EXPECT_EQ(back.ReadOnlyMode, " ");
    EXPECT_EQ(back.DataRoot, std::string(255, 'd'));
    EXPECT_EQ(back.SystemPathSetting, "/opt/k/");
}

TEST(SettingsRecordTest, OnlyRecordsWithoutControlBytesAreSound) {
    const auto withField = [](std::size_t position, const std::string& bytes) {
        std::string record = ComposeSettingsRecord(DefaultSettings("/opt/k/"), std::string(3839, '\0'));
        record.replace(position - 1, bytes.size(), bytes);
        return record;
    };
    EXPECT_TRUE(IsSoundSettingsRecord(withField(100, "p\xe9\xff ~"))) << "bytes from 0x80 up in a password";
    EXPECT_TRUE(IsSoundSettingsRecord(withField(625, "/home/caf\xc3\xa9/data")));
    EXPECT_TRUE(IsSoundSettingsRecord(withField(405, " ")));
    EXPECT_TRUE(IsSoundSettingsRecord(withField(405, "~")));
    EXPECT_FALSE(IsSoundSettingsRecord(withField(100, "p\x1f")));
    EXPECT_FALSE(IsSoundSettingsRecord(withField(1179, "\x7f")));
    EXPECT_FALSE(IsSoundSettingsRecord(withField(925, "\t")));
    EXPECT_FALSE(IsSoundSettingsRecord(withField(405, "\x7f")));
    EXPECT_FALSE(IsSoundSettingsRecord(withField(600, "\x80")));
    EXPECT_FALSE(IsSoundSettingsRecord(withField(165, "\xe9")));
    EXPECT_FALSE(IsSoundSettingsRecord(withField(625, "x").substr(1)));
}

TEST(SettingsViewTest, EachOptionHasItsOneReading) {
    using Getter = bool (SettingsView::*)() const;
    struct Option {
        Getter getter;
        std::string UserSettings::*member;
        bool onUnlessZero; // otherwise on only for "1"
    };
    const Option options[] = {
        {&SettingsView::readOnly, &UserSettings::ReadOnlyMode, true},
        {&SettingsView::preservePassword, &UserSettings::PreservePassword, true},
        {&SettingsView::startFullScreen, &UserSettings::StartFullScreen, false},
        {&SettingsView::showStatusListAtStart, &UserSettings::ShowStatusListAtStart, false},
        {&SettingsView::calendarOpensAtToday, &UserSettings::CalendarOpensAtToday, false},
        {&SettingsView::clockInTimesList, &UserSettings::ClockInTimesList, false},
        {&SettingsView::disableSingleDelete, &UserSettings::DisableSingleDelete, false},
        {&SettingsView::disableMultiDelete, &UserSettings::DisableMultiDelete, false},
        {&SettingsView::enableVideoConfig, &UserSettings::EnableVideoConfig, false},
        {&SettingsView::disablePassPrinting, &UserSettings::DisablePassPrinting, false},
        {&SettingsView::showPassBarcode, &UserSettings::ShowPassBarcode, false},
        {&SettingsView::showPassLogo, &UserSettings::ShowPassLogo, false},
        {&SettingsView::allowExtPasswordChars, &UserSettings::AllowExtPasswordChars, false},
    };
    ProgramState state;
    for (const Option& option : options)
        state.settings.*option.member = "0";
    for (const Option& option : options) {
        for (const char* value : {"1", "0", " ", "", "Y"}) {
            state.settings.*option.member = value;
            const bool expected = option.onUnlessZero ? std::string(value) != "0" : std::string(value) == "1";
            for (const Option& other : options) {
                const bool got = (state.options().*other.getter)();
                EXPECT_EQ(got, &other == &option && expected) << "\"" << value << "\"";
            }
        }
        state.settings.*option.member = "0";
    }
}

TEST_F(Settings, ResetWritesAFileThatLoadsAsTheDefaults) {
    state.settings.SettingsPassword = "other";
    ASSERT_FALSE(modUsrSettings::ResetSettings(state));
    EXPECT_EQ(state.settings, DefaultSettings(state.ProgramFolder));
    EXPECT_EQ(state.settings.DataRoot, state.ProgramFolder + "Kestranedata");
    EXPECT_EQ(state.ScramblerKey, SettingsKey);
    EXPECT_EQ(LoadedFresh(), DefaultSettings(state.ProgramFolder));

    const std::string bytes = Contents(File());
    ASSERT_EQ(bytes.size(), 4095u);
    EXPECT_EQ(bytes.substr(0, 256), std::string(256, '\0'));
}

TEST_F(Settings, TextsAreCutToWidthAndTrimmedOnLoad) {
    state.settings = DefaultSettings(state.ProgramFolder);
    state.settings.SettingsPassword = std::string(64, 'x');
    ASSERT_FALSE(modUsrSettings::SaveSettings(state));
    EXPECT_EQ(LoadedFresh().SettingsPassword, std::string(64, 'x'));

    state.settings.SettingsPassword = std::string(64, 'x') + "y";
    ASSERT_FALSE(modUsrSettings::SaveSettings(state));
    EXPECT_EQ(LoadedFresh().SettingsPassword, std::string(64, 'x'));

    state.settings.SettingsPassword = "  pass word ";
    state.settings.DataRoot = "     ";
    ASSERT_FALSE(modUsrSettings::SaveSettings(state));
    EXPECT_EQ(StoredRecord().substr(99, 14), "  pass word   ");
    const UserSettings loaded = LoadedFresh();
    EXPECT_EQ(loaded.SettingsPassword, "pass word");
    EXPECT_EQ(loaded.DataRoot, "");
}

TEST_F(Settings, FileShowsNothingInClearAndDiffersFromSaveToSave) {
    WriteBytes(modUsrSettings::FillerFilePath(state), RandomBytes(614400, 3));
    state.settings = DefaultSettings(state.ProgramFolder + "caf\xc3\xa9/");
    state.settings.SettingsPassword = "SecretWord\xe9";
    state.settings.ReadOnlyMode = "1";
    state.settings.PreservePassword = "0";
    ASSERT_FALSE(modUsrSettings::SaveSettings(state));
    const std::string first = Contents(File());
    ASSERT_FALSE(modUsrSettings::SaveSettings(state));
    const std::string second = Contents(File());

    EXPECT_NE(first, second);
    EXPECT_EQ(LoadedFresh(), state.settings);
    for (const std::string& bytes : {first, second}) {
        EXPECT_EQ(bytes.size(), 4095u);
        EXPECT_EQ(bytes.find("SecretWord"), std::string::npos);
        EXPECT_EQ(bytes.find("Kestranedata"), std::string::npos);
        EXPECT_EQ(bytes.find(state.ProgramFolder), std::string::npos);
    }
}

TEST_F(Settings, UnusedPositionsHoldBytesOfTheFillerLibrary) {
    const std::string filler = RandomBytes(614400, 5);
    WriteBytes(modUsrSettings::FillerFilePath(state), filler);
    state.settings = DefaultSettings(state.ProgramFolder);
    ASSERT_FALSE(modUsrSettings::SaveSettings(state));
    const std::string record = StoredRecord();
    const std::size_t at = filler.find(record.substr(0, 99));
    ASSERT_NE(at, std::string::npos);
    EXPECT_GE(at, 1551u);
    EXPECT_LE(at, 599999u);
    EXPECT_EQ(record.substr(1179), filler.substr(at + 1179, 3839 - 1179));
}

// Saved through a link to a settings file kept in another folder, whose
// leftovers lie beside it there.
TEST_F(Settings, SaveKeepsBytesAroundTheRecordAndClearsItsLeftovers) {
    const TempFolder elsewhere;
    const fs::path system = elsewhere.path();
    fs::create_symlink(system / "kept.dat", File());
    const std::string head = RandomBytes(256, 9);
    WriteBytes(File(), head + std::string(3839, 'r') + "tail");
    const std::string leftover = ".kept.dat.0123456789abcdef.tmp";
    const std::vector<std::string> others{".KACustom.ini.0123456789abcdef.tmp", ".kept.dat.0123456789ABCDEF.tmp",
                                          ".kept.dat.0123.tmp", "kept.dat.0123456789abcdef.tmp"};
    for (const std::string& name : others)
        WriteBytes((system / name).string(), "other");
    WriteBytes((system / leftover).string(), "half");

    state.settings = DefaultSettings(state.ProgramFolder);
    ASSERT_FALSE(modUsrSettings::SaveSettings(state));
    const std::string bytes = Contents(File());
    ASSERT_EQ(bytes.size(), 4099u);
    EXPECT_EQ(bytes.substr(0, 256), head);
    EXPECT_EQ(bytes.substr(4095), "tail");
    EXPECT_EQ(LoadedFresh(), state.settings);
    EXPECT_TRUE(fs::is_symlink(File()));

    EXPECT_FALSE(fs::exists(system / leftover));
    for (const std::string& name : others)
        EXPECT_TRUE(fs::exists(system / name)) << name;
}

TEST_F(Settings, FilesWithoutUsableSettingsLoadWithoutDataFolder) {
    using modUsrSettings::SettingsSource;
    state.settings = DefaultSettings(state.ProgramFolder);
    const auto loaded = modUsrSettings::LoadSettings(state);
    EXPECT_EQ(loaded.source, SettingsSource::Missing);
    EXPECT_EQ(loaded.error.number, 53);
    EXPECT_EQ(state.settings.DataRoot, "");
    EXPECT_FALSE(fs::exists(File()));

    WriteBytes(File(), "");
    EXPECT_EQ(modUsrSettings::LoadSettings(state).source, SettingsSource::Missing);

    for (const std::string& bytes : {std::string(4094, 'x'), RandomBytes(4095, 11)}) {
        state.settings = DefaultSettings(state.ProgramFolder);
        WriteBytes(File(), bytes);
        EXPECT_EQ(modUsrSettings::LoadSettings(state).source, SettingsSource::Unusable);
        EXPECT_EQ(state.settings.DataRoot, "");
        EXPECT_EQ(state.settings.SettingsPassword, "KJW");

        EXPECT_FALSE(modUsrSettings::KeepUnusableFileAside(state));
        EXPECT_FALSE(fs::exists(File()));
        EXPECT_EQ(Contents(modUsrSettings::SetAsideFilePath(state)), bytes);
    }
}

TEST_F(Settings, FailedSaveReportsAndKeepsTheOldFile) {
    state.settings = DefaultSettings(state.ProgramFolder);
    ASSERT_FALSE(modUsrSettings::SaveSettings(state));
    const std::string old = Contents(File());

    state.settings.SettingsPassword = "changed";
    {
        FileSizeLimit limit(1000);
        EXPECT_TRUE(modUsrSettings::SaveSettings(state));
    }
    EXPECT_EQ(Contents(File()), old);
    EXPECT_EQ(LoadedFresh().SettingsPassword, "KJW");
    // A settings file marked read-only stays as it was.
    fs::permissions(File(), fs::perms::owner_read);
    EXPECT_EQ(modUsrSettings::SaveSettings(state).number, 70);
    fs::permissions(File(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(Contents(File()), old);

    // A program folder whose _KSF is a plain file.
    TempFolder other;
    std::ofstream(other.path() / "_KSF") << "not a folder";
    ProgramState elsewhere;
    elsewhere.ProgramFolder = other.withSlash();
    EXPECT_EQ(modUsrSettings::ResetSettings(elsewhere).number, 76);
}
