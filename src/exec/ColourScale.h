#pragma once
// The colour classes of a temperature field: n levels spread around the field's centre by its
// mean absolute deviation, shaded from dark blue to near white.

#include <cstdint>
#include <vector>

#include "exec/TemperatureField.h"

namespace vardex {

inline constexpr int kColourClasses = 30;

struct ColourScale {
    float meanDeviation = 0;
    float maximum = -14;
    float minimum = 2000;
    float spread = 0;
    float centre = 0;
    float lowest = 0;
    float step = 0;
    std::vector<float> levels;         // levels[i - 1]: lower bound of class i
    std::vector<std::int32_t> colours; // colours[i - 1]: colour of class i

    int classes() const { return static_cast<int>(levels.size()); }
    // The highest class whose level the temperature reaches; class 1 below level 1.
    int classOf(float temperature) const;
    std::int32_t colourOf(float temperature) const { return colours[classOf(temperature) - 1]; }
};

// n outside 2..29 becomes 30.
ColourScale makeColourScale(const TemperatureField& field, int n = kColourClasses);

} // namespace vardex
