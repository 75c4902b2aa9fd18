// The configuration file, read as the program reads it at start-up.

#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string home = fuzz::workFolder() + "/home";
    fuzz::writeInput(data, size, "home/Vardex.ini");
    testing::ScriptedDialogs dialogs;
    Cstartup config(FileSystem(), dialogs, {home});
    config.configurationLines();
    return 0;
}
