// A cross-section (temperature field) file, read as the temperature display reads it, on a small
// grid and on a grid of one cell.

#include "FuzzSupport.h"
#include "exec/TemperatureField.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "field.out");
    for (const int n : {1, 3}) {
        try {
            readTemperatureField(path, n + 1, n, n);
        } catch (const std::exception&) {
            // A damaged field is reported to the user; it must only never crash.
        }
    }
    return 0;
}
