#pragma once
// A painted section laid onto a new grid, so that changing the zone counts or sizes keeps the
// picture where it was instead of squeezing it into a corner.

#include "section/ZoneGrid.h"

namespace vardex {

struct GridShape {
    int nx = 0;
    int ny = 0;
    double dx = 0; // metres
    double dy = 0;
};

// Each zone of the new grid takes the value of the old zone under its centre (composites
// included); a zone whose centre lies outside the old section is left unfilled (0). An old grid
// without size gives the values back unchanged.
ZoneGrid resampleZones(const ZoneGrid& values, const GridShape& from, const GridShape& to);

} // namespace vardex
