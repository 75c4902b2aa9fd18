#pragma once
// The heat-transfer coefficient U of a face from the air film and the layers in front of the
// concrete (formwork, insulation, blankets), all in series.

#include <array>
#include <string>
#include <vector>

namespace vardex {

struct InsulationLayer {
    std::string name;
    double thickness = 0.0;    // m
    double conductivity = 0.0; // W/(m C)
};

struct LayerPreset {
    const char* name;
    double conductivity; // W/(m C), a typical dry value
};

inline constexpr std::array<LayerPreset, 5> kLayerPresets{{
    {"Plywood", 0.12},
    {"Polystyrene foam", 0.035},
    {"Insulating blanket", 0.04},
    {"Steel form", 50.0},
    {"Other", 0.0}, // the conductivity is asked for
}};

// 1 / (1/film + sum of thickness/conductivity): W/(m2 C). 0 when the film coefficient is 0 or
// below (no exchange); a layer without a positive conductivity blocks the flow as well.
double seriesCoefficient(double film, const std::vector<InsulationLayer>& layers);

} // namespace vardex
