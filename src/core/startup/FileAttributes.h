#pragma once

#include <string>

// File attributes the way the program uses them. ReadOnly is the file's write
// permission; Hidden, System and Archive are kept in an extended attribute.
namespace FileAttributes {

enum Flags : unsigned {
    ReadOnly = 0x01,
    Hidden = 0x02,
    System = 0x04,
    Archive = 0x20,
    Normal = 0x80, // none of the others; ignored when combined with them
};

// Get reports Normal when no other flag is set. Both return false when the
// file is missing or the file system refuses what is asked of it.
bool Get(const std::string& path, unsigned& flags);
bool Set(const std::string& path, unsigned flags);

} // namespace FileAttributes
