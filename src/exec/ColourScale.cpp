#include "exec/ColourScale.h"

#include <cmath>

#include "platform/Canvas.h"
#include "text/NumberText.h"

namespace vardex {

int ColourScale::classOf(float temperature) const {
    int found = 1;
    for (int i = 1; i <= classes(); ++i)
        if (temperature >= levels[i - 1]) found = i;
    return found;
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
        const int g = static_cast<int>(roundHalfEven(i * 255.0 / n));
        s.colours.push_back(rgb(g, g, 255 - static_cast<int>(roundHalfEven(g / 3.0))));
    }
    return s;
}

} // namespace vardex
