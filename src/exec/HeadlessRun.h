#pragma once
// A saved run set-up run without windows, exactly as the execution window runs it: the same
// window controller, the same solver, chunk after chunk; one progress line per chunk and the
// thermal-limit table on the output stream.

#include <functional>
#include <ostream>
#include <string>

#include "app/AppState.h"
#include "platform/ProgramStarter.h"

namespace vardex {

struct HeadlessRunOptions {
    std::string setupFile;
    // The collected outputs go here, the copies of the fields into its "Output" folder; empty:
    // the current folder, the copies into the home's Output folder.
    std::string outputFolder;
    // Waits between two looks at the running solver; a test may shorten it. A signal may cut
    // it short.
    std::function<void(int milliseconds)> sleep;
    // The signal that asks the run to stop (SIGTERM, SIGINT, SIGHUP); 0 while none has come.
    std::function<int()> stopSignal;
};

// Exit statuses: 0 every chunk succeeded, 1 a chunk failed, 2 the set-up could not be used or
// the run could not start (the output folder is held by another run, cannot be made, ...), 3
// every chunk completed but one warned (its heat balance or temperature range failed its check),
// 128 + the signal's number when a signal stopped the run.
int runHeadless(AppState& app, ProgramStarter& starter, const HeadlessRunOptions& options,
                std::ostream& out);

} // namespace vardex
