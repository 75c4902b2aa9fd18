#pragma once
// A drawing area with a user coordinate system. Mouse events reach the owner's controller in the
// same user coordinates through the view.

#include <cstdint>
#include <vector>

namespace vardex {

// Colours are red + 256 * green + 65536 * blue.
inline constexpr std::int32_t rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}
inline constexpr std::int32_t kWhite = 16777215;

class Canvas {
  public:
    virtual ~Canvas() = default;
    // User coordinates of the left, top, right and bottom edges.
    virtual void setScale(double left, double top, double right, double bottom) = 0;
    // Size of the drawing in its own scale units (width and height of the user scale).
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    virtual void clear(std::int32_t background) = 0;
    virtual void line(double x1, double y1, double x2, double y2, std::int32_t color,
                      int width) = 0;
    virtual void box(double x1, double y1, double x2, double y2, std::int32_t color, int width) = 0;
    virtual void filledBox(double x1, double y1, double x2, double y2, std::int32_t color) = 0;
    virtual void point(double x, double y, std::int32_t color) = 0;

    // A grid of columns by rows cells of cellWidth by cellHeight user units, its top-left corner
    // at (left, top), the colours row by row from the top row. Drawn as one image where the
    // drawing area can, which keeps an 80 by 80 grid fast; the fallback draws filled boxes.
    virtual void cellGrid(double left, double top, double cellWidth, double cellHeight, int columns,
                          int rows, const std::vector<std::int32_t>& colors) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                filledBox(left + c * cellWidth, top + r * cellHeight, left + (c + 1) * cellWidth,
                          top + (r + 1) * cellHeight,
                          colors[static_cast<std::size_t>(r * columns + c)]);
    }
};

} // namespace vardex
