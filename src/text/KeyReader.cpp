#include "text/KeyReader.h"

#include <fstream>
#include <sstream>

namespace vardex {

KeyReader::KeyReader(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ReadError("File not found: " + path);
    std::ostringstream content;
    content << in.rdbuf();
    splitLines(content.str());
}

KeyReader KeyReader::fromText(std::string_view text) {
    KeyReader reader;
    reader.splitLines(text);
    return reader;
}

void KeyReader::splitLines(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t stop = end == std::string_view::npos ? text.size() : end;
        std::string_view line = text.substr(start, stop - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
}

std::string KeyReader::readLine() {
    if (!open_) throw ReadError("Bad file name or number");
    if (atEnd()) throw ReadError("Input past end of file");
    return lines_[next_++];
}

std::string KeyReader::findline(std::string_view key) {
    for (;;) {
        std::string line = readLine();
        if (atEnd()) {
            close();
            return kEofText;
        }
        if (line.find(key) != std::string::npos) return line;
    }
}

std::string KeyReader::getkeystring(std::string_view key) {
    std::string line = findline(key);
    if (!isOpen() && line == kEofText) return kEofText;
    return trim(std::string_view(line).substr(line.find(key) + key.size()));
}

double KeyReader::getkeyvalue(std::string_view key) {
    std::string text = getkeystring(key);
    if (!isOpen() && text == kEofText) return 0.0;
    return leadingNumber(text);
}

void KeyReader::getrow(int count, std::vector<double>& values) {
    if (static_cast<int>(values.size()) < count + 1) values.resize(count + 1, 0.0);
    int stored = 0;
    while (stored < count) {
        std::string line = readLine();
        std::size_t start = 0;
        for (;;) {
            std::size_t comma = line.find(',', start);
            if (comma == std::string::npos) {
                std::string last = trimRight(std::string_view(line).substr(start));
                if (stored < count && isNumeric(last)) values[++stored] = leadingNumber(last);
                break;
            }
            if (stored < count)
                values[++stored] =
                    leadingNumber(std::string_view(line).substr(start, comma - start));
            start = comma + 1;
        }
    }
}

double splitvalue(std::string& line) {
    std::string text = trim(line);
    char separator = text.find(',') != std::string::npos ? ',' : ' ';
    std::size_t at = text.find(separator);
    if (at == std::string::npos) {
        line.clear();
        return leadingNumber(text);
    }
    double value = leadingNumber(std::string_view(text).substr(0, at));
    line = trimLeft(std::string_view(text).substr(at + 1));
    return value;
}

} // namespace vardex
