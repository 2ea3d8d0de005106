#pragma once

#include "core/FileError.h"

#include <functional>
#include <string>
#include <string_view>

struct stat;

// Replaces the file at path (the file behind it when it is a link) with
// bytes so that a crash at any moment leaves either the old file or the new
// one: the bytes go to a temporary file in the same folder, which is flushed
// (and synced when sync is set) and renamed over the old file. On failure the
// temporary file is removed and the old file is untouched. A file marked
// read-only is never replaced (70), nor is anything but a regular file (75).
// Errors: 76 folder missing, 70 permission denied, 61 disk full, 75 any other
// failure.
FileError WriteFileAtomically(const std::string& path, std::string_view bytes, bool sync = true);

// What a change of a shared file makes of the bytes it was given: the whole
// new file, or nothing to write. The bytes are the change's own and must stay
// valid until it is called again.
struct FileChange {
    enum class Kind { Nothing, Replace };
    Kind kind = Kind::Nothing;
    std::string_view bytes;
};

// Called with the read's error (53 for a missing file) and the bytes read,
// which it may edit in place.
using ChangeOfFile = std::function<FileChange(const FileError& readError, std::string& bytes)>;

// Makes a change of the shared file at path for a caller that holds its
// FileLock: reads the file, asks change what to write, and replaces the file
// atomically. A writer that takes no lock (an older desk, a script) may write
// to the file meanwhile, so just before the rename the file's size,
// modification time and permissions are compared with what was read; when
// they moved, nothing is written and the change is made again on what the
// file now holds. When the file keeps moving the change gives up with
// FileBusy, having written nothing. A change that answers nothing ends
// it with no error (the change keeps why); otherwise the write's error (70
// for a file marked read-only, which is never written).
FileError ChangeLockedFile(const std::string& path, const ChangeOfFile& change, bool sync = true);

// For tests: called with the file's path on every pass of ChangeLockedFile
// that is about to write, after the read; empty for none.
void SetBeforeChangeWritten(std::function<void(const std::string& path)> hook);

// Removes the temporary files that writers of path killed before their rename
// left in its folder, and no other file's; gives how many went. Only for a
// caller that holds the lock every writer of path holds (FileLock), so no
// temporary still being written is taken for a leftover.
int RemoveLeftoverTemporaries(const std::string& path);

// The same for every file in folder whose name ends in nameEnd (".bmp"):
// also removes the temporaries of every name too long to stand whole in its
// temporaries' names, which keep only its start. Only for a caller that holds
// a lock every writer of such files in folder holds.
int RemoveLeftoverTemporariesIn(const std::string& folder, std::string_view nameEnd);

// Reads the whole file at path into out. Errors: 53 file missing, 76 folder
// missing, 70 permission denied, 75 any other failure (a folder, pipe or
// device in the file's place among them); out is then empty.
FileError ReadWholeFile(const std::string& path, std::string& out);

// Opens the regular file at path for reading, never waiting on what stands
// in its place; gives the descriptor and, when asked, its status. With
// anything but a regular file there, or on failure: -1, and error says why
// as ReadWholeFile does.
int OpenForReading(const std::string& path, FileError& error, struct stat* opened = nullptr);

// The file path names once the symbolic links standing for it are followed,
// named through the real path of its folder, so that every path of one file
// gives the same name; for a dangling link, the file it would make. Every
// rewrite and every lock goes to this file: a link stays a link, and desks
// that reach one file by different paths still share its lock.
std::string FileBehindLinks(const std::string& path);

// The folder part of path: "." when it has none, "/" for a file in the root.
std::string FolderOf(const std::string& path);

// Whether the file at path is marked read-only: the running user may not
// write it, or it has no write permission for anyone (as a share shows a
// read-only attribute), which holds for root too.
bool IsMarkedReadOnly(const std::string& path);

bool IsFolder(const std::string& path);

// Makes a new or renamed entry of folder durable; failures are ignored.
void SyncFolder(const std::string& folder);
