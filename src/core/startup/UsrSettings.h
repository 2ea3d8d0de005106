#pragma once

#include "core/FileError.h"
#include "core/ProgramState.h"

#include <string>

// Keeps the user's options in the scrambled settings file
// ProgramFolder + "_KSF/KSystem/qxsabusr.dat".
namespace modUsrSettings {

std::string SettingsFilePath(const ProgramState& state);
std::string FillerFilePath(const ProgramState& state);

// Every setting back to its default, saved, and loaded again.
FileError ResetSettings(ProgramState& state);

// Fills state.settings from the file. A missing, short or unreadable file
// loads with an empty DataRoot (so start-up restores the defaults).
FileError LoadSettings(ProgramState& state);

// Writes state.settings to the file atomically.
FileError SaveSettings(ProgramState& state);

} // namespace modUsrSettings
