#include "section/ZoneResampling.h"

#include <algorithm>
#include <cmath>

namespace vardex {
namespace {

// The 1-based old zone holding the centre of new zone n, or 0 outside the old zones.
int oldZoneUnder(int n, double newSize, double oldSize, int oldCount) {
    const double centre = (n - 0.5) * newSize;
    const double k = std::floor(centre / oldSize) + 1;
    return k >= 1 && k <= oldCount ? static_cast<int>(k) : 0;
}

} // namespace

ZoneGrid resampleZones(const ZoneGrid& values, const GridShape& from, const GridShape& to) {
    if (!(from.dx > 0 && from.dy > 0) || from.nx < 1 || from.ny < 1) return values;
    ZoneGrid resampled;
    for (int j = 1; j <= to.ny && j <= kMaxZones; ++j) {
        const int oldJ = oldZoneUnder(j, to.dy, from.dy, std::min(from.ny, kMaxZones));
        for (int i = 1; i <= to.nx && i <= kMaxZones; ++i) {
            const int oldI = oldZoneUnder(i, to.dx, from.dx, std::min(from.nx, kMaxZones));
            if (oldI > 0 && oldJ > 0) resampled.setValue(i, j, values.value(oldI, oldJ));
        }
    }
    return resampled;
}

} // namespace vardex
