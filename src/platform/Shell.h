#pragma once

#include "core/ProgramState.h"

#include <QString>

#include <functional>
#include <string>

namespace StartUp {

// Opens a file, named by its bytes, with the desktop's default application.
// Returns a value above 32 on success (as callers test it), 2 when the file is
// missing, 31 when no application would open it.
int ShellOpen(const std::string& file, int showCmd, const std::string& dir = std::string());

// Opens the help page of state.HelpTopic from KestraneDocs; failures show nothing.
void ShowHelpTopic(const ProgramState& state);

// Shows the e-mail warning when the address fails one of the four tests.
void CheckEmail(const QString& address);

// Tests replace the desktop opener to see which file would open (the path
// and the working folder); the opener returns whether it succeeded.
using ShellOpener = std::function<bool(const std::string& path, const std::string& folder)>;
void SetShellOpener(ShellOpener opener);

} // namespace StartUp
