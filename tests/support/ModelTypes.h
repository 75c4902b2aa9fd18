#pragma once
// Sub-model types built in memory from section files, as a loaded model holds them.

#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "submodel/Csubmodel.h"
#include "support/SectionFiles.h"

namespace vardex::testing {

struct TypeContent {
    std::string name = "Type";
    int nz = 2;
    float dz = 1.0f;
    std::vector<int> layers{1, 1};
    std::vector<SectionContent> sections{SectionContent{}};
};

// Writes the type's section files into folder, reads them into a new sub-model record and
// appends it to the application's sub-model list.
std::shared_ptr<Csubmodel> addType(AppState& app, const std::string& folder,
                                   const TypeContent& content);

} // namespace vardex::testing
