#include "ui/common/CommandGuard.h"

#include "platform/Pause.h"

#include <map>

namespace {
// The windows whose command runs, with how many pauses waited when it began.
std::map<const QObject*, int>& running() {
    static std::map<const QObject*, int> windows;
    return windows;
}
} // namespace

CommandGuard::CommandGuard(const QObject* window) : window_(window) {
    const auto [command, inserted] = running().try_emplace(window, StartUp::PausesWaiting());
    first_ = inserted;
    held_ = inserted || command->second == StartUp::PausesWaiting();
}

CommandGuard::~CommandGuard() {
    if (first_)
        running().erase(window_);
}
