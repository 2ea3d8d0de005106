#include "core/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

constexpr std::size_t HexDigits = 16;
constexpr std::string_view TemporaryEnd = ".tmp";

std::string Hex(std::uint64_t value) {
    static const char* digits = "0123456789abcdef";
    std::string text;
    for (std::size_t i = 0; i < HexDigits; ++i, value >>= 4)
        text += digits[value & 15];
    return text;
}

constexpr std::size_t KeptNameLength = 40;

// The part of a temporary's name that tells whose it is: the file's own name,
// or for a long name its first 40 characters and a hash of all of it, so two
// long names alike in their first 40 characters never share temporaries (and
// the hash is the same in every build of the program).
std::string TemporaryStem(const std::string& name) {
    if (name.size() <= KeptNameLength)
        return name;
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (unsigned char ch : name)
        hash = (hash ^ ch) * 1099511628211ull;
    return name.substr(0, KeptNameLength) + "~" + Hex(hash);
}

bool IsHex(std::string_view text) {
    return text.size() == HexDigits && text.find_first_not_of("0123456789abcdef") == std::string_view::npos;
}

// What TemporaryStem makes of a name too long to keep whole.
bool IsLongNameStem(std::string_view stem) {
    return stem.size() == KeptNameLength + 1 + HexDigits && stem[KeptNameLength] == '~' &&
           IsHex(stem.substr(KeptNameLength + 1));
}

// ".stem." in front of the random part of every temporary of path.
std::string TemporaryPrefix(const std::string& path) {
    std::string prefix(1, '.');
    prefix += TemporaryStem(NameOf(path));
    prefix += '.';
    return prefix;
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return (folder == "/" ? "" : folder) + "/" + name;
}

// A name of bounded length (even for a long target name) that no other
// writer, in this process or another, picks at the same time.
std::string TemporaryName(const std::string& path) {
    thread_local std::mt19937_64 generator{std::random_device{}()};
    const std::uint64_t r = generator() ^ static_cast<std::uint64_t>(::getpid());
    return InFolder(FolderOf(path), TemporaryPrefix(path) + Hex(r) + std::string(TemporaryEnd));
}

bool IsTemporaryOf(std::string_view entry, const std::string& prefix) {
    if (entry.size() != prefix.size() + HexDigits + TemporaryEnd.size() || !entry.starts_with(prefix) ||
        !entry.ends_with(TemporaryEnd))
        return false;
    return IsHex(entry.substr(prefix.size(), HexDigits));
}

// Removes the entries of folder that leftover picks; gives how many went.
int RemoveFromFolder(const std::string& folder, const std::function<bool(std::string_view)>& leftover) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return 0;
    std::vector<std::string> leftovers;
    while (const dirent* entry = ::readdir(dir)) {
        if (leftover(entry->d_name))
            leftovers.emplace_back(entry->d_name);
    }
    ::closedir(dir);
    int removed = 0;
    for (const std::string& name : leftovers)
        removed += ::unlink(InFolder(folder, name).c_str()) == 0;
    return removed;
}

// How a file stood when it was read; a file that was not there has size -1.
struct FileVersion {
    off_t size = -1;
    timespec modified{};
    mode_t mode = 0;
};

FileVersion VersionOf(const struct stat& st) {
    return {st.st_size, st.st_mtim, st.st_mode};
}

// A file marked read-only meanwhile has moved too: the next pass refuses it.
bool Same(const FileVersion& a, const FileVersion& b) {
    return a.size == b.size && a.modified.tv_sec == b.modified.tv_sec && a.modified.tv_nsec == b.modified.tv_nsec &&
           a.mode == b.mode;
}

// A folder keeps the system's words for it; a pipe, socket or device has none.
FileError NotARegularFile(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return FileErrorFromErrno(EISDIR);
    return {ErrorNumber::PathFileAccess, "Path/File access error (not a regular file)"};
}

// As the system words a refused write, whoever runs the desk.
FileError ReadOnlyFile() {
    return FileErrorFromErrno(EACCES);
}

FileError FileBusy() {
    return {ErrorNumber::FileBusy, "File busy: another program kept changing it"};
}

std::function<void(const std::string&)>& BeforeChangeWritten() {
    static std::function<void(const std::string&)> hook;
    return hook;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string FileBehindLinks(const std::string& path) {
    std::string file = path;
    for (int hop = 0; hop < 40; ++hop) { // the system's own limit on links in a row
        struct stat st {};
        if (::lstat(file.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        std::string target(PATH_MAX, '\0');
        const ssize_t n = ::readlink(file.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            break;
        target.resize(static_cast<std::size_t>(n));
        file = target.front() == '/' ? target : InFolder(FolderOf(file), target);
    }
    char* folder = ::realpath(FolderOf(file).c_str(), nullptr);
    if (!folder)
        return file; // a missing folder: the caller's open or rename says so
    std::string named = InFolder(folder, NameOf(file));
    std::free(folder);
    return named;
}

bool IsMarkedReadOnly(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

int OpenForReading(const std::string& path, FileError& error, struct stat* opened) {
    // Only a regular file is opened at all: opening a pipe waits for a writer
    // and opening a device may act on it. A pipe put in place between the two
    // looks is opened without waiting and refused all the same.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error = NotARegularFile(st);
        return -1;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        const int err = errno;
        if (err == ENOENT && IsFolder(FolderOf(path)))
            error = {ErrorNumber::FileNotFound, "File not found"};
        else
            error = FileErrorFromErrno(err);
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = NotARegularFile(st);
        ::close(fd);
        return -1;
    }
    if (opened)
        *opened = st;
    error = FileError::None();
    return fd;
}

namespace {

// WriteFileAtomically that renames only while the file is still as expected
// (when given) and otherwise gives FileBusy, having written nothing.
FileError Replace(const std::string& path, std::string_view bytes, bool sync, const FileVersion* expected) {
    struct stat old {};
    const bool exists = ::stat(path.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return NotARegularFile(old);
    if (exists && IsMarkedReadOnly(path))
        return ReadOnlyFile();
    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 20 && fd < 0; ++attempt) {
        temporary = TemporaryName(path);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return FileErrorFromErrno(errno);
    }
    if (fd < 0)
        return FileErrorFromErrno(EEXIST);

    if (exists) // the new file keeps the permissions of the one it replaces
        ::fchmod(fd, old.st_mode & 07777);

    auto fail = [&](int err) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(temporary.c_str());
        return FileErrorFromErrno(err);
    };
    if (!WriteAll(fd, bytes))
        return fail(errno);
    if (sync && ::fsync(fd) != 0)
        return fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (expected) {
        struct stat now {};
        const FileVersion current = ::stat(path.c_str(), &now) == 0 ? VersionOf(now) : FileVersion{};
        if (!Same(current, *expected)) {
            ::unlink(temporary.c_str());
            return FileBusy();
        }
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0)
        return fail(errno);
    if (sync)
        SyncFolder(FolderOf(path));
    return FileError::None();
}

FileError ReadFile(const std::string& path, std::string& out, FileVersion* version) {
    out.clear();
    struct stat st {};
    FileError error;
    const int fd = OpenForReading(path, error, &st);
    if (fd < 0)
        return error;
    if (version)
        *version = VersionOf(st);
    if (st.st_size > 0)
        out.reserve(static_cast<std::size_t>(st.st_size) + 4096); // a line added needs no second copy
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            out.clear();
            return FileErrorFromErrno(err);
        }
        out.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return FileError::None();
}

} // namespace

FileError WriteFileAtomically(const std::string& path, std::string_view bytes, bool sync) {
    return Replace(FileBehindLinks(path), bytes, sync, nullptr);
}

FileError ReadWholeFile(const std::string& path, std::string& out) {
    return ReadFile(path, out, nullptr);
}

FileError ChangeLockedFile(const std::string& path, const ChangeOfFile& change, bool sync) {
    constexpr int passes = 4;
    const std::string file = FileBehindLinks(path);
    std::string bytes;
    for (int pass = 0; pass < passes; ++pass) {
        FileVersion read;
        const FileError readError = ReadFile(file, bytes, &read);
        const FileChange wanted = change(readError, bytes);
        if (wanted.kind == FileChange::Kind::Nothing)
            return FileError::None();
        if (BeforeChangeWritten())
            BeforeChangeWritten()(file);
        const FileError written = Replace(file, wanted.bytes, sync, &read);
        if (written.number != ErrorNumber::FileBusy)
            return written;
    }
    return FileBusy();
}

void SetBeforeChangeWritten(std::function<void(const std::string& path)> hook) {
    BeforeChangeWritten() = std::move(hook);
}

int RemoveLeftoverTemporaries(const std::string& path) {
    const std::string file = FileBehindLinks(path);
    const std::string prefix = TemporaryPrefix(file);
    return RemoveFromFolder(FolderOf(file), [&](std::string_view entry) { return IsTemporaryOf(entry, prefix); });
}

int RemoveLeftoverTemporariesIn(const std::string& folder, std::string_view nameEnd) {
    return RemoveFromFolder(folder, [&](std::string_view entry) {
        // "." stem "." random ".tmp"
        if (entry.size() < 1 + 1 + HexDigits + TemporaryEnd.size() || !entry.starts_with('.') ||
            !entry.ends_with(TemporaryEnd))
            return false;
        const std::string_view named = entry.substr(1, entry.size() - 1 - TemporaryEnd.size());
        const std::string_view stem = named.substr(0, named.size() - HexDigits - 1);
        if (named[stem.size()] != '.' || !IsHex(named.substr(stem.size() + 1)))
            return false;
        return IsLongNameStem(stem) ||
               (stem.size() <= KeptNameLength && stem.size() > nameEnd.size() && stem.ends_with(nameEnd));
    });
}
