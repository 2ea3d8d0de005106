#pragma once

#include "core/Clock.h"

#include <ctime>

namespace modFileInfo {

// A file-system time in local time.
LocalDateTime LocalTimeOf(std::time_t when);

} // namespace modFileInfo
