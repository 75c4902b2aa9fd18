// Numbers in the output files: the fast five-decimal text must be exactly std::to_chars's.

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "OutputText.h"

namespace zolter {
namespace {

std::string reference(double v) {
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 5);
    return std::string(buf, res.ptr);
}

std::string fast(double v) {
    std::string s;
    appendFixed(s, v);
    return s;
}

TEST(OutputText, FiveDecimalsAreExactlyTheStandardTextForTemperaturesTiesAndExtremes) {
    std::vector<double> values = {0.0,
                                  -0.0,
                                  1e-9,
                                  -1e-9,
                                  0.000005,
                                  -0.000005,
                                  0.000015,
                                  2.5e-6,
                                  19.999995,
                                  20.0,
                                  -273.15,
                                  0.1 + 0.2,
                                  123.456785,
                                  1e11,
                                  -1e11 - 0.5,
                                  1e12,
                                  3.7e15,
                                  1e300,
                                  -1e300,
                                  5e-324,
                                  std::numeric_limits<double>::infinity(),
                                  -std::numeric_limits<double>::infinity(),
                                  std::numeric_limits<double>::quiet_NaN()};
    // Exact ties in binary (k / 2^n with few bits) and their neighbours.
    for (int k = -4000; k <= 4000; ++k) {
        const double tie = (2 * k + 1) * 0.000005;
        values.push_back(tie);
        values.push_back(std::nextafter(tie, 1e9));
        values.push_back(std::nextafter(tie, -1e9));
        values.push_back(k / 1024.0);
    }
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> temperature(-60.0, 160.0);
    std::uniform_real_distribution<double> exponent(-12.0, 11.0);
    for (int n = 0; n < 200000; ++n) {
        values.push_back(temperature(rng));
        values.push_back(std::pow(10.0, exponent(rng)) * (n % 2 ? 1 : -1));
    }
    int mismatches = 0;
    for (double v : values)
        if (fast(v) != reference(v) && ++mismatches < 10)
            ADD_FAILURE() << reference(v) << " written as " << fast(v);
    EXPECT_EQ(mismatches, 0);
}

} // namespace
} // namespace zolter
