#pragma once
// The start-up check: home directory, data directory and the solver program.

#include "app/Cstartup.h"

namespace vardex {

// May correct DataDir, homeDir and ProgramPath; reports "Cannot find homedir", "Cannot find the
// data directory" or "Cannot find program file" and never ends the program.
void startupCheck(Cstartup& config, const FileSystem& fs, Dialogs& dialogs);

// The solver program the check looks for in the home directory: program/target.
std::string defaultProgramPath(const FileSystem& fs, const std::string& homeDir);

} // namespace vardex
