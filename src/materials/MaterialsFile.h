#pragma once
// The materials file (.mts) and its writer.

#include <string>
#include <vector>

#include "materials/Material.h"

namespace vardex {

class AppState;

// Writes the materials, in list order, as a materials file at path: its own path, "Revised " and
// the date, "listcount=" and the count, two lines of two blanks, then per material "[Material]",
// the seven property lines and five blanks. An empty path shows
// "File name empty."; a file that cannot be written shows why and the old file stays. After a
// save the configuration's DataDir is the file's folder and the configuration file is written.
// Returns true when the file was written.
bool SaveFile(AppState& app, const std::string& path, const std::vector<Material>& materials);

} // namespace vardex
