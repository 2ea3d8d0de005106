#include "core/Clock.h"

#include <cstdio>
#include <ctime>

std::string LocalDateTime::DateText() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d-%02d-%04d", day, month, year);
    return buf;
}

std::string LocalDateTime::TimeText() const {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d:%02d", hour, minute);
    return buf;
}

std::optional<LocalDateTime>& Clock::pinned() {
    static std::optional<LocalDateTime> value;
    return value;
}

LocalDateTime Clock::Now() {
    if (pinned())
        return *pinned();
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalDateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

void Clock::Pin(const LocalDateTime& when) {
    pinned() = when;
}

void Clock::Unpin() {
    pinned().reset();
}
