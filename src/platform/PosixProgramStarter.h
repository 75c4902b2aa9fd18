#pragma once
// Starts a command file as a child process of its own process group (fork and exec), for the
// core tests and programs without a window system. On Linux the program is killed with its
// caller, should the caller be killed outright.

#include "platform/ProgramStarter.h"

namespace vardex {

class PosixProgramStarter : public ProgramStarter {
  public:
    // A command file of one call runs that program directly; more calls run through /bin/sh in
    // order. A program that cannot be executed is reported as not started.
    std::unique_ptr<StartedProgram> startBatch(const std::string& batchFile,
                                               const std::string& workingFolder) override;
};

} // namespace vardex
