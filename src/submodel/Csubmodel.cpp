#include "submodel/Csubmodel.h"

#include <stdexcept>

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

} // namespace vardex
