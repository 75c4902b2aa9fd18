#pragma once
// The bundled example data laid out in a folder the way run.sh does it.

#include <filesystem>
#include <fstream>
#include <string>

#include "support/TempDir.h"

namespace vardex::testing {

// Copies the examples into the folder with their placeholder replaced by the folder.
inline void layOutExamples(const std::string& data) {
    namespace fs = std::filesystem;
    for (const auto& entry : fs::directory_iterator(VARDEX_EXAMPLES_DIR)) {
        std::string text = readFile(entry.path().string());
        for (std::size_t at; (at = text.find("@DATA@")) != std::string::npos;)
            text.replace(at, 6, data);
        std::ofstream(fs::path(data) / entry.path().filename(), std::ios::binary) << text;
    }
}

} // namespace vardex::testing
