#pragma once

#include "core/ProgramState.h"

#include <functional>
#include <string>

class frmMain;

namespace StartUp {

struct StartOptions {
    std::string programFolder;             // bytes; empty: the executable's folder
    std::function<bool()> claimInstance;   // empty: one instance per program folder on the machine
    std::function<void(const char*)> step; // told each step as it begins (tests follow the order)
};

struct StartResult {
    int exitCode = 0;              // 0 when the main window is up
    frmMain* mainWindow = nullptr; // deletes itself when closed
};

// Prepares the program state, shows the splash, loads and shows the main
// window. A refusal (another copy running, a screen too small) is shown in a
// message box and comes back as a non-zero exit code. Stored settings that
// cannot be used, and defaults that cannot be stored, are told in a message
// box before the splash; the program then runs on the defaults.
StartResult Main(ProgramState& state, const StartOptions& options = {});

// The screen height in pixels as the program measures it (twips / 15).
int ScreenHeightForCheck(int heightPx, double twipsPerPixelY);

} // namespace StartUp
