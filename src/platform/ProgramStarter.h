#pragma once
// Starts a command file without waiting for it.

#include <string>
#include <vector>

namespace vardex {

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // Runs the command file detached, in the given working folder; false when it cannot start.
    virtual bool startBatch(const std::string& batchFile, const std::string& workingFolder) = 0;
};

// One program call of a command file: the program and its arguments.
using BatchCommand = std::vector<std::string>;

// Reads a command file the way it is run off Windows: "@echo off" and blank lines are skipped, a
// "call" line starts the named program with its words as arguments (double quotes group words).
// Other lines are ignored.
std::vector<BatchCommand> parseBatchFile(const std::string& text);

// The commands as one POSIX shell script that runs them in order, every word single-quoted.
std::string batchToShellScript(const std::vector<BatchCommand>& commands);

} // namespace vardex
