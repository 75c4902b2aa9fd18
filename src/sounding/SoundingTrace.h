#pragma once
// The trace of a sounding: each reading's average temperature across, its depth down, inside
// axes with their units and ticks.

#include <vector>

#include "app/DisplayUnits.h"
#include "platform/Canvas.h"
#include "sounding/Csounding.h"

namespace vardex {

inline constexpr std::int32_t kTraceColor = 0; // black on the drawing's own background
inline constexpr std::int32_t kAxisColor = rgb(90, 90, 90);

struct TracePoint {
    double depth = 0;       // m
    double temperature = 0; // °C
};

// The readings in list order, so a trace can be drawn again after the sounding is gone.
std::vector<TracePoint> tracePoints(const Csounding& sounding);

// Tick values at 1, 2 or 5 times a power of ten, covering low..high with about `count` steps:
// the first at or below low, the last at or above high.
std::vector<double> niceTicks(double low, double high, int count);

// Draws the trace on a drawing area of its own pixel size: a frame inside margins for the
// labels, temperature ticks along the top, depth ticks down the left (0 at the top), and one
// point per reading joined by lines, every point inside the frame.
void drawSoundingTrace(const std::vector<TracePoint>& points, Canvas& canvas,
                       const DisplayUnits& units);

} // namespace vardex
