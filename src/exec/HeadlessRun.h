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
    std::string outputFolder; // the collected outputs go here; empty: the current folder
    // Waits between two looks at the running solver; a test may shorten it.
    std::function<void(int milliseconds)> sleep;
};

// Exit statuses: 0 every chunk succeeded, 1 a chunk failed, 2 the set-up could not be used, 3
// every chunk completed but one warned (its heat balance or temperature range failed its check).
int runHeadless(AppState& app, ProgramStarter& starter, const HeadlessRunOptions& options,
                std::ostream& out);

} // namespace vardex
