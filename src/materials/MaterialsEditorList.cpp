#include "materials/MaterialsEditorList.h"

#include "app/AppState.h"
#include "app/Filters.h"
#include "materials/MaterialLines.h"
#include "materials/RequiredKey.h"

namespace vardex {
namespace {

void readInto(MaterialsEditorList& list, const std::string& path) {
    KeyReader file(path);
    int count = toInt16(toInt32(requireKeyValue(file, "=")));
    for (int i = 1; i <= count; ++i) {
        if (i > kMaterialSlots) throw ReadError("Subscript out of range");
        file.readLine(); // the blank line before each heading
        requireLine(file, "aterial]");
        list.materials.emplace_back();
        if (!readMaterialLines(file, kEditorKeys, list.materials.back()))
            throw ReadError("Input past end of file");
    }
}

} // namespace

bool read_MaterialList(AppState& app, MaterialsEditorList& list, std::string path) {
    for (;;) {
        list.fileName = path;
        list.materials.clear();
        try {
            readInto(list, path);
            app.config.DataPath = app.fs.absolutePath(path);
            app.config.DataDir = app.fs.parentFolder(app.config.DataPath);
            return true;
        } catch (const std::exception&) {
            path = app.dialogs.openFile({filters::kMaterials, app.config.DataDir, "", ""});
            if (path.empty()) return false;
        }
    }
}

} // namespace vardex
