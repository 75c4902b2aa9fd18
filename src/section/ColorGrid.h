#pragma once
// The display colour of each zone of the section being edited, 80 by 80, addressed (i, j) from 1.

#include <array>
#include <cstdint>
#include <stdexcept>

#include "section/ZoneGrid.h"

namespace vardex {

class ColorGrid {
  public:
    // i or j outside 1..80 throws std::out_of_range like a subscript error.
    std::int32_t color(int i, int j) const { return colors_[index(i, j)]; }
    void setColor(int i, int j, std::int32_t color) { colors_[index(i, j)] = color; }

  private:
    static std::size_t index(int i, int j) {
        if (i < 1 || i > kMaxZones || j < 1 || j > kMaxZones)
            throw std::out_of_range("Subscript out of range");
        return static_cast<std::size_t>((j - 1) * kMaxZones + (i - 1));
    }
    std::array<std::int32_t, kMaxZones * kMaxZones> colors_{};
};

} // namespace vardex
