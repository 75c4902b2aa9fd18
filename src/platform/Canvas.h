#pragma once
// A drawing area with a user coordinate system. Mouse events reach the owner's controller in the
// same user coordinates through the view.

#include <cstdint>

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
};

} // namespace vardex
