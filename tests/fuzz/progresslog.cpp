// The solver's log and marker, read as the run window follows a run: the simulated hour the log
// has reached (shown in the status line) and the marker's verdict.

#include "FuzzSupport.h"
#include "exec/RunProgress.h"
#include "text/PrintForm.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "STDOUT.1");
    if (const std::optional<double> hour = lastSimulatedHour(path))
        (void)("simulated hour " + plainDigits(*hour));
    readMarker(path);
    return 0;
}
