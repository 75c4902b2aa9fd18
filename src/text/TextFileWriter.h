#pragma once
// Writes a text file of CR LF lines to a temporary file beside the target and renames it over
// the target on commit, so a failed or interrupted write never destroys the previous file.

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace vardex {

class TextFileWriter {
  public:
    // Throws std::runtime_error naming the file when it cannot be created.
    explicit TextFileWriter(std::string path);
    ~TextFileWriter(); // without commit() the temporary file is removed and the target untouched
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    void line(std::string_view text = {});
    // Flushes, closes and renames over the target; throws std::runtime_error naming the file on
    // failure, leaving the target as it was and no temporary file behind.
    void commit();

  private:
    std::string path_;
    std::string tempPath_;
    std::ofstream out_;
    std::size_t written_ = 0;
    bool committed_ = false;
};

// Writes the lines as one complete file (through TextFileWriter); throws std::runtime_error.
void writeLines(const std::string& path, const std::vector<std::string>& lines);

// A disk fault met by every save the thread makes while the object lives (or only by the files
// directly in one folder, when a folder is named), so tests can prove that a failed save loses
// nothing. The writer meets it exactly where the real fault would show: creating the file,
// writing it, or closing it.
class DiskFault {
  public:
    enum class Kind {
        ReadOnlyFolder, // the temporary file cannot be created
        FailAfterBytes, // the disk takes `bytes` bytes of the file, then fails
        FullOnClose,    // every write seems to succeed; closing finds the disk full
    };
    explicit DiskFault(Kind kind, std::size_t bytes = 0, std::string folder = {});
    ~DiskFault();
    DiskFault(const DiskFault&) = delete;
    DiskFault& operator=(const DiskFault&) = delete;

    Kind kind() const { return kind_; }
    std::size_t bytes() const { return bytes_; }
    // The fault a file written at path meets now; none when there is none or it lies elsewhere.
    static const DiskFault* at(const std::string& path);

  private:
    Kind kind_;
    std::size_t bytes_;
    std::string folder_;
    DiskFault* previous_;
};

} // namespace vardex
