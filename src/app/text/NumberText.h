#pragma once
// Number conversions shared by every reader and writer of the program's text files.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vardex {

// A failed read or conversion inside a reader; each reader catches it in one place.
class ReadError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Leading-number rule: the longest leading part of the text that reads as a decimal number
// (optional sign, digits, optional point and digits, optional exponent; blanks inside are
// skipped) is the value; no such part gives 0.
double leadingNumber(std::string_view text);

// True when the whole text, trimmed of blanks, is a decimal number (empty text is not).
bool isNumeric(std::string_view text);

// Nearest integer, halves to the even neighbour.
double roundHalfEven(double value);

// Rounded (halves to even) and range-checked conversions; out of range or not finite throws
// ReadError, never wraps.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

// Blanks (spaces and tabs) removed from both ends, the left end or the right end.
std::string trim(std::string_view text);
std::string trimLeft(std::string_view text);
std::string trimRight(std::string_view text);

} // namespace vardex
