#pragma once
// (time, value) points of a time-series file, read with the runtime's list input.

#include <string>
#include <vector>

#include "text/ListInput.h"

namespace vardex {

struct SeriesPoint {
    float time = 0;
    float value = 0;
};

// Reads up to `count` points into `points` (appending). Returns 0 when all were read, otherwise
// the 1-based number of the point that was not found (the file ended, or an item was not a
// number); the points before it stay.
int readSeriesPoints(ListInput& input, int count, std::vector<SeriesPoint>& points);

} // namespace vardex
