#pragma once
// One sub-model: its horizontal zone grid, its vertical zones and the section assigned to each
// vertical zone out of its palette of sections.

#include <array>
#include <cstdint>
#include <string>

#include "app/KeyedList.h"

namespace vardex {

class Cgeom;

inline constexpr int kMaxLayers = 80;

class Csubmodel {
  public:
    std::int16_t scount = 0;
    std::string smodfile;
    std::string smodname;
    KeyedList<Cgeom> palette; // section k of the palette is entry k
    std::int16_t nx = 0;
    std::int16_t ny = 0;
    std::int16_t nz = 0;
    float dx = 0;
    float dy = 0;
    float dz = 0;
    // Display colour of the sub-model as a type of an integrated model.
    std::int32_t color = 16777215;

    // Section number of vertical zone z; 0 when z < 1.
    std::int16_t G_secnumber(int z) const;
    // Ignored when z < 1.
    void L_secnumber(int z, std::int16_t section);
    // Material number of zone (i, j) of palette section s; 0 when s < 1.
    std::int16_t getvalarray(int s, int i, int j) const;
    // Ignored when s < 1.
    void L_valarray(int s, int i, int j, std::int16_t value);

    // Vertical length: nz zones of dz metres.
    float length() const { return static_cast<float>(nz) * dz; }

  private:
    std::array<std::int16_t, kMaxLayers> layers_{};
};

} // namespace vardex
