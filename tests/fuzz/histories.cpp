// A histories file ("TSeries." n), read as the histories window reads it and exported.

#include "FuzzSupport.h"
#include "exec/TemperatureHistories.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "TSeries.1");
    fuzz::FuzzApp f;
    TemperatureHistories histories(f.dialogs);
    if (histories.load({{1, path, {"chunk 1 centre (0.4, 0.4, 1.25 m)"}}})) histories.csvLines();
    return 0;
}
