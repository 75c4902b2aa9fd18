#pragma once
// The runtime's list input: items separated by commas or line ends, blanks around items skipped,
// a quoted item may hold commas.

#include <string>
#include <string_view>
#include <vector>

namespace vardex {

class ListInput {
  public:
    // Throws ReadError when the file cannot be opened.
    explicit ListInput(const std::string& path);
    static ListInput fromText(std::string_view text);

    // Next item as text (quotes removed). Throws ReadError past the end of the file.
    std::string readItem();
    // Next item as a number; a number also ends at a blank. Throws ReadError past the end or
    // when the item is not numeric.
    double readNumber();
    // Whole next line, unparsed (the runtime's line input). Throws ReadError past the end.
    std::string readLine();
    // True when only blanks and line ends remain.
    bool atEnd() const;

  private:
    ListInput() = default;
    void skipBlanks();
    void finishItem();

    std::string text_;
    std::size_t pos_ = 0;
};

} // namespace vardex
