#pragma once
// What the section editor keeps for painting between one fill and the next.

#include <cstdint>

#include "section/ColorGrid.h"

namespace vardex {

struct PainterState {
    std::int16_t currentMaterial = 1; // position in the material list plus 1
    float x0 = 0.0f;                  // centre of the last rectangular or cylindrical fill, metres
    float y0 = 0.0f;
    float radius = 0.0f; // of the last cylindrical fill, metres
    bool mouseDown = false;
    // The cylindrical-fill button as the view shows it: down while its fill runs.
    bool cylindricalFillDown = false;
    ColorGrid colors; // display colour of each zone
};

} // namespace vardex
