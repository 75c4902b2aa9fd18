// A section file, read into a section geometry as the section editor and the profiles do.

#include "FuzzSupport.h"
#include "section/Cgeom.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    std::string path = fuzz::writeInput(data, size, "input.sec");
    fuzz::FuzzApp f;
    Cgeom geometry(f.app);
    geometry.read_secfile(path);
    return 0;
}
