#pragma once
// The trace of a sounding: each reading's average temperature across, its order down.

#include "platform/Canvas.h"
#include "sounding/Csounding.h"

namespace vardex {

inline constexpr std::int32_t kTraceColor = 0; // black on the drawing's own background

// One point per reading on a drawing area of its own pixel size: reading i of N at
// y = i / N * H, and x spread over the width between the lowest and the highest average (a
// twentieth of the width kept free at each side; one average alone stands in the middle).
void drawSoundingTrace(const Csounding& sounding, Canvas& canvas);

} // namespace vardex
