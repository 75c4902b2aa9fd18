#pragma once
// What the materials editor edits: its file-name box and its list of materials, and the
// editor's reader of materials files.

#include <string>
#include <vector>

#include "materials/Material.h"

namespace vardex {

class AppState;

struct MaterialsEditorList {
    std::string fileName;            // the file-name box
    std::vector<Material> materials; // entry k - 1 is material k, at most 99
};

// Reads a materials file into the list, refilling it. On any failure (the file cannot be opened
// or read, ends early, or holds more than 99 materials) the open dialog with the materials
// filter is offered and the chosen file is read instead. Returns false when the user cancels
// the dialog; the list then keeps what was read. On success the configuration's DataPath and
// DataDir follow the file.
bool read_MaterialList(AppState& app, MaterialsEditorList& list, std::string path);

} // namespace vardex
