#pragma once
// Number conversions shared by every reader and writer of the program's text files.

#include <cstdint>
#include <optional>
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
// skipped) is the value; no such part gives 0. A number beyond the range of a double throws
// ReadError: a mistyped exponent must not become 0 or infinity.
double leadingNumber(std::string_view text);

// True when the whole text, trimmed of blanks, is a decimal number (empty text is not).
bool isNumeric(std::string_view text);

// The value of a text that is wholly a number within the range of a double; nothing otherwise.
// For answers typed by the user, where a number that does not fit is simply not an answer.
std::optional<double> numericValue(std::string_view text);

// The leading-number rule for what a user typed into a box or a prompt. A number that does not
// fit a 32-bit float (a mistyped exponent) counts as no number: it reads as 0, never as infinity
// and never as an error, and isTypedNumber says it is not a number, so the window's own rule for
// a non-number answer applies.
double typedNumber(std::string_view text);
bool isTypedNumber(std::string_view text);

// Nearest integer, halves to the even neighbour.
double roundHalfEven(double value);

// Rounded (halves to even) and range-checked conversions; out of range or not finite throws
// ReadError, never wraps.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);
// A 32-bit float field: beyond its range throws ReadError (the plain conversion is undefined).
float toFloat32(double value);

// Blanks (spaces and tabs) removed from both ends, the left end or the right end.
std::string trim(std::string_view text);
std::string trimLeft(std::string_view text);
std::string trimRight(std::string_view text);

} // namespace vardex
