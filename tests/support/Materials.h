#pragma once
// A materials list for tests: a fill, a horizontal form and a vertical form.

#include <vector>

#include "materials/Material.h"

namespace vardex::testing {

inline std::vector<Material> threeMaterials() {
    return {
        {"Concrete", kNewMaterialColor, 1.8f, 1.05f, 2400.0f, 0.9f, 0.0f},
        {"Plywood form", 65535, 0.13f, 1.2f, 600.0f, 0.0f, -0.3f},
        {"Steel", 8421504, 45.0f, 0.46f, 7850.0f, 0.0f, 0.3f},
    };
}

} // namespace vardex::testing
