#include "section/ZoneCoverage.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace vardex {

std::optional<float> boxCoverage(const FillBox& box, int i, int j, float dx, float dy) {
    const float zx1 = static_cast<float>(i - 1) * dx;
    const float zx2 = static_cast<float>(i) * dx;
    const float zy1 = static_cast<float>(j - 1) * dy;
    const float zy2 = static_cast<float>(j) * dy;
    if (!(zx2 > box.x1 && zy2 > box.y1 && zx1 < box.x2 && zy1 < box.y2)) return std::nullopt;
    float f = 1.0f;
    if (zy2 > box.y2) f = 1.0f - (zy2 - box.y2) / dy;
    if (zx2 > box.x2) f = f * (1.0f - (zx2 - box.x2) / dx);
    if (box.x1 > zx1) f = f * (1.0f - (box.x1 - zx1) / dx);
    if (box.y1 > zy1) f = f * (1.0f - (box.y1 - zy1) / dy);
    return f;
}

Radii get_radii(float x0, float y0, int i, int j, float dx, float dy) {
    float ax = std::fabs(x0 - static_cast<float>(i - 1) * dx);
    float bx = std::fabs(x0 - static_cast<float>(i) * dx);
    if (ax > bx) std::swap(ax, bx);
    float ay = std::fabs(y0 - static_cast<float>(j - 1) * dy);
    float by = std::fabs(y0 - static_cast<float>(j) * dy);
    if (ay > by) std::swap(ay, by);
    return {std::sqrt(bx * bx + by * by), std::sqrt(ax * ax + ay * ay)};
}

float cylinderCoverage(float R, const Radii& r, float dx) {
    const float spread = r.rmax - r.rmin;
    const float t = (R - r.rmin) / spread;
    const float s = static_cast<float>(std::sin(std::numbers::pi * t / 2.0));
    const float w = dx / spread;
    const float blend = 2.0f * w * w - 1.0f;
    return (1.0f - blend) * s * s + blend * t;
}

} // namespace vardex
