#include "core/FileLock.h"

#include "core/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <unordered_map>

namespace {

// fcntl locks belong to the process, so threads of one process are kept
// apart by a mutex per lock file. Holding it before the lock file is opened
// also keeps a second descriptor of the file from being closed, which would
// drop the process's lock.
std::mutex& ThreadMutexFor(const std::string& lockPath) {
    static std::mutex tableGuard;
    static std::unordered_map<std::string, std::mutex> table;
    std::lock_guard guard(tableGuard);
    return table[std::filesystem::path(lockPath).lexically_normal().string()];
}

// Taking the lock on a full disk has always been the general access error, not 61.
FileError LockError(int err) {
    if (err == ENOSPC || err == EDQUOT)
        return {ErrorNumber::PathFileAccess, std::string("Path/File access error (") + std::strerror(err) + ")"};
    return FileErrorFromErrno(err);
}

} // namespace

std::string FileLock::LockFilePath(const std::string& dataFilePath) {
    const auto slash = dataFilePath.find_last_of('/');
    if (slash == std::string::npos)
        return "." + dataFilePath + ".lock";
    return dataFilePath.substr(0, slash + 1) + "." + dataFilePath.substr(slash + 1) + ".lock";
}

FileLock::FileLock(const std::string& dataFilePath) {
    const std::string file = FileBehindLinks(dataFilePath);
    const std::string lockPath = LockFilePath(file);
    threadLock_ = std::unique_lock(ThreadMutexFor(lockPath));

    fd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666); // a pipe put there never waits
    if (fd_ < 0) {
        error_ = LockError(errno);
        threadLock_.unlock();
        return;
    }
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    int result;
    do
        result = ::fcntl(fd_, F_SETLKW, &lock);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        error_ = LockError(errno);
        ::close(fd_);
        fd_ = -1;
        threadLock_.unlock();
        return;
    }
    // Every writer of the file holds this lock while its temporary exists, so
    // any temporary of the file found now belongs to a writer that died.
    RemoveLeftoverTemporaries(file);
}

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_); // closing releases the record lock
}
