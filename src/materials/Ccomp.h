#pragma once
// A composite: a mixture of two materials in whole sixths, with the key that names the mixture
// and the numbering of composites after the plain materials.

#include <cstdint>
#include <memory>
#include <string>

#include "materials/Material.h"

namespace vardex {

class Ccomp {
  public:
    std::string key; // also the composite material's name
    float conductivity = 0.0f;
    float specificHeat = 0.0f;
    float density = 0.0f;
    float heatProduction = 0.0f;
    float characteristicSize = 0.0f; // set only when read from a section file
    std::int32_t color = 0;
    std::int16_t number = 0; // material number, from matl_number
};

// The key of the mixture holding s sixths of material a (1 <= s <= 5) and the rest of material
// b. The larger material number is named first (b on equal numbers) and the digit is the first
// material's share, so (a, b, s) and (b, a, 6 - s) give the same key. Each name contributes at
// most 20 characters to a 40-character field padded with blanks; the digit follows and the
// whole is trimmed.
std::string get_compkey(std::int16_t a, const std::string& nameA, std::int16_t b,
                        const std::string& nameB, int s);

// The composite record of material slot `number`: key and properties taken from the slot.
std::shared_ptr<Ccomp> compositeFromSlot(const Material& slot, std::int16_t number);

// Material number of composite n: n plus the composite offset, so composite 1 is material 31.
std::int16_t matl_number(int n);

} // namespace vardex
