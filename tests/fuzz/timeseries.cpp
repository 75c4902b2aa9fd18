// A time-series file, read as a heat-source series, a boundary series and a plain series.

#include "FuzzSupport.h"
#include "run/CBoundarytype.h"
#include "run/Cdataseries.h"
#include "run/Csourceheat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "input.ts");
    fuzz::FuzzApp f;
    Csourceheat source;
    source.timeSeriesFile = path;
    source.read_sourceTS(f.app);
    CBoundarytype boundary;
    boundary.bndyTSfile = path;
    boundary.read_bndyTS(f.app, 0.0, 96.0);
    Cdataseries series;
    series.read_TSfile(f.app, path);
    return 0;
}
