#pragma once
// The section geometry record: one section grid with its material table, read from a section
// file.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/KeyedList.h"
#include "materials/MaterialTable.h"
#include "section/ZoneGrid.h"

namespace vardex {

class Ccomp;
class KeyReader;

class Cgeom : public MaterialTable {
  public:
    explicit Cgeom(AppState& app) : MaterialTable(app) {}

    std::string materialfile; // as written in the section file; may be "Sectionfile data"
    std::string sectionname;
    std::int16_t nx = 0;
    std::int16_t ny = 0;
    std::int16_t secnumber = 1; // the section's number within the sub-model being read
    std::string Sectionfile;    // the section file last read
    std::int32_t sec_color = 0; // colour of the section in a sub-model palette
    double dx = 0.0;
    double dy = 0.0;
    std::shared_ptr<Ccomp> currentComposite; // the last composite the reader created
    KeyedList<Ccomp> composites;             // the composites read, composite k in slot 30 + k

    // Zone (i, j); i or j outside 1..80 throws std::out_of_range like a subscript error.
    std::int16_t g_valarray(int i, int j) const { return values_.value(i, j); }
    void L_valarray(int i, int j, std::int16_t v) { values_.setValue(i, j, v); }

    // Reads a section file: the grid, the 30 material slots and the composites, which are
    // renumbered from 31 in file order leaving out those with zero density and specific heat,
    // into this record's composite list. A failure shows
    // "bad file to read: ", the path and "0", sets path to "ERROR" and keeps what was read.
    void read_secfile(std::string& path);
    // Records the path; a path naming no file shows "bad filename " and the path.
    void readR_secfile(const std::string& path);

  private:
    // Material numbers of the file to those after renumbering, indexed 1..100.
    using Translation = std::array<std::int16_t, 101>;

    void readGrid(KeyReader& file, Translation& t);
    void readMaterialSlots(KeyReader& file, Translation& t);
    void readComposites(KeyReader& file, Translation& t);
    void translateZones(const Translation& t);

    ZoneGrid values_;
};

} // namespace vardex
