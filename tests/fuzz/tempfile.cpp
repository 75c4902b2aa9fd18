// The solver's temp file, read and checked as the solver does before it runs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzTarget.h"
#include "SolverInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> warnings;
    try {
        zolter::parseTempText(std::string(reinterpret_cast<const char*>(data), size), warnings);
    } catch (const zolter::InputFault&) {
    }
    return 0;
}
