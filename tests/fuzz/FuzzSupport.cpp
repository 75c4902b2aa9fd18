#include "FuzzSupport.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace vardex::fuzz {
namespace {

// The examples name their folder "@DATA@"; here it is the work folder.
void copyExamples(const std::string& into) {
    for (const auto& entry : fs::directory_iterator(VARDEX_EXAMPLES_DIR)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        std::string content = text.str();
        for (std::size_t at; (at = content.find("@DATA@")) != std::string::npos;)
            content.replace(at, 6, into);
        std::ofstream(fs::path(into) / entry.path().filename(), std::ios::binary) << content;
    }
}

} // namespace

const std::string& workFolder() {
    static const testing::TempDir folder;
    static const bool ready = [] {
        copyExamples(folder.path());
        std::ofstream(folder.file("wall.ts"), std::ios::binary)
            << "3\r\n0, 20\r\n48, 25\r\n200, 15\r\n";
        fs::create_directories(folder.file("home"));
        fs::current_path(folder.path());
        return true;
    }();
    (void)ready;
    return folder.path();
}

std::string writeInput(const std::uint8_t* data, std::size_t size, const std::string& name) {
    std::string path = (fs::path(workFolder()) / name).string();
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    return path;
}

} // namespace vardex::fuzz
