#pragma once
// The start-up check: home directory, data directory and the solver program.

#include <set>
#include <string>

#include "app/Cstartup.h"

namespace vardex {

// The check's messages shown so far during this start.
using StartupMessagesShown = std::set<std::string>;

// May correct DataDir, homeDir and ProgramPath; reports "Cannot find homedir", "Cannot find the
// data directory" or the missing solver and never ends the program. With `shown`, a message
// already in it is not shown again: the check runs before every write of the configuration.
void startupCheck(Cstartup& config, const FileSystem& fs, Dialogs& dialogs,
                  StartupMessagesShown* shown = nullptr);

// "Cannot find program file", the path where the solver belongs and how to put it there.
std::string missingSolverMessage(const std::string& path);

// The solver program the check looks for in the home directory: program/target.
std::string defaultProgramPath(const FileSystem& fs, const std::string& homeDir);

} // namespace vardex
