#include "materials/MaterialTable.h"

#include "app/AppState.h"
#include "materials/MaterialLines.h"
#include "materials/RequiredKey.h"

namespace vardex {

void MaterialTable::Lm_name(int k, const std::string& name) {
    if (k < 1) {
        app_.dialogs.inform("bad material number " + std::to_string(k));
        return;
    }
    slots_[k].name = name;
}

void MaterialTable::read_Matfile(const std::string& path) {
    if (path.empty() || path == kSectionfileData) return;
    int headings = 0;
    try {
        KeyReader file(path);
        // The count is on the first line holding "=" ("listcount=").
        int count = toInt16(requireKeyValue(file, "="));
        for (int i = 1; i <= count && i <= kMaterialSlots; ++i) {
            requireLine(file, "[Material]");
            headings = i;
            materialCount_ = static_cast<std::int16_t>(i);
            if (!readMaterialLines(file, kMaterialsFileKeys, slots_[i]))
                throw ReadError("Input past end of file");
        }
    } catch (const std::exception&) {
        app_.dialogs.inform(std::to_string(headings) + "  bad path or file " + kNewLine + path);
        return;
    }
    app_.config.DataPath = app_.fs.absolutePath(path);
    app_.config.DataDir = app_.fs.parentFolder(app_.config.DataPath);
}

} // namespace vardex
