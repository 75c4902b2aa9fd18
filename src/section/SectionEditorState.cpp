#include "section/SectionEditorState.h"

#include <algorithm>

#include "section/Cgeom.h"

namespace vardex {

void copyMaterials(const Cgeom& geom, SectionEditorState& state) {
    // The characteristic size comes along: without it a form would be painted and saved as a
    // fill.
    for (int k = 1; k <= geom.m_count(); ++k) state.materials[k] = geom.material(k);
}

void copyGrid(const Cgeom& geom, SectionEditorState& state) {
    state.sectionName = geom.sectionname;
    state.nx = geom.nx;
    state.ny = geom.ny;
    state.dx = static_cast<float>(geom.dx);
    state.dy = static_cast<float>(geom.dy);
    for (int j = 1; j <= std::min<int>(geom.ny, kMaxZones); ++j)
        for (int i = 1; i <= std::min<int>(geom.nx, kMaxZones); ++i)
            state.values.setValue(i, j, geom.g_valarray(i, j));
    state.composites = geom.composites;
}

} // namespace vardex
