#include "text/NumberFormat.h"

#include <cmath>
#include <cstdio>

namespace vardex {

std::string formatNumber(double value, std::string_view pattern) {
    std::size_t point = pattern.find('.');
    std::string_view intPart = pattern.substr(0, point);
    std::string_view fracPart = point == std::string_view::npos ? "" : pattern.substr(point + 1);
    int minInt = 0;
    for (char c : intPart) minInt += c == '0';
    int minFrac = 0;
    int maxFrac = static_cast<int>(fracPart.size());
    for (char c : fracPart) minFrac += c == '0';

    // Round half away from zero on the decimal value, as the runtime does.
    double scale = std::pow(10.0, maxFrac);
    double magnitude = std::round(std::abs(value) * scale * (1 + 1e-15)) / scale;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", maxFrac, magnitude);
    std::string digits = buf;
    std::string whole = digits.substr(0, digits.find('.'));
    std::string frac = maxFrac > 0 ? digits.substr(digits.find('.') + 1) : "";
    while (static_cast<int>(frac.size()) > minFrac && frac.back() == '0') frac.pop_back();
    if (whole == "0" && minInt == 0) whole.clear();
    while (static_cast<int>(whole.size()) < minInt) whole.insert(0, "0");

    std::string text = whole;
    if (point != std::string_view::npos) text += "." + frac;
    bool negative = value < 0 && magnitude != 0;
    return negative ? "-" + text : text;
}

} // namespace vardex
