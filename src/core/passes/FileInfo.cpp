#include "core/passes/FileInfo.h"

namespace modFileInfo {

LocalDateTime LocalTimeOf(std::time_t when) {
    std::tm tm{};
    localtime_r(&when, &tm);
    return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

} // namespace modFileInfo
