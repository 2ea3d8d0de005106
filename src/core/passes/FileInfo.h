#pragma once

#include "core/Clock.h"

#include <ctime>
#include <string>

namespace modFileInfo {

// The last-write time of the file at path in local time; Clock's now when it
// cannot be read. The file is neither created nor changed.
LocalDateTime GetFileDateTime(const std::string& path);

// A file-system time in local time.
LocalDateTime LocalTimeOf(std::time_t when);

} // namespace modFileInfo
