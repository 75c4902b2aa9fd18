#include "materials/MaterialsFile.h"

#include "app/AppState.h"
#include "materials/MaterialLines.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

std::vector<std::string> materialsFileLines(const std::string& path,
                                            const std::vector<Material>& materials,
                                            const std::string& revised) {
    std::vector<std::string> lines{
        path,
        "Revised " + revised,
        PrintLine("listcount=").directValue(static_cast<int>(materials.size())).str(),
        "  ",
        "  ",
    };
    for (const Material& material : materials) {
        lines.push_back("[Material]");
        for (std::string& line : materialPropertyLines(material)) lines.push_back(std::move(line));
        lines.push_back("     ");
    }
    return lines;
}

} // namespace

bool SaveFile(AppState& app, const std::string& path, const std::vector<Material>& materials) {
    if (path.empty()) {
        app.dialogs.inform("File name empty.");
        return false;
    }
    try {
        writeLines(path, materialsFileLines(path, materials, currentDateTimeText()));
    } catch (const std::exception& error) {
        app.dialogs.inform(error.what());
        return false;
    }
    app.config.DataDir = app.fs.parentFolder(app.fs.absolutePath(path));
    app.config.write_startup();
    return true;
}

} // namespace vardex
