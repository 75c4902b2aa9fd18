#pragma once
// Numbers as the solver's output files write them.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace zolter {

// Five decimals, as fields and histories carry temperatures: the text of std::to_chars (fixed,
// 5), which rounds the exact binary value. Fields have half a million numbers, so the usual case
// is formatted from the scaled integer; values near a rounding tie, very large or not finite go
// to std::to_chars.
inline void appendFixed(std::string& out, double v) {
    const double y = std::fabs(v) * 1e5;
    const double whole = std::floor(y);
    const double fraction = y - whole;
    if (!(y < 1e12) || std::fabs(fraction - 0.5) < 1e-3) {
        char buf[400];
        const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 5);
        out.append(buf, res.ptr);
        return;
    }
    std::uint64_t q = std::uint64_t(whole) + (fraction > 0.5 ? 1 : 0);
    char buf[32];
    char* end = buf + sizeof buf;
    char* p = end;
    for (int d = 0; d < 5; ++d, q /= 10) *--p = char('0' + q % 10);
    *--p = '.';
    do {
        *--p = char('0' + q % 10);
        q /= 10;
    } while (q > 0);
    if (std::signbit(v)) *--p = '-';
    out.append(p, end);
}

// The shortest text that reads back as the same number, as times are written.
inline void appendShortest(std::string& out, double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

} // namespace zolter
