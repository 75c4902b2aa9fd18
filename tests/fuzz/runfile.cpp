// A run file, read into a fresh run set-up with the boundary series it names.

#include "FuzzSupport.h"
#include "run/Cexec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "input.rx");
    fuzz::FuzzApp f;
    Cexec exec(f.app);
    exec.execfile = path;
    exec.read_exec();
    return 0;
}
