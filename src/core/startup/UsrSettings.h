#pragma once

#include "core/FileError.h"
#include "core/ProgramState.h"

#include <string>

// Keeps the user's options in the scrambled settings file
// ProgramFolder + "_KSF/KSystem/qxsabusr.dat".
namespace modUsrSettings {

std::string SettingsFilePath(const ProgramState& state);
std::string FillerFilePath(const ProgramState& state);
// Where an unusable settings file is kept: the settings file's path + ".bad".
std::string SetAsideFilePath(const ProgramState& state);

// What loading found.
enum class SettingsSource {
    Stored,   // the file held settings the program wrote
    Missing,  // no file (or an empty one): a first start
    Unusable, // a file the settings cannot come from: unreadable, short, or not a record the program writes
};

struct LoadResult {
    SettingsSource source = SettingsSource::Stored;
    FileError error; // for Missing and Unusable: why no settings were read, in plain words
};

// Fills state.settings from the file. When it is missing or unusable, only
// DataRoot changes: it is emptied, so that start-up restores the defaults.
LoadResult LoadSettings(ProgramState& state);

// Every setting back to its default, saved, and loaded again. When the save
// fails the defaults stay in state.settings and the error comes back.
FileError ResetSettings(ProgramState& state);

// Writes state.settings to the file atomically, and clears the temporary
// files an interrupted save of it left behind.
FileError SaveSettings(ProgramState& state);

// Renames an unusable settings file to SetAsideFilePath (replacing an older
// one there), so that restoring the defaults does not destroy it. When the
// folder cannot be written the file stays as it is and the error comes back.
FileError KeepUnusableFileAside(const ProgramState& state);

} // namespace modUsrSettings
