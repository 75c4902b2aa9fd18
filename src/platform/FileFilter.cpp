#include "platform/FileFilter.h"

#include <filesystem>
#include <vector>

namespace vardex {
namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        const std::string::size_type end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

} // namespace

std::string filterExtension(const std::string& filter, int entry) {
    const std::vector<std::string> parts = split(filter, '|');
    const std::size_t index = 2 * static_cast<std::size_t>(entry) + 1;
    if (entry < 0 || index >= parts.size()) return {};
    const std::string& pattern = parts[index];
    if (!pattern.starts_with("*.") || pattern.find_first_of(";*?", 2) != std::string::npos)
        return {};
    return pattern.substr(2);
}

std::string withFilterExtension(const std::string& path, const std::string& filter, int entry) {
    const std::string extension = filterExtension(filter, entry);
    if (path.empty() || extension.empty()) return path;
    // A folder's point is no extension of the file; a name of points only ("..") has none either.
    const std::filesystem::path name = std::filesystem::path(path).filename();
    if (name.empty() || name.has_extension()) return path;
    return path + "." + extension;
}

} // namespace vardex
