#include "submodel/ProfileFile.h"

#include "section/Cgeom.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {

ProfileHeader readProfileHeader(KeyReader& file, const std::string& nameKey) {
    ProfileHeader h;
    h.name = file.getkeystring(nameKey);
    h.nx = toInt16(file.getkeyvalue("nx="));
    h.ny = toInt16(file.getkeyvalue("ny="));
    h.nz = toInt16(file.getkeyvalue("nz="));
    h.dx = toFloat32(file.getkeyvalue("dx="));
    h.dy = toFloat32(file.getkeyvalue("dy="));
    h.dz = toFloat32(file.getkeyvalue("dz="));
    h.sectionCount = toInt16(file.getkeyvalue("files="));
    file.findline("submodel");
    if (h.nz > kMaxLayers) throw ReadError("more layers than a sub-model holds");
    std::vector<double> row;
    if (h.nz > 0) file.getrow(h.nz, row);
    for (int z = 1; z <= h.nz; ++z) h.layers.push_back(toInt16(row[z]));
    return h;
}

std::shared_ptr<Csubmodel> submodelFromHeader(const ProfileHeader& header,
                                              const std::string& path) {
    auto record = std::make_shared<Csubmodel>();
    record->smodfile = path;
    record->smodname = header.name;
    record->nx = header.nx;
    record->ny = header.ny;
    record->nz = header.nz;
    record->dx = header.dx;
    record->dy = header.dy;
    record->dz = header.dz;
    record->scount = header.sectionCount;
    for (int z = 1; z <= static_cast<int>(header.layers.size()); ++z)
        record->L_secnumber(z, header.layers[z - 1]);
    return record;
}

std::shared_ptr<Cgeom> newSectionGeometry(AppState& app) {
    auto geometry = std::make_shared<Cgeom>(app);
    geometry->secnumber = app.submodelList.empty()
                              ? 1
                              : app.submodelList.item(app.submodelList.count())->palette.count();
    app.sectionGeometry = geometry;
    return geometry;
}

namespace {

// The text after the first "=" of the next line; a line without one is reported and read as "0".
std::string valueOfNextLine(AppState& app, KeyReader& file, const std::string& title) {
    std::string line = file.readLine();
    std::size_t equals = line.find('=');
    if (equals == std::string::npos) {
        app.dialogs.inform("problem in this file", title);
        return "0";
    }
    return trim(std::string_view(line).substr(equals + 1));
}

} // namespace

int readProfileSections(AppState& app, KeyReader& file, Csubmodel& record,
                        const ProfileSectionChoices& choices) {
    if (!file.isOpen() || file.findline("ections]") == kEofText) return 0;
    if (choices.fillSharedPalette)
        while (!app.paletteList.empty()) app.paletteList.remove(app.paletteList.count());
    int read = 0;
    for (int k = 1; k <= record.scount; ++k) {
        if (!file.isOpen() || file.atEnd()) break;
        if (file.findline("[section]") == kEofText) break;
        std::string path;
        std::int32_t color = 0;
        if (choices.takeNextLines) {
            path = valueOfNextLine(app, file, choices.messageTitle);
            color = toInt32(leadingNumber(valueOfNextLine(app, file, choices.messageTitle)));
        } else {
            path = file.getkeystring("file=");
            if (!file.isOpen()) break;
            // A colour on the file's very last line reads as 0; its section is still loaded.
            color = toInt32(file.getkeyvalue("color="));
        }
        std::shared_ptr<Cgeom> section = newSectionGeometry(app);
        section->Sectionfile = path;
        section->sec_color = color;
        section->read_secfile(path);
        record.palette.add(section);
        if (choices.fillSharedPalette) app.paletteList.add(section);
        ++read;
    }
    return read;
}

ProfileRead readProfile(AppState& app, const std::string& path, const std::string& nameKey,
                        const ProfileSectionChoices* sections) {
    KeyReader file(path);
    ProfileRead result;
    result.header = readProfileHeader(file, nameKey);
    result.record = submodelFromHeader(result.header, path);
    if (sections) result.sectionsRead = readProfileSections(app, file, *result.record, *sections);
    return result;
}

bool write_profile(AppState& app, const ProfileWriteRequest& request, KeyedList<Cgeom>& palette) {
    for (int k = palette.count(); k >= 1; --k)
        if (palette.item(k)->Sectionfile.empty()) palette.remove(k);
    if (palette.empty()) app.dialogs.inform("Bad:  no sections in sub-model", request.messageTitle);
    if (!request.layersComplete)
        app.dialogs.inform("Cannot write a proper file for " + request.path, request.messageTitle);
    if (request.path.empty()) return false;

    std::string layers;
    for (std::size_t z = 0; z < request.layers.size(); ++z)
        layers += (z ? "," : "") + plainDigits(request.layers[z]);
    std::vector<std::string> lines{
        request.path,
        "Revised " + currentDateTimeText(),
        "submodelname=" + trim(request.name),
        "[parameters]",
        PrintLine("nx=").directValue(request.nx).str(),
        PrintLine("ny=").directValue(request.ny).str(),
        PrintLine("nz=").directValue(request.nz).str(),
        PrintLine("dx=").directValue(request.dx).str(),
        PrintLine("dy=").directValue(request.dy).str(),
        PrintLine("dz=").directValue(request.dz).str(),
        PrintLine("sectionfiles=").directValue(request.sectionChooserCount).str(),
        " ",
        "[submodel]",
        layers,
        "",
        "[Sections]",
    };
    for (const auto& section : palette) {
        lines.push_back("");
        lines.push_back("[section]");
        lines.push_back("sectionfile=" + trim(section->Sectionfile));
        lines.push_back(PrintLine("sectioncolor=").directValue(section->sec_color).str());
    }
    // A line after the last key, so the last colour is found by the key search.
    lines.push_back("");
    try {
        writeLines(request.path, lines);
    } catch (const std::exception&) {
        app.dialogs.inform("Cannot write " + request.path, request.messageTitle);
        return false;
    }
    app.config.DataPath = app.fs.absolutePath(request.path);
    app.config.UserDir = app.fs.parentFolder(app.config.DataPath);
    app.config.write_startup();
    return true;
}

void appendSubmodel(AppState& app, std::shared_ptr<Csubmodel> submodel) {
    std::string key = submodel->smodname;
    if (app.submodelList.containsKey(key)) key.clear();
    app.submodelList.add(std::move(submodel), key);
}

} // namespace vardex
