#pragma once
// What a finished run is checked by before it is reported a success: the heat balance and the
// range of its temperatures. A failed check is a warning: the outputs stay, the user is told.

#include <string>
#include <vector>

#include "Simulation.h"

namespace zolter {

// An imbalance beyond this share of the heat released is a fault of the solve.
inline constexpr double kBalanceShare = 1e-3;

struct RunCheck {
    std::vector<std::string> log;      // the balance and the range, for the log
    std::vector<std::string> warnings; // what failed, one line each
};

RunCheck checkRun(const HeatBalance& balance, const TemperatureRange& range);

} // namespace zolter
