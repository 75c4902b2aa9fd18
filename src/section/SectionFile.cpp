#include "section/SectionFile.h"

#include <cmath>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

#include "app/AppState.h"
#include "materials/Ccomp.h"
#include "materials/MaterialLines.h"
#include "materials/RequiredKey.h"
#include "section/Cgeom.h"
#include "section/SectionEditorState.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

constexpr const char* kMessageTitle = "Section Page . . .";
// Matches the writer's "[material]   " headings and the "[Material]" headings of materials files.
constexpr std::string_view kHeadingKey = "aterial]";

std::string materialHeading(int k) {
    return "[material]   " + std::to_string(k);
}

void appendMaterial(std::vector<std::string>& lines, int k, const Material& material) {
    lines.push_back(materialHeading(k));
    for (std::string& line : materialPropertyLines(material)) lines.push_back(std::move(line));
}

std::string gridRow(const ZoneGrid& values, int nx, int j) {
    std::string row;
    for (int i = 1; i <= nx; ++i) {
        if (i > 1) row += ',';
        row += std::to_string(values.value(i, j));
    }
    return row;
}

// A zone count the value array can hold.
std::int16_t zoneCount(double value) {
    std::int16_t n = toInt16(value);
    if (n < 0 || n > kMaxZones) throw ReadError("Subscript out of range");
    return n;
}

// A zone size the editor's 32-bit fields can hold.
double zoneSize(double value) {
    if (std::fabs(value) > std::numeric_limits<float>::max()) throw ReadError("Overflow");
    return value;
}

// The section's 32-bit size as the decimal it was printed as, so the configuration file shows
// 0.1 and not 0.100000001490116.
double asDecimal(float value) {
    return leadingNumber(plainDigits(value));
}

std::vector<std::string> sectionFileLines(const std::string& path, const SectionEditorState& state,
                                          int compositeCount, const std::string& revised) {
    std::vector<std::string> lines{
        path,
        "Revised " + revised,
        "sectionname=" + trim(state.sectionName),
        "materialfile=" + trim(state.materialsFile),
        PrintLine("nx=").directValue(static_cast<int>(state.nx)).str(),
        PrintLine("ny=").directValue(static_cast<int>(state.ny)).str(),
        PrintLine("dx=").directValue(state.dx).str(),
        PrintLine("dy=").directValue(state.dy).str(),
        " ",
        "[Sectiongeometry]",
    };
    for (int j = 1; j <= state.ny; ++j) lines.push_back(gridRow(state.values, state.nx, j));
    lines.push_back("");
    lines.push_back("[Materials]");
    for (int k = 1; k <= kPlainMaterials; ++k) {
        lines.push_back("");
        appendMaterial(lines, k, state.materials[k]);
    }
    lines.push_back("");
    lines.push_back("[Composites]");
    lines.push_back("");
    for (int k = kPlainMaterials + 1; k <= kPlainMaterials + compositeCount; ++k) {
        appendMaterial(lines, k, state.materials[k]);
        lines.push_back("");
    }
    return lines;
}

} // namespace

bool write_Secfile(AppState& app, SectionEditorState& state, const std::string& path) {
    if (path.empty()) return false;
    // Every zone must hold a material for the file to be read again.
    int unfilled = 0;
    for (int j = 1; j <= state.ny; ++j)
        for (int i = 1; i <= state.nx; ++i)
            if (state.values.value(i, j) == 0) ++unfilled;
    if (unfilled > 0) {
        app.dialogs.inform("The section cannot be saved yet: " + std::to_string(unfilled) +
                               (unfilled == 1 ? " zone holds" : " zones hold") +
                               " no material. Paint every zone first; a section with empty "
                               "zones cannot be opened again.",
                           kMessageTitle);
        return false;
    }
    try {
        writeLines(path,
                   sectionFileLines(path, state, state.composites.count(), currentDateTimeText()));
    } catch (const std::exception& error) {
        app.dialogs.inform(error.what(), kMessageTitle);
        return false;
    }
    state.sectionFile = path;
    Cstartup& config = app.config;
    config.DataPath = app.fs.absolutePath(path);
    config.UserDir = app.fs.parentFolder(config.DataPath);
    config.sectionfile = path;
    config.dx = asDecimal(state.dx);
    config.dy = asDecimal(state.dy);
    config.nx = state.nx;
    config.ny = state.ny;
    config.write_startup();
    state.unsaved = false;
    return true;
}

void Cgeom::readR_secfile(const std::string& path) {
    Sectionfile = path;
    if (!path.empty() && !app_.fs.fileExists(path)) app_.dialogs.inform("bad filename " + path);
}

void Cgeom::read_secfile(std::string& path) {
    composites.clear();
    Sectionfile = path;
    if (path.empty()) return;
    Translation t{};
    try {
        KeyReader file(path);
        sectionname = requireKeyString(file, "sectionname=");
        materialfile = requireKeyString(file, "=");
        nx = zoneCount(requireKeyValue(file, "nx="));
        ny = zoneCount(requireKeyValue(file, "ny="));
        dx = zoneSize(requireKeyValue(file, "dx="));
        dy = zoneSize(requireKeyValue(file, "dy="));
        requireLine(file, "[Section");
        readGrid(file, t);
        readMaterialSlots(file, t);
        readComposites(file, t);
    } catch (const std::exception&) {
        app_.dialogs.inform("bad file to read: " + path + kNewLine + "0");
        path = "ERROR";
        return;
    }
    translateZones(t);
    app_.config.DataPath = app_.fs.absolutePath(path);
    app_.config.UserDir = app_.fs.parentFolder(app_.config.DataPath);
}

void Cgeom::readGrid(KeyReader& file, Translation& t) {
    std::vector<double> row;
    for (int j = 1; j <= ny; ++j) {
        file.getrow(nx, row);
        for (int i = 1; i <= nx; ++i) {
            std::int16_t v = toInt16(row[i]);
            // Every zone must hold a material: 0 means the section was saved unfilled.
            if (v < 1 || v > kMaterialSlots) throw ReadError("Subscript out of range");
            values_.setValue(i, j, v);
            t[v] = v;
        }
    }
}

void Cgeom::readMaterialSlots(KeyReader& file, Translation& t) {
    requireLine(file, "[Materials]");
    for (int k = 1; k <= kPlainMaterials; ++k) {
        requireLine(file, kHeadingKey);
        materialCount_ = static_cast<std::int16_t>(k);
        if (!readMaterialLines(file, kSectionFileKeys, slots_[k]))
            throw ReadError("Input past end of file");
        t[k] = static_cast<std::int16_t>(k);
    }
}

void Cgeom::readComposites(KeyReader& file, Translation& t) {
    // The composites end where the file ends or stops making sense; what was read stays.
    try {
        file.findline("[Composites]");
        int dropped = 0;
        while (file.isOpen() && !file.atEnd()) {
            std::string heading = file.findline(kHeadingKey);
            if (!file.isOpen()) return;
            int q = toInt16(
                leadingNumber(heading.substr(heading.find(kHeadingKey) + kHeadingKey.size())));
            int n = q - dropped;
            if (n <= kPlainMaterials) return; // would overwrite a plain material
            Material& slot = slots_[n];
            materialCount_ = static_cast<std::int16_t>(n);
            // The last line of a file is never found by the key search, so a composite whose
            // last value stands there loses that value but is kept.
            bool complete = readMaterialLines(file, kSectionFileKeys, slot);
            if (slot.density + slot.specificHeat == 0.0f) {
                ++dropped; // the next composite takes this slot
            } else {
                t.at(static_cast<std::size_t>(q)) = static_cast<std::int16_t>(n);
                currentComposite = compositeFromSlot(slot, static_cast<std::int16_t>(n));
                composites.add(currentComposite);
            }
            if (!complete) return;
        }
    } catch (const std::exception&) {
    }
}

void Cgeom::translateZones(const Translation& t) {
    for (int j = 1; j <= ny; ++j)
        for (int i = 1; i <= nx; ++i) values_.setValue(i, j, t[values_.value(i, j)]);
}

} // namespace vardex
