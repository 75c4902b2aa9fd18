// vardex-run SETUP_FILE [--out DIR]: runs a saved run set-up without windows, chunk after chunk,
// and leaves the collected outputs in DIR (default: the current folder). SIGTERM, SIGINT and
// SIGHUP stop the solver and end the run with 128 + the signal's number.

#include <csignal>
#include <ctime>
#include <iostream>
#include <string>

#include "app/AppState.h"
#include "app/Cstartup.h"
#include "app/HomeSetup.h"
#include "exec/HeadlessRun.h"
#include "platform/ConsoleDialogs.h"
#include "platform/PosixProgramStarter.h"
#include "text/Version.h"

namespace {

volatile std::sig_atomic_t stopSignal = 0;

extern "C" void askToStop(int signal) {
    stopSignal = signal;
}

// Without SA_RESTART, so a signal cuts the wait between two looks at the solver short.
void stopOnSignals() {
    struct sigaction action {};
    action.sa_handler = askToStop;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
    // A file-size limit is a copy that fails naming its file, not the end of the run.
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::cout << vardex::versionLine("vardex-run") << '\n';
        return 0;
    }
    vardex::HeadlessRunOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--out" && i + 1 < argc)
            options.outputFolder = argv[++i];
        else if (options.setupFile.empty() && arg.rfind("--", 0) != 0)
            options.setupFile = arg;
        else {
            options.setupFile.clear();
            break;
        }
    }
    if (options.setupFile.empty()) {
        std::cerr << "usage: vardex-run SETUP_FILE [--out DIR]\n";
        return 2;
    }
    stopOnSignals();
    options.sleep = [](int ms) {
        const timespec wait{ms / 1000, (ms % 1000) * 1000000L};
        nanosleep(&wait, nullptr);
    };
    options.stopSignal = [] { return int(stopSignal); };
    vardex::ConsoleDialogs dialogs(std::cout);
    vardex::setUpHomeOnFirstStart(dialogs);
    vardex::AppState app(dialogs, vardex::platformHomeCandidates());
    vardex::PosixProgramStarter starter;
    return vardex::runHeadless(app, starter, options, std::cout);
}
