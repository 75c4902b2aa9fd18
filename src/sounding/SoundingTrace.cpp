#include "sounding/SoundingTrace.h"

#include <cmath>

namespace vardex {

void drawSoundingTrace(const Csounding& sounding, Canvas& canvas) {
    const int n = sounding.datapts();
    const double width = std::round(canvas.scaleWidth());
    const double height = std::round(canvas.scaleHeight());
    // In these units the trace keeps its place when the drawing area is resized.
    canvas.setScale(0, 0, width, height);
    const double margin = width / 20;
    const double span = static_cast<double>(sounding.highest) - sounding.lowest;
    for (int i = 1; i <= n; ++i) {
        const double average = sounding.datums.item(i)->dTavg;
        const double x = span > 0
                             ? margin + (average - sounding.lowest) / span * (width - 2 * margin)
                             : width / 2;
        canvas.point(x, static_cast<double>(i) / n * height, kTraceColor);
    }
}

} // namespace vardex
