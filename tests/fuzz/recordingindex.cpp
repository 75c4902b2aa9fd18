// The solver's recording index file, read against a grid of 12 x 12 x 8 cells.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzTarget.h"
#include "SolverInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    zolter::SolverInput grid;
    grid.nx = 12;
    grid.ny = 12;
    grid.nz = 8;
    std::vector<std::string> warnings;
    try {
        zolter::parseRecordingPoints(std::string(reinterpret_cast<const char*>(data), size), grid,
                                     warnings);
    } catch (const zolter::InputFault&) {
    }
    return 0;
}
