#include "exec/ColourScale.h"

#include <algorithm>
#include <cmath>

#include "text/NumberText.h"

namespace vardex {
namespace {

std::int32_t classColour(int i, int n) {
    const int g = static_cast<int>(roundHalfEven(i * 255.0 / n));
    return rgb(g, g, 255 - static_cast<int>(roundHalfEven(g / 3.0)));
}

std::string cellCount(std::size_t n) {
    return n == 1 ? "1 cell" : std::to_string(n) + " cells";
}

} // namespace

int ColourScale::classOf(float temperature) const {
    if (temperature < bottom()) return 0;
    if (temperature > top) return classes() + 1;
    int found = 1;
    for (int i = 1; i <= classes(); ++i)
        if (temperature >= levels[i - 1]) found = i;
    return found;
}

std::int32_t ColourScale::colourOf(float temperature) const {
    const int c = classOf(temperature);
    if (c == 0) return kBelowColour;
    if (c > classes()) return kAboveColour;
    return colours[c - 1];
}

ColourScale makeColourScale(const TemperatureField& field, int n) {
    if (n < 2 || n > 29) n = kColourClasses;
    ColourScale s;
    double deviation = 0;
    for (float t : field.values()) {
        deviation += std::abs(t - field.average);
        if (t > s.maximum) s.maximum = t;
        if (t < s.minimum) s.minimum = t;
    }
    if (!field.empty()) deviation /= static_cast<double>(field.values().size());
    s.meanDeviation = static_cast<float>(deviation);
    s.spread = s.meanDeviation * 4.5f;
    s.centre = (s.maximum + field.average + s.minimum) / 3;
    s.lowest = static_cast<float>(roundHalfEven(s.centre - s.spread / 2));
    s.step = static_cast<float>(static_cast<long long>(roundHalfEven(s.spread * 3.1 / n)) / 3);
    if (s.step == 0) s.step = 0.25f;
    for (int i = 1; i <= n; ++i) {
        s.levels.push_back(static_cast<float>(i) * s.step + s.lowest);
        s.colours.push_back(classColour(i, n));
    }
    s.top = s.levels.back() + s.step;
    return s;
}

ColourScale makeFullRangeScale(const TemperatureField& field, int n) {
    if (n < 2) n = kColourClasses;
    ColourScale s;
    if (!field.empty()) {
        const auto [low, high] = std::minmax_element(field.values().begin(), field.values().end());
        s.minimum = *low;
        s.maximum = *high;
    } else {
        s.minimum = s.maximum = 0;
    }
    s.lowest = s.minimum;
    s.top = s.maximum;
    if (s.top <= s.lowest) {
        s.lowest -= 0.5f;
        s.top += 0.5f;
    }
    s.step = (s.top - s.lowest) / static_cast<float>(n);
    for (int i = 1; i <= n; ++i) {
        s.levels.push_back(s.lowest + static_cast<float>(i - 1) * s.step);
        s.colours.push_back(classColour(i, n));
    }
    return s;
}

ScaleLegend makeLegend(const ColourScale& scale, ScaleChoice choice, const TemperatureField& field,
                       const DisplayUnits& units) {
    constexpr int kLabelled = 6;
    ScaleLegend legend;
    const std::string unit = units.temperatureUnit();
    legend.title =
        std::string(choice == ScaleChoice::FullRange ? kFullRangeCaption : kSpecifiedCaption) +
        ", " + unit;
    const double bottom = scale.bottom(), top = scale.top;
    for (int j = 0; j < kLabelled; ++j) {
        const double fraction = static_cast<double>(j) / (kLabelled - 1);
        legend.ticks.push_back(
            {fraction, units.temperatureText(bottom + fraction * (top - bottom))});
    }
    std::size_t below = 0, above = 0;
    for (float t : field.values()) {
        const int c = scale.classOf(t);
        if (c == 0) ++below;
        if (c > scale.classes()) ++above;
    }
    legend.above = std::string(kAboveColourName) + ": above " + units.temperatureText(top) + " " +
                   unit + " (" + cellCount(above) + ")";
    legend.below = std::string(kBelowColourName) + ": below " + units.temperatureText(bottom) +
                   " " + unit + " (" + cellCount(below) + ")";
    return legend;
}

} // namespace vardex
