#pragma once
// Numbers as the solver's output files write them.

#include <charconv>
#include <string>

namespace zolter {

// Five decimals, as fields and histories carry temperatures.
inline void appendFixed(std::string& out, double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 5);
    out.append(buf, res.ptr);
}

// The shortest text that reads back as the same number, as times are written.
inline void appendShortest(std::string& out, double v) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

} // namespace zolter
