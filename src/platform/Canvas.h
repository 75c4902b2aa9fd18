#pragma once
// A drawing area with a user coordinate system. Mouse events reach the owner's controller in the
// same user coordinates through the view.

#include <cstdint>
#include <string>
#include <vector>

namespace vardex {

// Colours are red + 256 * green + 65536 * blue.
inline constexpr std::int32_t rgb(int red, int green, int blue) {
    return red + 256 * green + 65536 * blue;
}
inline constexpr std::int32_t kWhite = 16777215;

// Which point of a text its position names.
enum class TextAnchor { Left, Centre, Right, Top, Bottom };

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
    // One line of text in the drawing area's font at (x, y): Left starts it there, Right ends it
    // there, Centre centres it; Top hangs it below the point and Bottom stands it above (both
    // centred across), all centred vertically but Top and Bottom.
    virtual void text(double x, double y, const std::string& text, std::int32_t color,
                      TextAnchor anchor) = 0;

    // Fills columns x rows equal cells of cellWidth x cellHeight user units from (left, top),
    // colours row by row (the first row's columns first). A drawing area may draw the grid as one
    // image; by default each cell is a filled box.
    virtual void cellGrid(double left, double top, double cellWidth, double cellHeight, int columns,
                          int rows, const std::vector<std::int32_t>& colours) {
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                filledBox(left + c * cellWidth, top + r * cellHeight, left + (c + 1) * cellWidth,
                          top + (r + 1) * cellHeight,
                          colours[static_cast<std::size_t>(r) * columns + c]);
    }
};

} // namespace vardex
