#include "support/SectionFiles.h"

#include <stdexcept>

#include "section/SectionEditorState.h"
#include "section/SectionFile.h"

namespace vardex::testing {

std::string writeSectionFile(AppState& app, const std::string& path,
                             const SectionContent& content) {
    SectionEditorState state;
    state.sectionName = content.name;
    state.nx = static_cast<std::int16_t>(content.nx);
    state.ny = static_cast<std::int16_t>(content.ny);
    state.dx = content.dx;
    state.dy = content.dy;
    for (int j = 1; j <= content.ny; ++j)
        for (int i = 1; i <= content.nx; ++i)
            state.values.setValue(i, j,
                                  static_cast<std::int16_t>(content.rows.at(j - 1).at(i - 1)));
    for (std::size_t k = 0; k < content.materials.size(); ++k) {
        const MaterialContent& m = content.materials[k];
        Material& slot = state.materials[static_cast<int>(k) + 1];
        slot.name = m.name;
        slot.conductivity = m.conductivity;
        slot.specificHeat = m.specificHeat;
        slot.density = m.density;
        slot.heatProduction = m.heatProduction;
    }
    if (!write_Secfile(app, state, path)) throw std::runtime_error("cannot write " + path);
    return path;
}

} // namespace vardex::testing
