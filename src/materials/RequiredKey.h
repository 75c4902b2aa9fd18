#pragma once
// Key searches for readers that must find their key: meeting the last line of the file instead
// (the key search closes the file there) is a read failure, so nothing is taken from it.

#include <string>
#include <string_view>

#include "text/KeyReader.h"

namespace vardex {

// The line holding the key; throws ReadError when the search reached the end of the file.
std::string requireLine(KeyReader& file, std::string_view key);
// The trimmed text after the key on that line.
std::string requireKeyString(KeyReader& file, std::string_view key);
// That text read by the leading-number rule.
double requireKeyValue(KeyReader& file, std::string_view key);

} // namespace vardex
