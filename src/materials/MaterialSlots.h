#pragma once
// The 99 material slots of a table or editor, addressed by material number.

#include <array>
#include <stdexcept>

#include "materials/Material.h"

namespace vardex {

class MaterialSlots {
  public:
    // Material k; k outside 1..99 throws std::out_of_range like a subscript error.
    Material& operator[](int k) { return slots_[index(k)]; }
    const Material& operator[](int k) const { return slots_[index(k)]; }

  private:
    static std::size_t index(int k) {
        if (k < 1 || k > kMaterialSlots) throw std::out_of_range("Subscript out of range");
        return static_cast<std::size_t>(k - 1);
    }
    std::array<Material, kMaterialSlots> slots_{};
};

} // namespace vardex
