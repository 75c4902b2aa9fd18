#pragma once
// The material table of a section geometry: 99 slots addressed by material number, with the
// accessors every user of the table goes through, and its reader of materials files.

#include <cstdint>
#include <string>

#include "materials/MaterialSlots.h"

namespace vardex {

class AppState;

// The label the section editor shows when its materials came from a section file.
inline constexpr const char* kSectionfileData = "Sectionfile data";

class MaterialTable {
  public:
    explicit MaterialTable(AppState& app) : app_(app) {}

    // Number of the last material read.
    std::int16_t m_count() const { return materialCount_; }

    // Accessors of material k; k outside 1..99 throws std::out_of_range like a subscript error.
    const std::string& m_name(int k) const { return slots_[k].name; }
    // k below 1 shows "bad material number " and k, and stores nothing.
    void Lm_name(int k, const std::string& name);
    std::int32_t m_color(int k) const { return slots_[k].color; }
    void Lm_color(int k, std::int32_t color) { slots_[k].color = color; }
    double m_Sig(int k) const { return slots_[k].conductivity; }
    double m_Sp(int k) const { return slots_[k].specificHeat; }
    double m_Rho(int k) const { return slots_[k].density; }
    double m_heat(int k) const { return slots_[k].heatProduction; }
    double m_size(int k) const { return slots_[k].characteristicSize; }

    // Material k as a whole, for copying into an editor.
    const Material& material(int k) const { return slots_[k]; }

    // Reads a materials file into slots 1 to its count (at most 99); higher slots keep what they
    // held. An empty path or "Sectionfile data" does nothing. A file that cannot be opened or
    // ends early shows the number of headings found, "  bad path or file " and the path; what
    // was read stays. On success the configuration's DataPath and DataDir follow the file.
    void read_Matfile(const std::string& path);

  protected:
    AppState& app_;
    MaterialSlots slots_;
    std::int16_t materialCount_ = 0;
};

} // namespace vardex
