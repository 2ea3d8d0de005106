#pragma once

#include "core/FileError.h"

#include <mutex>
#include <string>

// An exclusive lock on a shared data file, held from construction to
// destruction against other processes (fcntl record lock, which network file
// systems pass on to the server) and against other threads of this process.
// The lock is taken on a separate lock file beside the data file (beside the
// file a link stands for), so atomic rewrites that replace the data file do
// not lose it. Lock files are left in
// place: removing one while another desk holds it would split the lock. Once
// the lock is held, the temporaries of the data file that killed writers left
// behind are removed.
class FileLock {
  public:
    // Waits until the lock on dataFilePath is held; error() tells when it
    // could not be taken (76 folder missing, 70 permission denied, ...).
    explicit FileLock(const std::string& dataFilePath);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    const FileError& error() const { return error_; }

    // folder/.name.lock for folder/name.
    static std::string LockFilePath(const std::string& dataFilePath);

  private:
    std::unique_lock<std::mutex> threadLock_;
    int fd_ = -1;
    FileError error_;
};
