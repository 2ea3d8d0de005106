#include "core/AtomicFile.h"
#include "core/FileLock.h"

#include "FileSizeLimit.h"
#include "TempFolder.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::size_t EntriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

std::size_t TemporariesIn(const fs::path& folder) {
    std::size_t n = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder))
        n += entry.path().extension() == ".tmp";
    return n;
}

// A writer of path killed half way through its write, as by a power cut or
// kill -9: the file size limit stops it with SIGXFSZ.
void KillWriterOf(const std::string& path) {
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{100, 100};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        WriteFileAtomically(path, std::string(1000, 'n'));
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
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

TEST(AtomicFile, TheNextLockHolderRemovesOnlyItsOwnFilesLeftoverTemporaries) {
    TempFolder folder;
    auto path = [&](const std::string& name) { return (folder.path() / name).string(); };
    // Two long names alike in their first 40 characters, and a short one.
    const std::string first = path(std::string(40, 'm') + "-first.vrf");
    const std::string second = path(std::string(40, 'm') + "-second.vrf");
    const std::string month = path("1206.vrf");
    for (const std::string& file : {first, second, month})
        ASSERT_FALSE(WriteFileAtomically(file, "kept", false));
    KillWriterOf(first);
    for (int i = 0; i < 2; ++i)
        KillWriterOf(second);
    for (int i = 0; i < 3; ++i)
        KillWriterOf(month);
    ASSERT_EQ(TemporariesIn(folder.path()), 6u);

    const std::pair<std::string, std::size_t> steps[] = {{path("1207.vrf"), 6}, {first, 5}, {second, 3}, {month, 0}};
    for (const auto& [file, left] : steps) {
        FileLock lock(file);
        ASSERT_FALSE(lock.error());
        EXPECT_EQ(TemporariesIn(folder.path()), left) << file;
    }
    for (const std::string& file : {first, second, month})
        EXPECT_EQ(Contents(file), "kept");
}
