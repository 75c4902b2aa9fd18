#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "Run.h"
#include "text/Version.h"

int main(int argc, char** argv) {
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("%s\n", vardex::versionLine("zolter").c_str());
        return 0;
    }
    // A file-size limit is a write that fails with its reason, not the end of the program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string> args(argv + 1, argv + argc);
    return zolter::runZolter(args);
}
