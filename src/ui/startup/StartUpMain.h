#pragma once

#include "ProgramState.h"

#include <functional>
#include <string>

namespace StartUp {

// How start-up learns whether another copy of the program already runs.
// Returns true when this process may go on (it then holds the claim).
using InstanceClaim = std::function<bool()>;

struct StartOptions {
    std::string programFolder;   // empty: the executable's folder
    InstanceClaim claimInstance; // empty: one instance per machine and user
};

// Prepares the program state, shows the splash, loads and shows the main
// window. Returns 0 when the main window is up, or the exit code after a
// refusal (second instance, screen too small) has been shown.
int Main(ProgramState& state, const StartOptions& options = {});

} // namespace StartUp
