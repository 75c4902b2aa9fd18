#pragma once
// The runtime's picture formats for numbers shown in boxes: "##0.0#", "##0.0##", "###.##",
// "#.000#". A "0" is a digit always shown, a "#" a digit shown only when significant.

#include <string>
#include <string_view>

namespace vardex {

// Rounds half away from zero at the last decimal place the pattern allows.
std::string formatNumber(double value, std::string_view pattern);

} // namespace vardex
