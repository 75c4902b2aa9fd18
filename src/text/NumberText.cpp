#include "text/NumberText.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace vardex {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the longest prefix of s that is a decimal number; 0 when there is none.
std::size_t numberPrefix(std::string_view s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) ++i, ++digits;
    }
    if (digits == 0) return 0;
    std::size_t mantissaEnd = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        std::size_t expDigits = 0;
        while (j < s.size() && isDigit(s[j])) ++j, ++expDigits;
        if (expDigits > 0) return j;
    }
    return mantissaEnd;
}

// A value too small for a double underflows towards 0, which is its nearest value; one too
// large has no nearest value.
double parseNumber(std::string text) {
    for (char& c : text)
        if (c == 'd' || c == 'D') c = 'E';
    double value = std::strtod(text.c_str(), nullptr);
    if (!std::isfinite(value)) throw ReadError("Overflow: " + text);
    return value;
}

} // namespace

double leadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) compact.push_back(c);
    std::size_t n = numberPrefix(compact);
    if (n == 0) return 0.0;
    return parseNumber(compact.substr(0, n));
}

bool isNumeric(std::string_view text) {
    std::string t = trim(text);
    while (!t.empty() && isBlank(t.back())) t.pop_back();
    return !t.empty() && numberPrefix(t) == t.size();
}

std::optional<double> numericValue(std::string_view text) {
    if (!isNumeric(text)) return std::nullopt;
    try {
        return leadingNumber(text);
    } catch (const ReadError&) {
        return std::nullopt;
    }
}

double typedNumber(std::string_view text) {
    try {
        const double value = leadingNumber(text);
        return std::abs(value) <= std::numeric_limits<float>::max() ? value : 0.0;
    } catch (const ReadError&) {
        return 0.0;
    }
}

bool isTypedNumber(std::string_view text) {
    if (!isNumeric(text)) return false;
    try {
        return std::abs(leadingNumber(text)) <= std::numeric_limits<float>::max();
    } catch (const ReadError&) {
        return false;
    }
}

double roundHalfEven(double value) {
    if (!std::isfinite(value)) return value;
    double floor = std::floor(value);
    double diff = value - floor;
    if (diff < 0.5) return floor;
    if (diff > 0.5) return floor + 1.0;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

std::int16_t toInt16(double value) {
    double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max())
        throw ReadError("Overflow");
    return static_cast<std::int16_t>(r);
}

std::int32_t toInt32(double value) {
    double r = roundHalfEven(value);
    if (!std::isfinite(r) || r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max())
        throw ReadError("Overflow");
    return static_cast<std::int32_t>(r);
}

float toFloat32(double value) {
    if (std::isnan(value)) throw ReadError("Overflow");
    if (std::fabs(value) > std::numeric_limits<float>::max()) throw ReadError("Overflow");
    return static_cast<float>(value);
}

std::string trimLeft(std::string_view text) {
    std::size_t b = 0;
    while (b < text.size() && (text[b] == ' ' || text[b] == '\t')) ++b;
    return std::string(text.substr(b));
}

std::string trimRight(std::string_view text) {
    std::size_t e = text.size();
    while (e > 0 && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
    return std::string(text.substr(0, e));
}

std::string trim(std::string_view text) {
    return trimLeft(trimRight(text));
}

} // namespace vardex
