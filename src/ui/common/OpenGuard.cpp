#include "ui/common/OpenGuard.h"

#include <set>

namespace {
std::set<const QObject*>& opening() {
    static std::set<const QObject*> windows;
    return windows;
}
} // namespace

OpenGuard::OpenGuard(const QObject* window) : window_(window), held_(opening().insert(window).second) {}

OpenGuard::~OpenGuard() {
    if (held_)
        opening().erase(window_);
}
