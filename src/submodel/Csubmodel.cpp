#include "submodel/Csubmodel.h"

#include <stdexcept>

#include "section/Cgeom.h"

namespace vardex {

std::int16_t Csubmodel::G_secnumber(int z) const {
    if (z < 1) return 0;
    if (z > kMaxLayers) throw std::out_of_range("Subscript out of range");
    return layers_[z - 1];
}

void Csubmodel::L_secnumber(int z, std::int16_t section) {
    if (z < 1) return;
    if (z > kMaxLayers) throw std::out_of_range("Subscript out of range");
    layers_[z - 1] = section;
}

std::int16_t Csubmodel::getvalarray(int s, int i, int j) const {
    if (s < 1) return 0;
    return palette.item(s)->g_valarray(i, j);
}

void Csubmodel::L_valarray(int s, int i, int j, std::int16_t value) {
    if (s < 1) return;
    palette.item(s)->L_valarray(i, j, value);
}

} // namespace vardex
