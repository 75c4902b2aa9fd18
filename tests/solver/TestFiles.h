#pragma once
// Reading what the solver wrote, for the tests that run the program.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zolter::test {

// The whole file; empty when it cannot be read.
inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace zolter::test
