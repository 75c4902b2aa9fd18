#include "materials/RequiredKey.h"

namespace vardex {

std::string requireLine(KeyReader& file, std::string_view key) {
    std::string line = file.findline(key);
    // findline closes the file only when it meets the last line.
    if (!file.isOpen()) throw ReadError("Input past end of file");
    return line;
}

std::string requireKeyString(KeyReader& file, std::string_view key) {
    std::string line = requireLine(file, key);
    return trim(std::string_view(line).substr(line.find(key) + key.size()));
}

double requireKeyValue(KeyReader& file, std::string_view key) {
    return leadingNumber(requireKeyString(file, key));
}

} // namespace vardex
