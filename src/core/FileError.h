#pragma once

#include <string>

// The outcome of a file operation: 0 for success, otherwise the error number
// the windows react to (53 file not found, 76 path not found, 2000 nothing
// found, others as the system gives) and a short description.
struct FileError {
    int number = 0;
    std::string description;

    explicit operator bool() const { return number != 0; }
    static FileError None() { return {}; }
};

// The error for a failed system call's errno: 76 path not found, 70
// permission denied, 61 disk full, 75 with the system's text otherwise.
FileError FileErrorFromErrno(int err);

namespace ErrorNumber {
inline constexpr int FileNotFound = 53;
inline constexpr int BadFileMode = 54;
inline constexpr int FileAlreadyOpen = 55;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;
inline constexpr int PathNotFound = 76;
inline constexpr int NothingFound = 2000;
// Another program kept changing the file while it was being rewritten.
inline constexpr int FileBusy = 2004;
} // namespace ErrorNumber
