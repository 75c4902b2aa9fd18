// A thermal summary file ("Summary." n), read as the thermal-limit table reads it and exported.

#include "FuzzSupport.h"
#include "exec/ThermalLimits.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "Summary.1");
    // The readers need only the dialogs: no application state, which would read a configuration
    // file on every input.
    testing::ScriptedDialogs dialogs;
    ThermalLimits table(dialogs);
    if (table.load({path})) table.csvLines();
    return 0;
}
