#include "exec/TimePointCount.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {

int readTimePointCount(ListInput& in) {
    const double count = in.readNumber();
    constexpr double most = std::numeric_limits<std::int32_t>::max();
    if (!(count >= 1) || count > most || count != std::floor(count))
        throw ReadError("the count of time points, " + plainDigits(count) +
                        ", is not a whole number from 1 to " + plainDigits(most));
    return static_cast<int>(count);
}

void expectTimePoint(const ListInput& in, int point, int count) {
    if (in.atEnd())
        throw ReadError("the file ends after " + plainDigits(point - 1) + " of the " +
                        plainDigits(count) + " time points it announces");
}

} // namespace vardex
