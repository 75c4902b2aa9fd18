#include "text/ListInput.h"

#include <fstream>
#include <sstream>

#include "text/NumberText.h"

namespace vardex {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

ListInput::ListInput(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ReadError("File not found: " + path);
    std::ostringstream content;
    content << in.rdbuf();
    text_ = content.str();
}

ListInput ListInput::fromText(std::string_view text) {
    ListInput input;
    input.text_ = std::string(text);
    return input;
}

bool ListInput::atEnd() const {
    for (std::size_t i = pos_; i < text_.size(); ++i)
        if (!isBlank(text_[i]) && !isLineEnd(text_[i])) return false;
    return true;
}

void ListInput::skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

// After an item: blanks, then one comma or one line end (CR LF counts as one) is consumed.
void ListInput::finishItem() {
    skipBlanks();
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == ',') {
        ++pos_;
    } else if (text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    } else if (text_[pos_] == '\n') {
        ++pos_;
    }
}

std::string ListInput::readItem() {
    // Leading blank lines are skipped, as the runtime does before an item.
    while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_]))) ++pos_;
    if (pos_ >= text_.size()) throw ReadError("Input past end of file");
    std::string item;
    if (text_[pos_] == '"') {
        std::size_t close = text_.find('"', pos_ + 1);
        std::size_t end = close == std::string::npos ? text_.size() : close;
        item = text_.substr(pos_ + 1, end - pos_ - 1);
        pos_ = close == std::string::npos ? text_.size() : close + 1;
    } else {
        std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_])) ++pos_;
        item = trimRight(std::string_view(text_).substr(start, pos_ - start));
    }
    finishItem();
    return item;
}

double ListInput::readNumber() {
    while (pos_ < text_.size() && (isBlank(text_[pos_]) || isLineEnd(text_[pos_]))) ++pos_;
    if (pos_ >= text_.size()) throw ReadError("Input past end of file");
    std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ',' && !isBlank(text_[pos_]) &&
           !isLineEnd(text_[pos_]))
        ++pos_;
    std::string item = text_.substr(start, pos_ - start);
    finishItem();
    if (!isNumeric(item)) throw ReadError("Type mismatch: " + item);
    return leadingNumber(item);
}

std::string ListInput::readLine() {
    if (pos_ >= text_.size()) throw ReadError("Input past end of file");
    std::size_t end = text_.find('\n', pos_);
    std::size_t stop = end == std::string::npos ? text_.size() : end;
    std::string line = text_.substr(pos_, stop - pos_);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    pos_ = end == std::string::npos ? text_.size() : end + 1;
    return line;
}

} // namespace vardex
