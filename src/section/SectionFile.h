#pragma once
// The section file (.sec): its layout and writer. Its reader is Cgeom::read_secfile.

#include <string>

namespace vardex {

class AppState;
struct SectionEditorState;

// Writes the editor's section to path: its own path, "Revised " and the date, the section name,
// the materials file, nx, ny, dx, dy, the grid one row per line, the 30 material slots and one
// composite slot from 31 on per composite of the section. An empty path writes
// nothing. A file that cannot be written shows why (title "Section Page . . .") and the old file
// stays. After a save the section-file label shows the path, the configuration's DataPath, UserDir,
// sectionfile, nx, ny, dx and dy follow the section, the configuration file is written and the
// unsaved flag is cleared. Returns true when the file was written.
bool write_Secfile(AppState& app, SectionEditorState& state, const std::string& path);

} // namespace vardex
