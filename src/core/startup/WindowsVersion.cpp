#include "core/startup/WindowsVersion.h"

namespace StartUp {

int WindowsVersionHundredths(const SystemInfo& info) {
    if (!info.IsWindows)
        return 0;
    // The version query packs each part into one byte.
    return (info.MajorVersion & 0xFF) * 100 + (info.MinorVersion & 0xFF);
}

std::string GetWindowsVersionString(const SystemInfo& info) {
    const int hundredths = WindowsVersionHundredths(info);
    const int fraction = hundredths % 100;
    return std::to_string(hundredths / 100) + (fraction < 10 ? ".0" : ".") + std::to_string(fraction);
}

bool DetectWindowsVersion(ProgramState& state, const SystemInfo& info) {
    state.IsXPOrLater = false;
    const int hundredths = WindowsVersionHundredths(info);
    if (hundredths >= 501) {
        state.WindowsVersion = (hundredths + 50) / 100;
        state.IsXPOrLater = true;
    }
    return state.IsXPOrLater;
}

} // namespace StartUp
