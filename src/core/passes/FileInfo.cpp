#include "core/passes/FileInfo.h"

#include <sys/stat.h>

namespace modFileInfo {

LocalDateTime LocalTimeOf(std::time_t when) {
    std::tm tm{};
    localtime_r(&when, &tm);
    return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

LocalDateTime GetFileDateTime(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return Clock::Now();
    return LocalTimeOf(st.st_mtime);
}

} // namespace modFileInfo
