#pragma once
// The zone values of a section: 80 by 80 material numbers addressed (i, j) from 1.

#include <array>
#include <cstdint>
#include <stdexcept>

namespace vardex {

inline constexpr int kMaxZones = 80; // along x and along y

class ZoneGrid {
  public:
    // i or j outside 1..80 throws std::out_of_range like a subscript error.
    std::int16_t value(int i, int j) const { return values_[index(i, j)]; }
    void setValue(int i, int j, std::int16_t v) { values_[index(i, j)] = v; }

  private:
    static std::size_t index(int i, int j) {
        if (i < 1 || i > kMaxZones || j < 1 || j > kMaxZones)
            throw std::out_of_range("Subscript out of range");
        return static_cast<std::size_t>((j - 1) * kMaxZones + (i - 1));
    }
    std::array<std::int16_t, kMaxZones * kMaxZones> values_{};
};

} // namespace vardex
