// vardex-run SETUP_FILE [--out DIR]: runs a saved run set-up without windows, chunk after chunk,
// and leaves the collected outputs in DIR (default: the current folder).

#include <chrono>
#include <iostream>
#include <string>
#include <thread>

#include "app/AppState.h"
#include "app/Cstartup.h"
#include "app/HomeSetup.h"
#include "exec/HeadlessRun.h"
#include "platform/ConsoleDialogs.h"
#include "platform/PosixProgramStarter.h"
#include "text/Version.h"

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
    options.sleep = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
    vardex::ConsoleDialogs dialogs(std::cout);
    vardex::setUpHomeOnFirstStart(dialogs);
    vardex::AppState app(dialogs, vardex::platformHomeCandidates());
    vardex::PosixProgramStarter starter;
    return vardex::runHeadless(app, starter, options, std::cout);
}
