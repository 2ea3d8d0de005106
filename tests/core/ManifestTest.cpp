#include "core/startup/Manifest.h"
#include "core/startup/FileAttributes.h"

#include "FileSizeLimit.h"
#include "TempFolder.h"
#include "Version.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

using namespace modXMLTheme;

namespace {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last CR LF";
    return lines;
}

SystemInfo ThemedWindows(int major = 6, int minor = 1) {
    SystemInfo info;
    info.IsWindows = true;
    info.MajorVersion = major;
    info.MinorVersion = minor;
    info.UxThemeAvailable = true;
    info.ThemeActive = true;
    return info;
}

bool HasAttributes(const std::string& path, unsigned wanted) {
    unsigned flags = 0;
    return FileAttributes::Get(path, flags) && (flags & wanted) == wanted;
}

} // namespace

TEST(ManifestTest, FilledTemplateLines) {
    const std::string text = FillManifestTemplate("Kestrane", 2, 5, 544, "Visitor desk", "Brantholm Solutions");
    for (const char* placeholder : {"EXENAME", "EXEVERSION", "EXEDESCRIPTION", "COMPANYNAME"})
        EXPECT_EQ(text.find(placeholder), std::string::npos) << placeholder;
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);

    const auto lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), 22u);
    for (const auto& line : lines)
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(lines[0], "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?> ");
    EXPECT_EQ(lines[2], "   xmlns=\"urn:schemas-microsoft-com:asm.v1\" ");
    EXPECT_EQ(lines[6], "    version=\"2.5.544.0\"");
    EXPECT_EQ(lines[8], "    name=\"Brantholm Solutions.Kestrane.exe\"/>");
    EXPECT_EQ(lines[9], "    <description>Visitor desk</description>");
    EXPECT_EQ(lines[16], "         publicKeyToken=\"6595b64144ccf1df\"");
    EXPECT_EQ(lines[21], "</assembly>");
}

TEST(ManifestTest, PathSeparator) {
    EXPECT_EQ(AddPathSeparator("/"), "/");
    EXPECT_EQ(AddPathSeparator("/opt/kestrane"), "/opt/kestrane/");
    EXPECT_EQ(AddPathSeparator(" /opt/kestrane "), "/opt/kestrane/");
    EXPECT_EQ(AddPathSeparator("/opt/kestrane/ "), "/opt/kestrane/ ");
    EXPECT_EQ(AddPathSeparator("//server/share"), "//server/share/");
    EXPECT_TRUE(IsNetworkPath("//server/share"));
    EXPECT_TRUE(IsNetworkPath("\\\\server\\share"));
    EXPECT_FALSE(IsNetworkPath("/opt/kestrane"));
}

TEST(ManifestTest, WritesFilledManifestBesideProgram) {
    TempFolder folder;
    ProgramState state;
    EXPECT_FALSE(EnsureThemeManifest(state, ThemedWindows(), folder.path().string(), "Kestrane"));
    EXPECT_TRUE(state.IsXPOrLater);
    EXPECT_EQ(state.WindowsVersion, 0);
    const std::string manifest = folder.withSlash() + "Kestrane.exe.manifest";
    EXPECT_EQ(ReadBytes(manifest), FillManifestTemplate("Kestrane", Version::Major, Version::Minor, Version::Revision,
                                                        Version::FileDescription, Version::CompanyName));
}

TEST(ManifestTest, ReplacesHiddenSystemManifest) {
    TempFolder folder;
    const std::string manifest = folder.withSlash() + "Kestrane.exe.manifest";
    std::ofstream(manifest) << "old";
    if (!FileAttributes::Set(manifest, FileAttributes::Hidden | FileAttributes::System | FileAttributes::ReadOnly))
        GTEST_SKIP() << "the temporary folder's file system refuses extended attributes";

    ProgramState state;
    EXPECT_FALSE(EnsureThemeManifest(state, ThemedWindows(5, 1), folder.withSlash(), "Kestrane"));
    const std::string text = ReadBytes(manifest);
    EXPECT_EQ(text.rfind("<?xml", 0), 0u);
    EXPECT_EQ(text.find("old"), std::string::npos);
    unsigned flags = 0;
    ASSERT_TRUE(FileAttributes::Get(manifest, flags));
    EXPECT_EQ(flags, unsigned(FileAttributes::Hidden | FileAttributes::System));
}

TEST(ManifestTest, NothingWrittenWithoutVisualStyles) {
    SystemInfo themeOff = ThemedWindows();
    themeOff.ThemeActive = false;
    SystemInfo noUxTheme = ThemedWindows();
    noUxTheme.UxThemeAvailable = false;
    SystemInfo linux;
    linux.UxThemeAvailable = linux.ThemeActive = true;
    for (const SystemInfo& info : {themeOff, noUxTheme, ThemedWindows(5, 0), ThemedWindows(4, 90), linux}) {
        TempFolder folder;
        ProgramState state;
        EXPECT_FALSE(EnsureThemeManifest(state, info, folder.path().string(), "Kestrane"));
        EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    }
}

TEST(ManifestTest, AFailedWriteIsReportedAndLeavesTheOldManifestWhole) {
    ProgramState state;
    EXPECT_EQ(EnsureThemeManifest(state, ThemedWindows(), "/nonexistent-kestrane-folder", "Kestrane").number, 76);
    EXPECT_FALSE(std::filesystem::exists("/nonexistent-kestrane-folder"));

    TempFolder folder;
    const std::string manifest = folder.withSlash() + "Kestrane.exe.manifest";
    const std::string old = FillManifestTemplate("Kestrane", 1, 0, 1, "Old", "Old");
    std::ofstream(manifest, std::ios::binary) << old;
    {
        FileSizeLimit limit(100);
        EXPECT_EQ(EnsureThemeManifest(state, ThemedWindows(), folder.withSlash(), "Kestrane").number, 75);
    }
    EXPECT_EQ(ReadBytes(manifest), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(ManifestTest, RemovesStaleManifest) {
    TempFolder folder;
    const std::string manifest = folder.withSlash() + "Kestrane.exe.manifest";
    std::ofstream(manifest) << "old";
    FileAttributes::Set(manifest, FileAttributes::ReadOnly | FileAttributes::Hidden);
    RemoveStaleManifest(manifest);
    EXPECT_FALSE(std::filesystem::exists(manifest));
    RemoveStaleManifest(manifest);
}

TEST(FileAttributesTest, ReadOnlyIsTheWritePermission) {
    TempFolder folder;
    const std::string file = folder.withSlash() + "a.txt";
    unsigned flags = 0;
    EXPECT_FALSE(FileAttributes::Get(file, flags));
    EXPECT_FALSE(FileAttributes::Set(file, FileAttributes::Normal));

    std::ofstream(file) << "x";
    ASSERT_TRUE(FileAttributes::Get(file, flags));
    EXPECT_EQ(flags, unsigned(FileAttributes::Normal));

    ASSERT_TRUE(FileAttributes::Set(file, FileAttributes::ReadOnly));
    using std::filesystem::perms;
    EXPECT_EQ(std::filesystem::status(file).permissions() &
                  (perms::owner_write | perms::group_write | perms::others_write),
              perms::none);
    EXPECT_TRUE(HasAttributes(file, FileAttributes::ReadOnly));

    ASSERT_TRUE(FileAttributes::Set(file, FileAttributes::Normal));
    EXPECT_NE(std::filesystem::status(file).permissions() & perms::owner_write, perms::none);
    ASSERT_TRUE(FileAttributes::Get(file, flags));
    EXPECT_EQ(flags, unsigned(FileAttributes::Normal));
}

TEST(FileAttributesTest, HiddenSystemArchiveRoundTrip) {
    TempFolder folder;
    const std::string file = folder.withSlash() + "a.txt";
    std::ofstream(file) << "x";
    if (!FileAttributes::Set(file, FileAttributes::Hidden | FileAttributes::Archive))
        GTEST_SKIP() << "the temporary folder's file system refuses extended attributes";
    unsigned flags = 0;
    ASSERT_TRUE(FileAttributes::Get(file, flags));
    EXPECT_EQ(flags, unsigned(FileAttributes::Hidden | FileAttributes::Archive));

    ASSERT_TRUE(FileAttributes::Set(file, FileAttributes::System | FileAttributes::ReadOnly));
    ASSERT_TRUE(FileAttributes::Get(file, flags));
    EXPECT_EQ(flags, unsigned(FileAttributes::System | FileAttributes::ReadOnly));

    // Changing the attributes of a read-only file works as it does for a writable one.
    ASSERT_TRUE(FileAttributes::Set(file, FileAttributes::Hidden | FileAttributes::ReadOnly));
    ASSERT_TRUE(FileAttributes::Get(file, flags));
    EXPECT_EQ(flags, unsigned(FileAttributes::Hidden | FileAttributes::ReadOnly));

    ASSERT_TRUE(FileAttributes::Set(file, FileAttributes::Normal));
    ASSERT_TRUE(FileAttributes::Get(file, flags));
    EXPECT_EQ(flags, unsigned(FileAttributes::Normal));
}
