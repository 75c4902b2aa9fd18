#pragma once
// The profile file of a sub-model: one reader shared by every window that reads profiles (each
// with its own choices) and the writer.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/text/KeyReader.h"
#include "submodel/Csubmodel.h"

namespace vardex {

// What the header of a profile holds: name, grid, section count and the layer table.
struct ProfileHeader {
    std::string name;
    std::int16_t nx = 0, ny = 0, nz = 0;
    float dx = 0, dy = 0, dz = 0;
    std::int16_t sectionCount = 0;
    std::vector<std::int16_t> layers; // layers[z - 1] is the section of vertical zone z
};

// Reads the keys of the header in their order (the name under nameKey: "modelname=" or "name="),
// then the layer row after the "[submodel]" heading. Throws ReadError when the file cannot be
// read that far.
ProfileHeader readProfileHeader(KeyReader& file, const std::string& nameKey);

// A record holding the header's name, grid, section count and layers, its file set to path.
std::shared_ptr<Csubmodel> submodelFromHeader(const ProfileHeader& header, const std::string& path);

// Appends a sub-model to the shared sub-model list under its name. A second sub-model of the same
// name is appended as an entry of its own (two types may share a profile); lookups by name find
// the first.
void appendSubmodel(AppState& app, std::shared_ptr<Csubmodel> submodel);

} // namespace vardex
