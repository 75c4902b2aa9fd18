// A sounding data file, read as "&Acquire sounding" reads it, with the results file written.

#include "FuzzSupport.h"
#include "sounding/Csounding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "input.sdg");
    fuzz::FuzzApp f;
    Csounding sounding(f.dialogs);
    try {
        sounding.read_sounding(path, fuzz::workFolder() + "/sdgx.out");
    } catch (const std::exception&) {
        // Reported to the user by the command that reads it.
    }
    return 0;
}
