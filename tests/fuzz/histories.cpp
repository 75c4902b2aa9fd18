// A histories file ("TSeries." n), read as the histories window reads it and exported.

#include "FuzzSupport.h"
#include "exec/TemperatureHistories.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "TSeries.1");
    // The readers need only the dialogs: no application state, which would read a configuration
    // file on every input.
    testing::ScriptedDialogs dialogs;
    TemperatureHistories histories(dialogs);
    if (histories.load({{1, path, {"chunk 1 centre (0.4, 0.4, 1.25 m)"}}})) histories.csvLines();
    return 0;
}
