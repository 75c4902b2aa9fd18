// A run set-up file, read as the run window and vardex-run read it. Whatever reads is saved again,
// and what is saved must reopen and save the same text once more.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "FuzzSupport.h"
#include "exec/RunSetupFile.h"
#include "text/NumberText.h"

namespace {

std::string savedText(const vardex::RunSetup& setup, const std::string& path) {
    vardex::writeRunSetup(path, setup);
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "input.vrs");
    RunSetup setup;
    try {
        setup = readRunSetup(path);
    } catch (const ReadError&) {
        return 0; // a damaged set-up is reported to the user
    }
    const std::string saved = (std::filesystem::path(fuzz::workFolder()) / "saved.vrs").string();
    // Neither the save nor the reopening may fail: either would escape and end the fuzzer.
    const std::string first = savedText(setup, saved);
    const std::string second = savedText(readRunSetup(saved), saved);
    if (first != second) std::abort();
    return 0;
}
