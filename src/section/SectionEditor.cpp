#include "section/SectionEditor.h"

#include <cmath>
#include <memory>

#include "app/AppState.h"
#include "app/Filters.h"
#include "app/Help.h"
#include "section/Cgeom.h"
#include "section/SectionFile.h"
#include "section/ZoneResampling.h"
#include "text/NumberFormat.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

using namespace sectionCaptions;

std::vector<MenuState> sectionMenus() {
    return {{"mnuFile",
             "&File",
             true,
             {{"mnuOpenMaterial", "Open &Material File"},
              {"mnuNewSection", "&New Section File"},
              {"mnuOpenSection", "Open &Section File"},
              {"mnuSaveAs", "S&ave Section file as"},
              {"mnuSave", "Sav&e Section file"},
              {"mnuClose", "&Close"}}},
            {"mnuGeometry", "&Geometry", true, {{"mnuChangeGeometry", "&Change geometry"}}},
            helpMenu()};
}

// An answer of the geometry dialog: numeric answers replace the value, others keep it.
bool takeNumber(const std::string& answer, double& value) {
    if (!isTypedNumber(answer)) return false;
    value = typedNumber(answer);
    return true;
}

} // namespace

SectionEditor::SectionEditor(AppState& app)
    : app_(app), pointwise_(app.dialogs, section_, painter_, *this) {
    window_.menus = sectionMenus();
}

void SectionEditor::changed() {
    if (onChanged) onChanged();
}

void SectionEditor::attachGrid(Canvas* canvas) {
    grid_ = canvas;
    if (grid_ && window_.open) setUpGrid();
}

void SectionEditor::enableMenuItem(const std::string& name, bool enabled, bool visible) {
    if (MenuItemState* item = findMenuItem(window_.menus, name)) {
        item->enabled = enabled;
        item->visible = visible;
    }
}

void SectionEditor::enableMenu(const std::string& name, bool enabled) {
    if (MenuState* menu = findMenu(window_.menus, name)) menu->enabled = enabled;
}

void SectionEditor::windowOpens() {
    window_.open = true;
    app_.sectionGeometry = std::make_shared<Cgeom>(app_);
    enableMenu("mnuGeometry", false);
    window_.objectFillsVisible = false;
    window_.objectFillsEnabled = false;

    const Cstartup& config = app_.config;
    section_.nx = config.nx;
    section_.ny = config.ny;
    section_.dx = static_cast<float>(config.dx);
    section_.dy = static_cast<float>(config.dy);
    app_.currentMaterialsFile = config.materialfile;
    section_.materialsFile = config.materialfile;
    // A configured file that is gone is no materials file at all: ask for one.
    if (!section_.materialsFile.empty() && app_.fs.fileExists(section_.materialsFile)) {
        readMaterialsInto(section_.materialsFile);
        showObjectFills();
        if (!window_.lstMaterials.items.empty()) enableMenu("mnuGeometry", true);
    } else {
        section_.materialsFile.clear();
    }
    section_.unsaved = false;

    if (section_.materialsFile.empty()) {
        std::string path =
            app_.dialogs.openFile({filters::kMaterials, config.DataDir, "", "Open Materials File"});
        if (path.empty()) {
            closeWindow();
            return;
        }
        section_.materialsFile = path;
        app_.currentMaterialsFile = path;
        readMaterialsInto(path);
        showObjectFills();
        if (!window_.lstMaterials.items.empty()) enableMenu("mnuGeometry", true);
    }
    window_.lblMaterialsFile = section_.materialsFile;
    window_.lblSectionFile = section_.sectionFile;
    painter_.currentMaterial = 1;

    if (section_.dx * section_.dy == 0.0f) {
        section_.nx = section_.ny = 1;
        app_.dialogs.inform(std::string("There are no specified dimensions. Either OPEN a "
                                        "Section File ") +
                                kNewLine + "               or ," + kNewLine +
                                "OPEN a Materials File, and then select 'New Section'",
                            kMessageTitle);
    }
    if (section_.nx * section_.ny >= 1 && section_.nx <= kMaxZones && section_.ny <= kMaxZones) {
        setUpGrid();
        window_.txtSectionName = section_.sectionName;
        refreshLabels();
    } else {
        app_.dialogs.inform("Problem with the horizontal parameters", kMessageTitle);
        enableMenu("mnuGeometry", true);
    }
    changed();
}

void SectionEditor::readMaterialsInto(const std::string& path) {
    app_.sectionGeometry->read_Matfile(path);
    copyMaterials(true);
}

void SectionEditor::copyMaterials(bool plainOnly) {
    const Cgeom& geom = *app_.sectionGeometry;
    if (geom.m_count() < 1) {
        app_.dialogs.inform(section_.materialsFile + " has not been read yet", kMessageTitle);
        return;
    }
    window_.lstMaterials.items.clear();
    window_.listNumbers.clear();
    vardex::copyMaterials(geom, section_);
    for (int k = 1; k <= geom.m_count(); ++k) {
        // Slots from 31 on belong to composites; they are never painted with directly.
        if (plainOnly && k > kPlainMaterials) break;
        window_.lstMaterials.items.push_back(geom.m_name(k));
        window_.listNumbers.push_back(static_cast<std::int16_t>(k));
    }
    window_.lstMaterials.listIndex = window_.lstMaterials.items.empty() ? -1 : 0;
    refreshLabels();
}

void SectionEditor::setUpGrid() {
    window_.penWidth = static_cast<int>(roundHalfEven(240.0 / std::max<int>(1, section_.nx)));
    if (grid_) grid_->setScale(0.5, 0.5, section_.nx + 0.5, section_.ny + 0.5);
    redrawGrid();
}

void SectionEditor::redrawGrid() {
    const int nx = std::clamp<int>(section_.nx, 0, kMaxZones);
    const int ny = std::clamp<int>(section_.ny, 0, kMaxZones);
    std::vector<std::int32_t> cells(static_cast<std::size_t>(nx * ny), kWhite);
    for (int j = 1; j <= ny; ++j) {
        for (int i = 1; i <= nx; ++i) {
            const std::int16_t v = section_.values.value(i, j);
            // An unfilled zone stays white.
            const std::int32_t color =
                v >= 1 && v <= kMaterialSlots ? section_.materials[v].color : kWhite;
            painter_.colors.setColor(i, j, color);
            cells[static_cast<std::size_t>((j - 1) * nx + (i - 1))] = color;
        }
    }
    if (grid_ && nx > 0 && ny > 0) {
        grid_->clear(kWhite);
        grid_->cellGrid(0.5, 0.5, 1.0, 1.0, nx, ny, cells);
    }
    refreshLabels();
}

void SectionEditor::refreshLabels() {
    for (int k = 0; k <= 8; ++k) {
        window_.lblX[static_cast<std::size_t>(k)] = {
            formatNumber(k * section_.nx * static_cast<double>(section_.dx) / 8, "#0.00#"), true};
        window_.lblY[static_cast<std::size_t>(k)] = {
            formatNumber(k * section_.ny * static_cast<double>(section_.dy) / 8, "#0.00#"), true};
    }
    window_.txtNX = plainDigits(static_cast<int>(section_.nx));
    window_.txtNY = plainDigits(static_cast<int>(section_.ny));
    window_.lblMaterialsFile = section_.materialsFile;
    if (!section_.sectionFile.empty()) window_.lblSectionFile = section_.sectionFile;
    const int m = painter_.currentMaterial;
    for (std::size_t p = 0; p < window_.listNumbers.size(); ++p)
        if (window_.listNumbers[p] == m) window_.lstMaterials.listIndex = static_cast<int>(p);
    if (m >= 1 && m <= kMaterialSlots) window_.shpColor = section_.materials[m].color;
}

void SectionEditor::selectPointwiseFill() {
    window_.fill = FillChoice::Pointwise;
}

void SectionEditor::showObjectFills() {
    window_.objectFillsVisible = true;
    window_.objectFillsEnabled = true;
}

void SectionEditor::openMaterialFile() {
    if (!section_.sectionFile.empty()) section_.materialsFile.clear();
    std::string path = app_.dialogs.openFile({filters::kMaterials, app_.config.DataDir, "", ""});
    if (path.empty()) {
        app_.dialogs.inform("NEED A MATERIALS FILE", kMessageTitle);
        changed();
        return;
    }
    section_.materialsFile = path;
    app_.currentMaterialsFile = path;
    readMaterialsInto(path);
    painter_.currentMaterial = 1;
    app_.config.DataDir = app_.fs.parentFolder(app_.fs.absolutePath(path));
    window_.lblMaterialsFile = path;
    if (grid_) grid_->clear(kWhite);
    refreshLabels();
    changed();
}

void SectionEditor::newSectionFile() {
    if (!settleUnsaved()) return;
    app_.clearModelLists();
    enableMenuItem("mnuOpenMaterial", true, true);
    enableMenu("mnuGeometry", true);
    if (section_.materialsFile.find("ectionfile") != std::string::npos)
        section_.materialsFile.clear();
    if (section_.materialsFile.empty()) {
        openMaterialFile();
    } else {
        app_.sectionGeometry = std::make_shared<Cgeom>(app_);
        readMaterialsInto(section_.materialsFile);
    }
    // A new section starts without composites; zones holding one would name a material that is
    // gone.
    section_.composites.clear();
    for (int j = 1; j <= kMaxZones; ++j)
        for (int i = 1; i <= kMaxZones; ++i)
            if (section_.values.value(i, j) > kPlainMaterials) section_.values.setValue(i, j, 0);
    if (grid_) grid_->clear(kWhite);
    section_.sectionFile.clear();
    section_.sectionName.clear();
    window_.txtSectionName.clear();
    window_.lblSectionFile.clear();
    app_.currentSectionFile.clear();
    section_.unsaved = false;
    setUpGrid();
    changed();
}

void SectionEditor::openSectionFile() {
    if (!settleUnsaved()) return;
    std::string path =
        app_.dialogs.openFile({filters::kSection, app_.config.UserDir, "", kMessageTitle});
    window_.materialListEnabled = true;
    window_.swatchVisible = true;
    if (!path.empty()) loadSection(path);
    changed();
}

void SectionEditor::loadSection(std::string path) {
    // The section shown stays until the new one has been read whole.
    std::shared_ptr<Cgeom> previous = app_.sectionGeometry;
    auto geom = std::make_shared<Cgeom>(app_);
    app_.sectionGeometry = geom;
    geom->read_secfile(path);
    if (path == "ERROR") {
        app_.sectionGeometry = previous;
        return;
    }
    window_.lstMaterials.items.clear();
    window_.listNumbers.clear();
    section_ = SectionEditorState{};
    copyGrid(*geom, section_);
    window_.txtSectionName = section_.sectionName;
    section_.materialsFile = kSectionfileData;
    app_.currentMaterialsFile = kSectionfileData;
    vardex::copyMaterials(*geom, section_);
    for (int k = 1; k <= std::min<int>(geom->m_count(), kPlainMaterials); ++k) {
        if (geom->m_Rho(k) == 0.0) continue;
        window_.lstMaterials.items.push_back(geom->m_name(k));
        window_.listNumbers.push_back(static_cast<std::int16_t>(k));
    }
    app_.paletteList.add(geom);
    section_.sectionFile = path;
    app_.currentSectionFile = path;
    window_.lblSectionFile = path;
    painter_.currentMaterial = window_.listNumbers.empty() ? 1 : window_.listNumbers.front();
    showObjectFills();
    enableMenu("mnuGeometry", true);
    setUpGrid();
}

bool SectionEditor::writeTo(const std::string& path) {
    if (!write_Secfile(app_, section_, path)) return false;
    app_.currentSectionFile = path;
    recordConfiguration();
    refreshLabels();
    return true;
}

void SectionEditor::recordConfiguration() {
    Cstartup& config = app_.config;
    config.dx = leadingNumber(plainDigits(section_.dx));
    config.dy = leadingNumber(plainDigits(section_.dy));
    config.nx = section_.nx;
    config.ny = section_.ny;
    if (!section_.materialsFile.empty() && app_.fs.fileExists(section_.materialsFile)) {
        config.materialfile = app_.fs.absolutePath(section_.materialsFile);
        config.DataDir = app_.fs.parentFolder(config.materialfile);
    }
    if (section_.sectionFile != kSectionfileData) config.sectionfile = section_.sectionFile;
}

void SectionEditor::saveSectionFileAs() {
    if (section_.sectionFile == section_.materialsFile) section_.sectionFile.clear();
    std::string path = app_.dialogs.saveFile(
        {filters::kSection, app_.config.UserDir, section_.sectionFile, kMessageTitle});
    if (path.empty())
        app_.dialogs.inform("Enter a section name", kMessageTitle);
    else
        writeTo(path);
    enableMenuItem("mnuOpenMaterial", false, false);
    changed();
}

void SectionEditor::saveSectionFile() {
    if (!section_.sectionFile.empty()) {
        writeTo(section_.sectionFile);
        enableMenuItem("mnuOpenMaterial", false, false);
        changed();
    } else {
        saveSectionFileAs();
    }
}

bool SectionEditor::settleUnsaved() {
    if (!section_.unsaved) return true;
    switch (app_.dialogs.askYesNoCancel("Save your changes to a section file?", kMessageTitle)) {
    case MessageAnswer::Yes:
        saveSectionFile();
        return !section_.unsaved;
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

bool SectionEditor::close() {
    if (!window_.open) return true;
    if (!settleUnsaved()) {
        changed();
        return false;
    }
    app_.clearModelLists();
    closeWindow();
    return true;
}

void SectionEditor::closeWindow() {
    window_.open = false;
    changed();
    if (onClosed) onClosed();
}

void SectionEditor::changeGeometry() {
    const std::string title = section_.sectionName;
    if (grid_) grid_->clear(kWhite);
    double nx = section_.nx, ny = section_.ny;
    double xLength = section_.nx * static_cast<double>(section_.dx);
    double yLength = section_.ny * static_cast<double>(section_.dy);
    for (;;) {
        bool any = false;
        any |= takeNumber(
            app_.dialogs.input("Enter the number of X-zones  (nx):", title, plainDigits(nx)), nx);
        any |= takeNumber(
            app_.dialogs.input("Enter the number of Y-zones  (ny):", title, plainDigits(ny)), ny);
        any |= takeNumber(app_.dialogs.input("Enter the X-domain length (meters", title,
                                             plainDigits(static_cast<float>(xLength))),
                          xLength);
        any |= takeNumber(app_.dialogs.input("Enter the Y-domain length (meters", title,
                                             plainDigits(static_cast<float>(yLength))),
                          yLength);
        // Four cancelled prompts give up the change instead of asking for ever.
        if (!any) {
            setUpGrid();
            changed();
            return;
        }
        nx = std::min(roundHalfEven(nx), double(kMaxZones));
        ny = std::min(roundHalfEven(ny), double(kMaxZones));
        const float product = static_cast<float>(nx * ny * xLength * yLength);
        // Negative counts or lengths would pass the product in pairs; they are as bad.
        if (product >= 1.0f && nx >= 1 && ny >= 1 && xLength > 0 && yLength > 0) break;
        app_.dialogs.inform("these are not good numbers: " + std::string(kNewLine) +
                                plainDigits(static_cast<int>(section_.nx)) + " " +
                                plainDigits(static_cast<int>(section_.ny)) + " " +
                                plainDigits(section_.dx) + " " + plainDigits(section_.dy) +
                                kNewLine +
                                "Let's try again, without any negative or zero-valued numbers",
                            kMessageTitle);
    }
    const GridShape before{section_.nx, section_.ny, section_.dx, section_.dy};
    section_.nx = static_cast<std::int16_t>(nx);
    section_.ny = static_cast<std::int16_t>(ny);
    section_.dx = static_cast<float>(xLength / nx);
    section_.dy = static_cast<float>(yLength / ny);
    // The painting stays where it was on the section, whatever the new zones.
    section_.values = resampleZones(section_.values, before,
                                    {section_.nx, section_.ny, section_.dx, section_.dy});
    section_.unsaved = true;
    setUpGrid();
    changed();
}

void SectionEditor::finished() {
    if (trim(window_.txtSectionName).empty()) {
        app_.dialogs.inform("need a section name.", kMessageTitle);
        changed();
        return;
    }
    if (section_.sectionFile.empty()) {
        std::string path = app_.dialogs.saveFile(
            {filters::kSection, app_.config.UserDir, section_.sectionFile, kMessageTitle});
        if (!path.empty()) section_.sectionFile = path;
    }
    if (!section_.sectionFile.empty()) {
        if (!writeTo(section_.sectionFile)) {
            changed();
            return;
        }
    } else if (section_.unsaved) {
        // No file chosen: the painted section stays on screen rather than vanishing unsaved.
        changed();
        return;
    }
    closeWindow();
}

void SectionEditor::sectionNameClicked() {
    std::string answer =
        app_.dialogs.input("Enter a section name", section_.sectionName, section_.sectionName);
    if (!trim(answer).empty()) {
        section_.sectionName = trim(answer);
        section_.unsaved = true;
    }
    window_.txtSectionName = section_.sectionName;
    changed();
}

void SectionEditor::nyBoxClicked() {
    if (app_.dialogs.askYesNo("Do you want to change the geometry?", kMessageTitle)) {
        enableMenu("mnuGeometry", true);
        changeGeometry();
    }
    changed();
}

void SectionEditor::materialChosen(int position) {
    if (position < 0 || position >= static_cast<int>(window_.listNumbers.size())) return;
    painter_.currentMaterial = window_.listNumbers[static_cast<std::size_t>(position)];
    window_.lstMaterials.listIndex = position;
    const Material& m = section_.materials[painter_.currentMaterial];
    window_.shpColor = m.color;
    // Forms are painted only point-wise.
    const bool fill = m.characteristicSize == 0.0f;
    window_.fillGroupEnabled = fill;
    window_.formGroupEnabled = !fill;
    changed();
}

void SectionEditor::sectionFillClicked() {
    window_.fill = FillChoice::Section;
    fills_.sectionFill();
    changed();
}

void SectionEditor::rectangularFillClicked() {
    window_.fill = FillChoice::Rectangular;
    fills_.rectangularFill();
    changed();
}

void SectionEditor::cylindricalFillClicked() {
    window_.fill = FillChoice::Cylindrical;
    fills_.cylindricalFill();
    changed();
}

void SectionEditor::pointwiseFillClicked() {
    window_.fill = FillChoice::Pointwise;
    changed();
}

} // namespace vardex
