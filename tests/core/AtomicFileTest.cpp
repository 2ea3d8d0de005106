#include "core/AtomicFile.h"

#include "FileSizeLimit.h"
#include "TempFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

TEST(AtomicFile, WritesAndReplacesWholeFilesLeavingNoTemporaries) {
    TempFolder folder;
    const std::string path = (folder.path() / "data.bin").string();
    const std::string bytes("a\0b\xff\r\nz", 7);

    ASSERT_FALSE(WriteFileAtomically(path, bytes));
    EXPECT_EQ(Contents(path), bytes);
    ASSERT_FALSE(WriteFileAtomically(path, "shorter", false));
    EXPECT_EQ(Contents(path), "shorter");
    EXPECT_EQ(EntriesIn(folder.path()), 1u);

    std::string read;
    ASSERT_FALSE(ReadWholeFile(path, read));
    EXPECT_EQ(read, "shorter");
}

TEST(AtomicFile, ReportsMissingFilesAndFolders) {
    TempFolder folder;
    std::string read = "stale";
    EXPECT_EQ(ReadWholeFile((folder.path() / "none.dat").string(), read).number, 53);
    EXPECT_TRUE(read.empty());
    EXPECT_EQ(ReadWholeFile((folder.path() / "nofolder" / "none.dat").string(), read).number, 76);

    EXPECT_EQ(WriteFileAtomically((folder.path() / "nofolder" / "x.dat").string(), "x").number, 76);
    std::ofstream(folder.path() / "plain") << "a file, not a folder";
    EXPECT_EQ(WriteFileAtomically((folder.path() / "plain" / "x.dat").string(), "x").number, 76);
    EXPECT_EQ(ReadWholeFile((folder.path() / "plain" / "x.dat").string(), read).number, 76);
}

TEST(AtomicFile, FailedWriteLeavesOldFileAndNoTemporary) {
    TempFolder folder;
    const fs::path path = folder.path() / "data.bin";
    const std::string old(500, 'o');
    ASSERT_FALSE(WriteFileAtomically(path.string(), old));
    {
        FileSizeLimit limit(1000);
        EXPECT_TRUE(WriteFileAtomically(path.string(), std::string(5000, 'n')));
    }
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(EntriesIn(folder.path()), 1u);

    // The rename itself fails when a non-empty folder stands in the way.
    const fs::path blocked = folder.path() / "blocked";
    fs::create_directories(blocked / "inner");
    EXPECT_TRUE(WriteFileAtomically(blocked.string(), "x"));
    EXPECT_TRUE(fs::is_directory(blocked));
    EXPECT_EQ(EntriesIn(folder.path()), 2u);
}
