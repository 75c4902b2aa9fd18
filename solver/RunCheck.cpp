#include "RunCheck.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zolter {
namespace {

std::string format(const char* pattern, double a, double b = 0.0, double c = 0.0, double d = 0.0) {
    char text[256];
    std::snprintf(text, sizeof text, pattern, a, b, c, d);
    return text;
}

} // namespace

RunCheck checkRun(const HeatBalance& b, const TemperatureRange& r) {
    RunCheck check;
    constexpr double kMJ = 1e-6;
    // Without concrete the heat that crossed the held faces is what a fault would be measured
    // against.
    const bool anyReleased = b.released > 0.0;
    const double basis = anyReleased ? b.released : b.heldCrossed;
    const char* basisName = anyReleased ? "the heat released" : "the heat through held faces";
    const double share = basis > 0.0 ? std::fabs(b.imbalance()) / basis : 0.0;
    check.log.push_back(
        format("heat balance: released %.6g MJ, change of heat content %.6g MJ, in through held "
               "faces %.6g MJ, imbalance %.3g MJ",
               b.released * kMJ, b.contentChange * kMJ, b.heldInflow * kMJ, b.imbalance() * kMJ) +
        format(" (%.3g %% of ", 100.0 * share) + basisName + ")");
    if (std::fabs(b.imbalance()) > kBalanceShare * basis)
        check.warnings.push_back(format("the heat balance is off by %.3g %% of ", 100.0 * share) +
                                 basisName + format(" (%.3g %% allowed)", 100.0 * kBalanceShare));

    check.log.push_back(
        format("temperatures: lowest %.3f C, highest %.3f C; the initial, held-face "
               "and adiabatic temperatures allow %.3f to %.3f C",
               r.lowest, r.highest, r.allowedLowest, r.allowedHighest));
    if (r.lowest < r.allowedLowest - r.slack || r.highest > r.allowedHighest + r.slack)
        check.warnings.push_back(
            format("temperatures left the range the initial, held-face and adiabatic temperatures "
                   "allow (lowest %.3f C, highest %.3f C, allowed %.3f to %.3f C); a shorter time "
                   "step keeps them within it",
                   r.lowest, r.highest, r.allowedLowest, r.allowedHighest));
    return check;
}

} // namespace zolter
