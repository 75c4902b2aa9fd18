#pragma once
// The seven property lines of a material, the same in materials files and section files.

#include <string>
#include <string_view>
#include <vector>

#include "materials/Material.h"
#include "text/KeyReader.h"

namespace vardex {

// "material name=", "material color=", "thermal conductivity=", "specific heat=", "density=",
// "heat production=", "characteristic size=", each value at the next print zone.
std::vector<std::string> materialPropertyLines(const Material& material);

// The key each reader searches for, property by property. Keys are found as substrings, forward
// only, so a key of "=" takes the next line holding "=" whatever its name.
struct MaterialKeys {
    std::string_view name;
    std::string_view color;
    std::string_view conductivity;
    std::string_view specificHeat;
    std::string_view density;
    std::string_view heatProduction;
    std::string_view characteristicSize;
};

// Materials files read by the section geometry: the five numbers are taken by position.
inline constexpr MaterialKeys kMaterialsFileKeys{"name=", "color=", "=", "=", "=", "=", "="};
// Section files: fragments of the writer's keys, in the writer's order.
inline constexpr MaterialKeys kSectionFileKeys{
    "name=", "color=", "conductivity=", "heat=", "density=", "production=", "size="};
// The materials editor: every value from the next line holding "=".
inline constexpr MaterialKeys kEditorKeys{"=", "=", "=", "=", "=", "=", "="};

// Reads the seven values in order, storing each as it is found; the colour is rounded, halves to
// even. Returns false when a key search met the last line of the file first: the values from
// there on are left as they were. A value that does not fit its field throws ReadError, unless
// `skipped` is given: then that property keeps what it held, its name and text are added to
// `skipped` ("density 1E+40") and reading goes on.
bool readMaterialLines(KeyReader& file, const MaterialKeys& keys, Material& material,
                       std::vector<std::string>* skipped = nullptr);

} // namespace vardex
