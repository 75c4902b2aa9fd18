#pragma once
// How much of a zone a box or a circle covers. Zone (i, j) of dx by dy metres covers x from
// (i - 1) dx to i dx and y from (j - 1) dy to j dy. All in 32-bit floats, as the section holds
// its sizes.

#include <optional>

namespace vardex {

struct FillBox {
    float x1, x2; // x1 <= x2
    float y1, y2;
};

// Fraction of zone (i, j) the box covers, or nothing when the box does not reach into the zone
// (touching an edge is not reaching in). Each edge of the box inside the zone takes its share
// off in turn: top, right, left, bottom.
std::optional<float> boxCoverage(const FillBox& box, int i, int j, float dx, float dy);

struct Radii {
    float rmax; // distance of the farthest corner
    float rmin; // distance of the nearest corner
};

// Corner distances of zone (i, j) from (x0, y0). rmin is a corner distance even when the centre
// lies within the zone's x or y range.
Radii get_radii(float x0, float y0, int i, int j, float dx, float dy);

// Fraction of a zone with corner distances r covered by a circle of radius R, for
// r.rmin < R < r.rmax: a blend of a linear crossing (edge crossing the zone squarely) and a
// sine-squared one (a diagonal crossing), weighed by how far the spread rmax - rmin is from dx.
float cylinderCoverage(float R, const Radii& r, float dx);

} // namespace vardex
