#include "core/startup/UsrSettings.h"

#include "core/AtomicFile.h"
#include "core/startup/SettingsRecord.h"
#include "core/startup/SettingsScrambler.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <unistd.h>

namespace modUsrSettings {

namespace {

constexpr std::size_t HeaderLength = 256; // bytes before the record, kept as they are
constexpr std::size_t FileLength = HeaderLength + SettingsRecordLength;
constexpr int UnscrambleMode = 1;
constexpr int ScrambleMode = -2;

std::mt19937& RandomSequence() {
    static std::mt19937 generator{std::random_device{}()};
    return generator;
}

// The next number of the program's sequence, in [0, 1).
double NextRandom() {
    return RandomSequence()() / 4294967296.0;
}

// 3839 bytes of the filler library from a random place, so that the unused
// positions of the record differ from save to save. Without the library the
// bytes come from the random sequence itself: a save must not fail for that.
std::string ReadFiller(const std::string& fillerPath) {
    const auto position = static_cast<off_t>(NextRandom() * 598449 + 1552); // 1-based
    std::string filler(SettingsRecordLength, '\0');
    FileError error;
    if (const int fd = OpenForReading(fillerPath, error); fd >= 0) {
        const ssize_t n = ::pread(fd, filler.data(), filler.size(), position - 1);
        ::close(fd);
        if (n == static_cast<ssize_t>(filler.size()))
            return filler;
    }
    for (char& c : filler)
        c = static_cast<char>(RandomSequence()() >> 24);
    return filler;
}

// Keeps two saves at once from interleaving their read of the old file with
// their write of the new one. Without a lock file (say, the folder is missing
// or cannot be written) the save goes ahead and reports its own error.
class SaveLock {
  public:
    explicit SaveLock(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666)) {
        if (fd_ < 0) // a lock file made by another user may still be opened for reading
            fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~SaveLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;

    bool held() const { return fd_ >= 0; }

  private:
    int fd_;
};

// Beside the settings file, or beside the file it links to: two program
// folders that share one settings file share its lock.
std::string LockFilePath(const ProgramState& state) {
    return FolderOf(FileBehindLinks(SettingsFilePath(state))) + "/qxsabusr.lck";
}

} // namespace

std::string SettingsFilePath(const ProgramState& state) {
    return state.ProgramFolder + "_KSF/KSystem/qxsabusr.dat";
}

std::string FillerFilePath(const ProgramState& state) {
    return state.ProgramFolder + "_KSF/KSystem/mqxrvdrv.dll";
}

std::string SetAsideFilePath(const ProgramState& state) {
    return SettingsFilePath(state) + ".bad";
}

FileError ResetSettings(ProgramState& state) {
    const UserSettings defaults = DefaultSettings(state.ProgramFolder);
    state.settings = defaults;
    if (FileError error = SaveSettings(state))
        return error;
    const LoadResult loaded = LoadSettings(state);
    if (loaded.source == SettingsSource::Stored)
        return FileError::None();
    state.settings = defaults;
    return loaded.error;
}

LoadResult LoadSettings(ProgramState& state) {
    std::string bytes;
    const FileError readError = ReadWholeFile(SettingsFilePath(state), bytes);
    LoadResult result;
    if (readError.number == ErrorNumber::FileNotFound || readError.number == ErrorNumber::PathNotFound) {
        result = {SettingsSource::Missing, readError};
    } else if (readError) {
        result = {SettingsSource::Unusable, readError};
    } else if (bytes.empty()) {
        result = {SettingsSource::Missing, {ErrorNumber::FileNotFound, "File not found"}};
    } else if (bytes.size() < FileLength) {
        result = {SettingsSource::Unusable, {ErrorNumber::InputPastEnd, "the file is too short"}};
    } else {
        state.ScramblerKey = SettingsKey;
        const std::string record = SettingsScrambler().Unscramble(bytes.substr(HeaderLength, SettingsRecordLength),
                                                                  state.ScramblerKey, UnscrambleMode);
        if (IsSoundSettingsRecord(record)) {
            state.settings = ParseSettingsRecord(record);
            return result;
        }
        result = {SettingsSource::Unusable, {ErrorNumber::PathFileAccess, "the file holds no settings Kestrane wrote"}};
    }
    // No stored settings: an empty data folder makes start-up restore the defaults.
    state.settings.DataRoot.clear();
    return result;
}

FileError SaveSettings(ProgramState& state) {
    const std::string record = ComposeSettingsRecord(state.settings, ReadFiller(FillerFilePath(state)));
    state.ScramblerKey = SettingsKey;
    const std::string scrambled = SettingsScrambler().Scramble(record, state.ScramblerKey, ScrambleMode);

    const std::string path = SettingsFilePath(state);
    SaveLock lock(LockFilePath(state));
    if (lock.held()) // no save of the file is under way: its temporaries are a killed save's
        RemoveLeftoverTemporaries(path);
    std::string old;
    if (FileError error = ReadWholeFile(path, old); error && error.number != ErrorNumber::FileNotFound)
        return error;

    // Whatever the file holds before and after the record stays as it was.
    std::string bytes = old.substr(0, HeaderLength);
    bytes.resize(HeaderLength, '\0');
    bytes += scrambled;
    if (old.size() > FileLength)
        bytes.append(old, FileLength);
    return WriteFileAtomically(path, bytes);
}

FileError KeepUnusableFileAside(const ProgramState& state) {
    const std::string path = SettingsFilePath(state);
    SaveLock lock(LockFilePath(state));
    if (::rename(path.c_str(), SetAsideFilePath(state).c_str()) != 0)
        return FileErrorFromErrno(errno);
    SyncFolder(FolderOf(path));
    return FileError::None();
}

} // namespace modUsrSettings
