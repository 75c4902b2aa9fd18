#include "support/TempDir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace vardex::testing {

TempDir::TempDir() {
    static std::mt19937 random{std::random_device{}()};
    for (;;) {
        fs::path candidate =
            fs::temp_directory_path() / ("vardex-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            path_ = candidate.string();
            return;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempDir::file(std::string_view name) const {
    return (fs::path(path_) / name).string();
}

std::string TempDir::write(std::string_view name, std::string_view text) const {
    std::string path = file(name);
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

std::string TempDir::read(std::string_view name) const {
    return readFile(file(name));
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

std::vector<std::size_t> cutPoints(const std::string& text) {
    std::vector<std::size_t> points{0};
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        points.push_back(start + (end - start) / 2);
        points.push_back(end + 2);
    }
    points.pop_back(); // the whole file
    return points;
}

std::vector<std::string> namesBelow(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        names.push_back(fs::relative(entry.path(), folder).string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string withoutDateLine(const std::string& text) {
    const std::size_t first = text.find("\r\n");
    const std::size_t second = text.find("\r\n", first + 2);
    return text.substr(0, first + 2) + text.substr(second + 2);
}

std::string crlf(std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace vardex::testing
