#pragma once
// Starts a command file without waiting for it, and keeps hold of the process so its end is known.

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vardex {

// How a started program stands.
struct ProgramStatus {
    enum class State { Running, Exited, Signalled, NotStarted };
    State state = State::Running;
    int code = 0;       // exit status, or the number of the signal that ended it
    std::string reason; // why it could not be started

    bool running() const { return state == State::Running; }
    // "exit status 1", "ended by signal 9", "could not be started: ..."; empty while running.
    std::string describe() const;
};

// A started program. Asking never blocks; destroying the handle of a program that still runs
// ends it.
class StartedProgram {
  public:
    virtual ~StartedProgram() = default;
    virtual ProgramStatus status() = 0;
    bool running() { return status().running(); }
    // Ends the program and whatever it started; returns at once.
    virtual void stop() = 0;
    // Calls back once the program has ended, from the event loop of the thread that started it
    // and never after the handle is gone. Starters without an event loop never call: their
    // users look at status() from time to time.
    virtual void whenEnded(std::function<void()> callback) { (void)callback; }
};

// The handle of a program that never ran.
std::unique_ptr<StartedProgram> notStarted(const std::string& reason);

class ProgramStarter {
  public:
    virtual ~ProgramStarter() = default;
    // Runs the command file in the given working folder without waiting for it. Always returns
    // a handle; one whose status is NotStarted when the program could not be started.
    virtual std::unique_ptr<StartedProgram> startBatch(const std::string& batchFile,
                                                       const std::string& workingFolder) = 0;
};

// One program call of a command file: the program and its arguments.
using BatchCommand = std::vector<std::string>;

// Reads a command file the way it is run off Windows: "@echo off" and blank lines are skipped, a
// "call" line starts the named program with its words as arguments (double quotes group words).
// Other lines are ignored.
std::vector<BatchCommand> parseBatchFile(const std::string& text);

// The calls of the command file at path; empty when it cannot be read or holds none.
std::vector<BatchCommand> readBatchFile(const std::string& path);

// The commands as one POSIX shell script that runs them in order, every word single-quoted.
std::string batchToShellScript(const std::vector<BatchCommand>& commands);

} // namespace vardex
