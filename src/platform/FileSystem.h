#pragma once
// File and folder services over the standard library's file system.

#include <cstdint>
#include <optional>
#include <string>

namespace vardex {

class FileSystem {
  public:
    bool fileExists(const std::string& path) const;
    bool folderExists(const std::string& path) const;
    // Joins a folder and a relative name with the platform's separator; an empty folder gives
    // the name alone.
    std::string join(const std::string& folder, const std::string& name) const;
    std::string absolutePath(const std::string& path) const;
    std::string parentFolder(const std::string& path) const;
    // Name without folder and extension: "/a/shaft.mod" gives "shaft".
    std::string baseName(const std::string& path) const;
    std::string currentFolder() const;
    // A file name (no folder) that names no existing file in the current folder.
    std::string uniqueTempName() const;
    // First file of the folder matching "*" + extension, as an absolute path; empty when none.
    std::string firstFileWithExtension(const std::string& folder,
                                       const std::string& extension) const;

    // These return false on failure and never throw.
    bool createFolder(const std::string& path) const;
    bool copyFile(const std::string& from, const std::string& to) const;
    bool moveFile(const std::string& from, const std::string& to) const;
    bool deleteFile(const std::string& path) const;
    // Removes the folder with everything in it; false when something stayed.
    bool removeFolder(const std::string& path) const;
    // A new folder in parent named prefix and six random characters, made by this call alone;
    // empty, with the system's reason in why, when it cannot be made.
    std::string makeUniqueFolder(const std::string& parent, const std::string& prefix,
                                 std::string& why) const;
    // The bytes the disk holding path can still take; nothing when the system does not say.
    std::optional<std::uintmax_t> freeSpace(const std::string& path) const;

    // The platform's executable suffix (none here).
    static std::string executableSuffix();
    // The folder of the running program's executable; empty when the system does not say.
    static std::string programFolder();
};

} // namespace vardex
