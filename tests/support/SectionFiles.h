#pragma once
// Section files for tests, written through the program's own section writer.

#include <string>
#include <vector>

#include "app/AppState.h"

namespace vardex::testing {

struct MaterialContent {
    std::string name;
    float conductivity = 1.0f;
    float specificHeat = 0.9f;
    float density = 2000.0f;
    float heatProduction = 0.0f;
};

struct SectionContent {
    std::string name = "Section";
    int nx = 3, ny = 2;
    float dx = 0.5f, dy = 0.5f;
    std::vector<std::vector<int>> rows{{1, 1, 2}, {2, 2, 1}}; // rows[j - 1][i - 1]
    std::vector<MaterialContent> materials{{"Soil"}, {"Concrete", 2.0f, 0.87f, 2300.0f, 5.0f}};
};

// Writes the section to path with write_Secfile (a section without composites) and returns
// the path.
std::string writeSectionFile(AppState& app, const std::string& path, const SectionContent& content);

} // namespace vardex::testing
