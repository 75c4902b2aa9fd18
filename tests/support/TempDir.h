#pragma once
// A fresh folder for one test, removed with everything in it when the test ends.

#include <string>
#include <string_view>
#include <vector>

namespace vardex::testing {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    std::string file(std::string_view name) const;
    // Writes the text as it is (no line-end translation) and returns the file's path.
    std::string write(std::string_view name, std::string_view text) const;
    std::string read(std::string_view name) const;

  private:
    std::string path_;
};

// Reads a whole file as it is; empty when it does not exist.
std::string readFile(const std::string& path);

// Places to cut a file's text for robustness tests: the middle of each line and after each whole
// line (not after the last).
std::vector<std::size_t> cutPoints(const std::string& text);

// Every name in a folder and below it, hidden ones included, relative to the folder and sorted.
std::vector<std::string> namesBelow(const std::string& folder);

// The text without its second line: a written file's date, which layouts leave out.
std::string withoutDateLine(const std::string& text);

// Joins lines with CR LF after each.
std::string crlf(std::initializer_list<std::string_view> lines);

} // namespace vardex::testing
