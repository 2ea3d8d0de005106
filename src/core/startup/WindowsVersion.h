#pragma once

#include "core/ProgramState.h"
#include "core/startup/SystemInfo.h"

#include <string>

namespace StartUp {

// major + minor / 100 with two decimals ("5.01", "6.02"); "0.00" off Windows.
std::string GetWindowsVersionString(const SystemInfo& info);

// Sets IsXPOrLater, and WindowsVersion (the version rounded) from 5.01 on.
bool DetectWindowsVersion(ProgramState& state, const SystemInfo& info);

// The version as a whole number of hundredths (501 for 5.01).
int WindowsVersionHundredths(const SystemInfo& info);

} // namespace StartUp
