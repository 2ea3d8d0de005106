#pragma once

#include "core/FileError.h"

#include <string>
#include <string_view>

// Replaces the file at path with bytes so that a crash at any moment leaves
// either the old file or the new one: the bytes go to a temporary file in the
// same folder, which is flushed (and synced when sync is set) and renamed over
// the old file. On failure the temporary file is removed and the old file is
// untouched. Errors: 76 folder missing, 70 permission denied, 61 disk full,
// 75 any other failure.
FileError WriteFileAtomically(const std::string& path, std::string_view bytes, bool sync = true);

// Appends bytes to the file at path (created when missing) in one write; a
// write that fails half way is cut back off. Errors as for
// WriteFileAtomically.
FileError AppendToFile(const std::string& path, std::string_view bytes, bool sync = true);

// Removes the temporary files that writers of path killed before their rename
// left in its folder, and no other file's; gives how many went. Only for a
// caller that holds the lock every writer of path holds (FileLock), so no
// temporary still being written is taken for a leftover.
int RemoveLeftoverTemporaries(const std::string& path);

// Reads the whole file at path into out. Errors: 53 file missing, 76 folder
// missing, 70 permission denied, 75 any other failure; out is then empty.
FileError ReadWholeFile(const std::string& path, std::string& out);

// The folder part of path: "." when it has none, "/" for a file in the root.
std::string FolderOf(const std::string& path);

bool IsFolder(const std::string& path);

// Makes a new or renamed entry of folder durable; failures are ignored.
void SyncFolder(const std::string& folder);
