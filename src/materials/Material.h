#pragma once
// One material: a named set of thermal properties with a display colour.

#include <cstdint>
#include <string>

namespace vardex {

// Material numbers run 1..99: 1..30 plain materials, 31 and up the composites of a section.
inline constexpr int kMaterialSlots = 99;
inline constexpr int kPlainMaterials = 30;

// Red, green and blue 160: the colour a new material starts with.
inline constexpr std::int32_t kNewMaterialColor = 160 + 256 * 160 + 65536 * 160;

struct Material {
    std::string name;
    std::int32_t color = 0;      // red + 256 * green + 65536 * blue
    float conductivity = 0.0f;   // W/m C
    float specificHeat = 0.0f;   // kJ/kg C
    float density = 0.0f;        // kg/m3
    float heatProduction = 0.0f; // kJ/kg
    // 0 for a fill; otherwise a form whose thickness (or diameter) is the absolute value,
    // negative for a horizontal form and positive for a vertical one.
    float characteristicSize = 0.0f;

    bool operator==(const Material&) const = default;
};

} // namespace vardex
