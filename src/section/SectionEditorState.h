#pragma once
// The section being edited: the section editor's own copy of the grid and the materials, which
// painting changes and the section writer saves.

#include <cstdint>
#include <string>

#include "app/KeyedList.h"
#include "materials/MaterialSlots.h"
#include "section/ZoneGrid.h"

namespace vardex {

class Ccomp;
class Cgeom;

struct SectionEditorState {
    std::string sectionName;   // the section-name box
    std::string materialsFile; // the materials file in use; "Sectionfile data" after a section
    std::string sectionFile;   // the section file in use, shown in its label
    std::int16_t nx = 0;
    std::int16_t ny = 0;
    float dx = 0.0f; // metres
    float dy = 0.0f;
    ZoneGrid values;         // material number of each zone, 0 when unfilled
    MaterialSlots materials; // 1..30 plain materials, 31 and up the composites
    // The composites of this section, composite k in slot 30 + k. They belong to the section, so
    // no other window (which may read sections of its own) can take them from it.
    KeyedList<Ccomp> composites;
    bool unsaved = false;
};

// Copies material slots 1 to the geometry's material count, all seven properties, into the
// editor's slots.
void copyMaterials(const Cgeom& geom, SectionEditorState& state);

// Copies the section name, nx, ny, dx, dy, the zone values of the geometry's grid and the
// composites its zones may hold.
void copyGrid(const Cgeom& geom, SectionEditorState& state);

} // namespace vardex
