#pragma once
// The colour classes of a temperature field, shaded from dark blue to near white, with distinct
// colours for cells beyond either end. Two choices: "Full range" spreads the classes evenly from
// the field's lowest to its highest temperature; the specified scale spreads them around the
// field's centre by its mean absolute deviation.

#include <cstdint>
#include <string>
#include <vector>

#include "app/DisplayUnits.h"
#include "exec/TemperatureField.h"
#include "platform/Canvas.h"

namespace vardex {

inline constexpr int kColourClasses = 30;

enum class ScaleChoice { FullRange, Specified };
inline constexpr const char* kFullRangeCaption = "Full range";
inline constexpr const char* kSpecifiedCaption = "Specified scale";

// Colours no class takes, so a cell beyond the scale cannot pass for one inside it.
inline constexpr std::int32_t kBelowColour = rgb(255, 0, 255);
inline constexpr const char* kBelowColourName = "magenta";
inline constexpr std::int32_t kAboveColour = rgb(220, 0, 0);
inline constexpr const char* kAboveColourName = "red";

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
    float top = 0;                     // upper bound of the last class

    int classes() const { return static_cast<int>(levels.size()); }
    float bottom() const { return levels.front(); }
    // The highest class whose level the temperature reaches; 0 below level 1 and classes() + 1
    // above the top.
    int classOf(float temperature) const;
    std::int32_t colourOf(float temperature) const;
};

// The specified scale; n outside 2..29 becomes 30.
ColourScale makeColourScale(const TemperatureField& field, int n = kColourClasses);
// n equal classes from the field's lowest to its highest temperature (a uniform field gets one
// degree around its value).
ColourScale makeFullRangeScale(const TemperatureField& field, int n = kColourClasses);

struct LegendTick {
    double fraction = 0; // place along the class bar: 0 its bottom, 1 its top
    std::string label;   // the temperature there, in the units shown
};

struct ScaleLegend {
    std::string title; // the scale's choice and unit, e.g. "Full range, °C"
    std::vector<LegendTick> ticks;
    std::string below, above; // the end colours, named with their bounds and how many cells
};

// Six labelled levels evenly over the bar, bottom first; cells counted over the whole field.
ScaleLegend makeLegend(const ColourScale& scale, ScaleChoice choice, const TemperatureField& field,
                       const DisplayUnits& units);

} // namespace vardex
