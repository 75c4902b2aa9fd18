#pragma once
// What a fill asks of the section editor's window when it ends.

namespace vardex {

class PainterView {
  public:
    virtual ~PainterView() = default;
    // Selects the point-wise fill, which releases the other fill buttons.
    virtual void selectPointwiseFill() = 0;
    // Draws every zone in its material's colour, refreshing the colour grid.
    virtual void redrawGrid() = 0;
    // Makes the rectangular, cylindrical and point-wise fills available and visible.
    virtual void showObjectFills() = 0;
};

} // namespace vardex
