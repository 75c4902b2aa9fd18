#pragma once
// Writes a text file of CR LF lines to a temporary file beside the target and renames it over
// the target on commit, so a failed or interrupted write never destroys the previous file.

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace vardex {

class TextFileWriter {
  public:
    // Throws std::runtime_error when the file cannot be created.
    explicit TextFileWriter(std::string path);
    ~TextFileWriter(); // without commit() the temporary file is removed and the target untouched
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    void line(std::string_view text = {});
    // Flushes, closes and renames over the target; throws std::runtime_error on failure.
    void commit();

  private:
    std::string path_;
    std::string tempPath_;
    std::ofstream out_;
    bool committed_ = false;
};

// Writes the lines as one complete file (through TextFileWriter); throws std::runtime_error.
void writeLines(const std::string& path, const std::vector<std::string>& lines);

} // namespace vardex
