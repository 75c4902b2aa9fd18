#pragma once
// Line-by-line reading of the program's key files: keys are plain, case-sensitive substrings
// searched forward only from the line after the previous match.

#include <string>
#include <string_view>
#include <vector>

#include "text/NumberText.h"

namespace vardex {

class KeyReader {
  public:
    // Reads the whole file; accepts CR LF and LF line ends. Throws ReadError when the file cannot
    // be opened.
    explicit KeyReader(const std::string& path);
    // A reader over text held in memory (for tests and for files already loaded).
    static KeyReader fromText(std::string_view text);

    // Next line; throws ReadError when the file is closed or at its end.
    std::string readLine();
    bool atEnd() const { return next_ >= lines_.size(); }
    bool isOpen() const { return open_; }
    void close() { open_ = false; }
    // Number of lines taken so far (the index of the next line).
    std::size_t position() const { return next_; }

    // Reads lines until one contains the key and returns it. When the line just read is the last
    // line of the file, the file is closed and "EOF" is returned, whether or not that line holds
    // the key. Throws ReadError when the file is already closed or at its end.
    std::string findline(std::string_view key);
    // The trimmed text after the first occurrence of the key on the found line; "EOF" at the end.
    std::string getkeystring(std::string_view key);
    // getkeystring read by the leading-number rule; 0 when the end was reached.
    double getkeyvalue(std::string_view key);
    // Reads lines until count numbers are stored (1-based: values[1] .. values[count]).
    void getrow(int count, std::vector<double>& values);

  private:
    KeyReader() = default;
    void splitLines(std::string_view text);

    std::vector<std::string> lines_;
    std::size_t next_ = 0;
    bool open_ = true;
};

// Takes the leading number off a line of numbers: the separator is "," when the line holds a
// comma, one blank otherwise. The line keeps what follows the separator, trimmed on the left.
double splitvalue(std::string& line);

inline constexpr const char* kEofText = "EOF";

} // namespace vardex
