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
    // A statement whose value does not fit its field is skipped and reading goes on; the values
    // skipped are reported once the file has been read.
    std::vector<std::string> skipped;
    try {
        KeyReader file(path);
        // The count is on the first line holding "=" ("listcount=").
        std::string countText = requireKeyString(file, "=");
        int count = 0;
        try {
            count = toInt16(leadingNumber(countText));
        } catch (const ReadError&) {
            skipped.push_back("listcount " + countText);
        }
        for (int i = 1; i <= count && i <= kMaterialSlots; ++i) {
            requireLine(file, "[Material]");
            headings = i;
            materialCount_ = static_cast<std::int16_t>(i);
            std::vector<std::string> skippedHere;
            bool complete = readMaterialLines(file, kMaterialsFileKeys, slots_[i], &skippedHere);
            for (const std::string& value : skippedHere)
                skipped.push_back("material " + std::to_string(i) + " " + value);
            if (!complete) throw ReadError("Input past end of file");
        }
    } catch (const std::exception&) {
        app_.dialogs.inform(std::to_string(headings) + "  bad path or file " + kNewLine + path);
        return;
    }
    app_.config.DataPath = app_.fs.absolutePath(path);
    app_.config.DataDir = app_.fs.parentFolder(app_.config.DataPath);
    if (!skipped.empty()) {
        std::string text = "Values that do not fit their fields were not read:";
        for (const std::string& value : skipped) text += kNewLine + value;
        app_.dialogs.inform(text + kNewLine + path);
    }
}

} // namespace vardex
