#include "platform/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace fs = std::filesystem;

namespace vardex {

bool FileSystem::fileExists(const std::string& path) const {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(path, ec);
}

bool FileSystem::folderExists(const std::string& path) const {
    std::error_code ec;
    return !path.empty() && fs::is_directory(path, ec);
}

std::string FileSystem::join(const std::string& folder, const std::string& name) const {
    if (folder.empty()) return name;
    return (fs::path(folder) / name).string();
}

std::string FileSystem::absolutePath(const std::string& path) const {
    if (path.empty()) return path;
    std::error_code ec;
    fs::path p = fs::absolute(path, ec);
    return ec ? path : p.lexically_normal().string();
}

std::string FileSystem::parentFolder(const std::string& path) const {
    fs::path p(path);
    if (p.has_filename()) return p.parent_path().string();
    return p.parent_path().parent_path().string();
}

std::string FileSystem::baseName(const std::string& path) const {
    return fs::path(path).stem().string();
}

std::string FileSystem::currentFolder() const {
    std::error_code ec;
    fs::path p = fs::current_path(ec);
    return ec ? std::string() : p.string();
}

std::string FileSystem::uniqueTempName() const {
    static std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<unsigned> hex(0, 0xFFFFF);
    for (;;) {
        char name[32];
        std::snprintf(name, sizeof name, "rad%05X.tmp", hex(random));
        if (!fileExists(name)) return name;
    }
}

std::string FileSystem::firstFileWithExtension(const std::string& folder,
                                               const std::string& extension) const {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        if (it->is_regular_file(ec) && it->path().extension() == extension)
            return absolutePath(it->path().string());
    }
    return {};
}

bool FileSystem::createFolder(const std::string& path) const {
    std::error_code ec;
    fs::create_directories(path, ec);
    return !ec && folderExists(path);
}

bool FileSystem::copyFile(const std::string& from, const std::string& to) const {
    std::error_code ec;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
    return !ec;
}

bool FileSystem::moveFile(const std::string& from, const std::string& to) const {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (!ec) return true;
    return copyFile(from, to) && deleteFile(from);
}

bool FileSystem::deleteFile(const std::string& path) const {
    std::error_code ec;
    return fs::remove(path, ec) && !ec;
}

bool FileSystem::removeFolder(const std::string& path) const {
    std::error_code ec;
    fs::remove_all(path, ec);
    return !ec && !fs::exists(path, ec);
}

std::string FileSystem::makeUniqueFolder(const std::string& parent, const std::string& prefix,
                                         std::string& why) const {
    std::string pattern = (fs::path(parent) / (prefix + "XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        why = "cannot make a folder in " + parent + ": " + std::strerror(errno);
        return {};
    }
    return pattern;
}

std::optional<std::uintmax_t> FileSystem::freeSpace(const std::string& path) const {
    std::error_code ec;
    const fs::space_info space = fs::space(path, ec);
    if (ec) return std::nullopt;
    return space.available;
}

std::string FileSystem::executableSuffix() {
#ifdef _WIN32
    return ".exe";
#else
    return "";
#endif
}

std::string FileSystem::programFolder() {
    std::error_code ec;
    fs::path program = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : program.parent_path().string();
}

} // namespace vardex
