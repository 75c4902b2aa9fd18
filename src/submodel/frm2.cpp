#include "submodel/frm2.h"

#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "app/Filters.h"
#include "app/Help.h"
#include "section/Cgeom.h"
#include "submodel/ProfileFile.h"
#include "text/NumberFormat.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

using namespace submodelCaptions;
using namespace submodelFormats;

// Colours a palette slot takes when its chooser is cancelled: white would not show on the picture.
constexpr std::array<std::int32_t, kPaletteSlots> kSlotDefaults{
    rgb(200, 60, 60),   rgb(60, 140, 200), rgb(90, 170, 80),  rgb(220, 170, 40),
    rgb(150, 90, 190),  rgb(60, 180, 170), rgb(200, 110, 50), rgb(120, 120, 120),
    rgb(230, 120, 170), rgb(40, 80, 150),  rgb(160, 160, 60), rgb(100, 60, 40)};

std::vector<MenuState> submodelMenus() {
    return {
        {"mnuSubModel",
         "Sub-&Model",
         true,
         {{"mnuNew", "&New"},
          {"mnuOpen", "&Open"},
          {"mnuSave", "&Save"},
          {"mnuSaveAs", "Save &As"}}},
        {"mnuMaterials", "&Materials", true, {{"mnuOpenMaterial", "&Open Material file"}}},
        {"mnuSection",
         "&Section",
         true,
         {{"mnuOpenSection", "&Open Section file"}, {"mnuSectionEditor", "Open Section &Editor"}}},
        {"mnuTools",
         "&Tools",
         false,
         {{"mnuAlign", "&Align Materials"}, {"mnuTest", "&Test Sub-Model", false}}},
        {"mnuClose", "&Close", true, {}},
        helpMenu()};
}

} // namespace

frm2::frm2(AppState& app) : app_(app), materials_(app) {
    window_.menus = submodelMenus();
}

void frm2::changed() {
    if (onChanged) onChanged();
}

void frm2::enableMenu(const std::string& name, bool enabled) {
    if (MenuState* menu = findMenu(window_.menus, name)) menu->enabled = enabled;
}

void frm2::attachPicture(Canvas* canvas) {
    picture_ = canvas;
    if (picture_) {
        setUpPicture();
        drawPicture();
    }
}

void frm2::windowOpens() {
    window_.open = true;
    record_ = std::make_shared<Csubmodel>();
    window_.messageTitle = kMessageTitle;
    nx_ = ny_ = nz_ = 1;
    dx_ = dy_ = dz_ = 0;
    setBox(SubmodelBox::NX, "1");
    setBox(SubmodelBox::NY, "1");
    setBox(SubmodelBox::Layers, "1");
    for (SubmodelBox b : {SubmodelBox::DX, SubmodelBox::DY, SubmodelBox::LX, SubmodelBox::LY})
        setBox(b, "0");
    modified_ = false;
    new_ = true;
    for (int k = 1; k <= kPaletteSlots; ++k) resetSlot(k);
    for (std::size_t i = 1; i <= 8; ++i) window_.depthLabels[i] = {"0", false};
    const int selected = app_.selectedSubmodel;
    if (selected > 0 && selected <= app_.submodelList.count()) {
        const Csubmodel& entry = *app_.submodelList.item(selected);
        app_.currentSubmodelFile = entry.smodfile;
        app_.currentSubmodelName = entry.smodname;
        readProfileFile(entry.smodfile);
    }
    setUpPicture();
    refreshWindow();
    changed();
}

void frm2::resetSlot(int k) {
    window_.slotLabels[static_cast<std::size_t>(k - 1)] = kEmptySlot;
    window_.slotColors[static_cast<std::size_t>(k - 1)] = kWhite;
}

void frm2::nameBoxClicked() {
    if (busy_) return;
    busy_ = true;
    std::string answer = app_.dialogs.input("Enter a descriptive name", window_.messageTitle,
                                            app_.currentSubmodelName);
    if (!answer.empty()) {
        window_.txtName = answer;
        app_.currentSubmodelName = answer;
        modified_ = true;
    } else if (window_.txtName.empty()) {
        app_.dialogs.inform("A descriptive sub-model name is useful and required.",
                            window_.messageTitle);
    }
    busy_ = false;
    changed();
}

void frm2::fileBoxClicked() {
    if (busy_) return;
    busy_ = true;
    std::string answer =
        app_.dialogs.input("Enter a sub-model file name", window_.messageTitle, "");
    std::string path = app_.dialogs.saveFile(
        {filters::kProfile, app_.config.UserDir, answer, " Saving Sub-Model "});
    if (!path.empty()) {
        app_.currentSubmodelFile = path;
        window_.txtFile = path;
    } else if (window_.txtFile.empty()) {
        app_.dialogs.inform("A file name is required to save your work", window_.messageTitle);
    }
    if (!app_.currentSubmodelFile.empty()) writeProfile(app_.currentSubmodelFile);
    busy_ = false;
    changed();
}

void frm2::showGrid() {
    setBox(SubmodelBox::NX, plainDigits(static_cast<int>(nx_)));
    setBox(SubmodelBox::NY, plainDigits(static_cast<int>(ny_)));
    setBox(SubmodelBox::DX, plainDigits(dx_));
    setBox(SubmodelBox::DY, plainDigits(dy_));
    setBox(SubmodelBox::LX, formatNumber(xLength_, kLengthFormat));
    setBox(SubmodelBox::LY, formatNumber(yLength_, kLengthFormat));
}

void frm2::refreshWindow() {
    window_.txtFile = app_.currentSubmodelFile;
    window_.txtName = app_.currentSubmodelName;
    setBox(SubmodelBox::Layers, plainDigits(static_cast<int>(nz_)));
    if (new_) {
        setBox(SubmodelBox::NX, plainDigits(static_cast<int>(nx_)));
        setBox(SubmodelBox::NY, plainDigits(static_cast<int>(ny_)));
        setBox(SubmodelBox::DX, plainDigits(dx_));
        setBox(SubmodelBox::DY, plainDigits(dy_));
        applyBox(SubmodelBox::DX);
        applyBox(SubmodelBox::DY);
    }
    setBox(SubmodelBox::DZ, plainDigits(dz_));
    const bool wasModified = modified_;
    applyBox(SubmodelBox::DZ);
    modified_ = wasModified; // showing the values changes nothing
    dx_ = static_cast<float>(boxValue(SubmodelBox::DX));
    dy_ = static_cast<float>(boxValue(SubmodelBox::DY));
    dz_ = static_cast<float>(boxValue(SubmodelBox::DZ));

    window_.depthLabels[0] = {"0.0", true};
    for (std::size_t i = 1; i <= 8; ++i)
        window_.depthLabels[i] = {
            formatNumber(static_cast<double>(i) / 8 * zLength_, kLengthFormat), zLength_ > 0};

    if (!app_.paletteList.empty()) {
        window_.sectionChooser.items.clear();
        int k = 0;
        for (const auto& section : app_.paletteList) {
            ++k;
            if (section->sectionname.empty())
                section->sectionname = app_.dialogs.input(
                    "This section has no name, so please enter one.", " NO NAME", "");
            window_.sectionChooser.items.push_back(section->sectionname);
            if (k <= kPaletteSlots) {
                window_.slotLabels[static_cast<std::size_t>(k - 1)] = section->sectionname;
                window_.slotColors[static_cast<std::size_t>(k - 1)] = section->sec_color;
                colors_[static_cast<std::size_t>(k - 1)] = section->sec_color;
            }
        }
        window_.sectionChooser.listIndex =
            static_cast<int>(window_.sectionChooser.items.size()) - 1;
        window_.shpCurrent = sectionColor(window_.sectionChooser.listIndex + 1);
        enableMenu("mnuTools", true);
    }
    drawPicture();
    syncRecord();
}

std::int32_t frm2::sectionColor(int s) const {
    if (s < 1 || s > kPaletteSlots) return kWhite;
    return colors_[static_cast<std::size_t>(s - 1)];
}

void frm2::setUpPicture() {
    if (!picture_) return;
    picture_->setScale(0, 0, kStackWidth, std::max<int>(1, nz_) * kLayerHeight);
}

void frm2::drawLayer(int z) {
    if (!picture_) return;
    const std::int16_t s = layers_[static_cast<std::size_t>(z - 1)];
    const std::int32_t color = s >= 1 && s <= app_.paletteList.count() ? sectionColor(s) : kWhite;
    picture_->filledBox(0, (z - 1) * kLayerHeight, kStackWidth, z * kLayerHeight, color);
}

void frm2::drawPicture() {
    if (!picture_) return;
    picture_->clear(kWhite);
    for (int z = 1; z <= nz_; ++z) drawLayer(z);
    // A divider between neighbouring layers.
    for (int z = 1; z < nz_; ++z)
        picture_->line(0, z * kLayerHeight, kStackWidth, z * kLayerHeight, rgb(128, 128, 128), 1);
}

void frm2::sectionChosen(int position) {
    if (position < 0 || position >= static_cast<int>(window_.sectionChooser.items.size())) return;
    window_.sectionChooser.listIndex = position;
    window_.shpCurrent = sectionColor(position + 1);
    changed();
}

void frm2::slotClicked(int slot) {
    if (slot < 1 || slot > kPaletteSlots) return;
    if (slot > static_cast<int>(window_.sectionChooser.items.size()))
        addSection();
    else
        sectionChosen(slot - 1);
}

void frm2::currentSwatchClicked() {
    const int k = window_.sectionChooser.listIndex + 1;
    if (k < 1 || k > app_.paletteList.count()) return;
    if (std::optional<std::int32_t> color = app_.dialogs.chooseColor(sectionColor(k))) {
        colors_[static_cast<std::size_t>(k - 1)] = *color;
        window_.slotColors[static_cast<std::size_t>(k - 1)] = *color;
        window_.shpCurrent = *color;
        app_.paletteList.item(k)->sec_color = *color;
        modified_ = true;
        drawPicture();
    }
    changed();
}

void frm2::addSection() {
    const int k = static_cast<int>(window_.sectionChooser.items.size()) + 1;
    if (k > kPaletteSlots) {
        app_.dialogs.inform("A sub-model holds at most 12 sections; this one was not added.",
                            window_.messageTitle);
        return;
    }
    nx_ = ny_ = 3;
    new_ = true;
    std::string path =
        app_.dialogs.openFile({filters::kSection, app_.config.UserDir, "", kMessageTitle});
    if (path.empty()) {
        changed();
        return;
    }
    std::shared_ptr<Cgeom> section = newSectionGeometry(app_);
    section->read_secfile(path);
    // A section that could not be read is not offered for painting.
    if (path == "ERROR") {
        changed();
        return;
    }
    section->Sectionfile = path;
    nx_ = section->nx;
    ny_ = section->ny;
    dx_ = static_cast<float>(section->dx);
    dy_ = static_cast<float>(section->dy);
    xLength_ = static_cast<float>(nx_) * dx_;
    yLength_ = static_cast<float>(ny_) * dy_;
    showGrid();
    app_.paletteList.add(section);
    window_.sectionChooser.items.push_back(section->sectionname);
    window_.sectionChooser.listIndex = k - 1;
    record_->scount = static_cast<std::int16_t>(app_.paletteList.count());

    window_.slotLabels[static_cast<std::size_t>(k - 1)] = section->sectionname;
    const std::int32_t present = colors_[static_cast<std::size_t>(k - 1)];
    std::optional<std::int32_t> color = app_.dialogs.chooseColor(present > 0 ? present : kWhite);
    const std::int32_t chosen = color ? *color : kSlotDefaults[static_cast<std::size_t>(k - 1)];
    window_.slotColors[static_cast<std::size_t>(k - 1)] = chosen;
    window_.shpCurrent = chosen;
    colors_[static_cast<std::size_t>(k - 1)] = chosen;
    section->sec_color = chosen;

    if (nx_ * ny_ >= 10) new_ = false;
    refreshWindow();
    refreshPage();
    // A section added is a change of the sub-model, to be saved like the layers.
    modified_ = true;
    changed();
}

void frm2::removeSection() {
    const int k = window_.sectionChooser.listIndex + 1;
    if (k < 1 || k > static_cast<int>(window_.sectionChooser.items.size())) return;
    window_.sectionChooser.items.erase(window_.sectionChooser.items.begin() + (k - 1));
    if (k <= app_.paletteList.count()) app_.paletteList.remove(k);
    for (int s = k; s < kPaletteSlots; ++s) {
        window_.slotLabels[static_cast<std::size_t>(s - 1)] =
            window_.slotLabels[static_cast<std::size_t>(s)];
        window_.slotColors[static_cast<std::size_t>(s - 1)] =
            window_.slotColors[static_cast<std::size_t>(s)];
        colors_[static_cast<std::size_t>(s - 1)] = colors_[static_cast<std::size_t>(s)];
    }
    resetSlot(kPaletteSlots);
    colors_[kPaletteSlots - 1] = 0;
    // Layers keep their sections: those of the removed one become unassigned, later ones move
    // down with the palette.
    for (std::int16_t& s : layers_) {
        if (s == k)
            s = 0;
        else if (s > k)
            --s;
    }
    window_.sectionChooser.listIndex =
        window_.sectionChooser.items.empty() ? -1 : std::max(0, k - 2);
    window_.shpCurrent = sectionColor(window_.sectionChooser.listIndex + 1);
    record_->scount = static_cast<std::int16_t>(app_.paletteList.count());
    drawPicture();
    syncRecord();
    modified_ = true;
    changed();
}

void frm2::mouseDown(double, double y) {
    if (app_.paletteList.empty()) return;
    armed_ = true;
    busy_ = true;
    lastY_ = y;
    paintAt(y);
}

void frm2::mouseMove(double, double y) {
    if (!armed_) return;
    // A quick stroke reports few positions: the layers passed over in between are painted too.
    const double step = kLayerHeight / 2;
    const int steps = static_cast<int>(std::ceil(std::fabs(y - lastY_) / step));
    for (int n = 1; n <= steps; ++n) paintAt(lastY_ + (y - lastY_) * n / steps);
    lastY_ = y;
}

void frm2::mouseUp(double x, double y) {
    if (!armed_) return;
    mouseMove(x, y);
    armed_ = false;
    busy_ = false;
    changed();
}

void frm2::paintAt(double y) {
    const int s = window_.sectionChooser.listIndex + 1;
    if (s < 1) return;
    const double height = std::max<int>(1, nz_) * kLayerHeight;
    const double z = roundHalfEven(nz_ * y / height + 0.5);
    if (!(z >= 1 && z <= nz_)) return;
    const int layer = static_cast<int>(z);
    layers_[static_cast<std::size_t>(layer - 1)] = static_cast<std::int16_t>(s);
    record_->L_secnumber(layer, static_cast<std::int16_t>(s));
    drawLayer(layer);
    modified_ = true;
}

bool frm2::layersComplete() {
    for (int z = 1; z <= nz_; ++z) {
        const std::int16_t s = layers_[static_cast<std::size_t>(z - 1)];
        if (s < 1 || s > 99) {
            app_.dialogs.inform("Not all Z-layers in the submodel are specified",
                                window_.messageTitle);
            return false;
        }
    }
    return true;
}

void frm2::syncRecord() {
    record_->nx = nx_;
    record_->ny = ny_;
    record_->nz = nz_;
    record_->dx = dx_;
    record_->dy = dy_;
    record_->dz = dz_;
    record_->smodname = app_.currentSubmodelName;
    record_->palette = app_.paletteList;
    record_->scount = static_cast<std::int16_t>(app_.paletteList.count());
    for (int z = 1; z <= kMaxLayers; ++z)
        record_->L_secnumber(z, layers_[static_cast<std::size_t>(z - 1)]);
}

bool frm2::writeProfile(const std::string& path) {
    ProfileWriteRequest request;
    request.path = path;
    request.name = app_.currentSubmodelName;
    request.nx = nx_;
    request.ny = ny_;
    request.nz = nz_;
    request.dx = dx_;
    request.dy = dy_;
    request.dz = dz_;
    request.sectionChooserCount = static_cast<int>(window_.sectionChooser.items.size());
    request.layers.assign(layers_.begin(), layers_.begin() + std::clamp<int>(nz_, 0, kMaxLayers));
    request.layersComplete = true;
    request.messageTitle = window_.messageTitle;
    if (!write_profile(app_, request, app_.paletteList)) return false;
    showFileInCaption(path);
    record_->smodfile = path;
    syncRecord();
    modified_ = false;
    return true;
}

bool frm2::settleUnsaved() {
    if (!modified_) return true;
    switch (app_.dialogs.askYesNoCancel("Save your changes to a sub-model file?",
                                        window_.messageTitle)) {
    case MessageAnswer::Yes:
        save();
        return !modified_;
    case MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void frm2::newSubmodel() {
    if (!settleUnsaved()) return;
    while (!window_.sectionChooser.items.empty()) {
        window_.sectionChooser.listIndex = 0;
        removeSection();
    }
    new_ = true;
    if (picture_) picture_->clear(kWhite);
    app_.currentSubmodelName.clear();
    app_.currentSubmodelFile.clear();
    showFileInCaption("");
    window_.sectionChooser = {};
    app_.clearPaletteList();
    layers_.fill(0);
    window_.shpCurrent = kWhite;
    refreshWindow();
    modified_ = true;
    changed();
}

void frm2::readProfileFile(const std::string& path) {
    ProfileSectionChoices choices;
    choices.takeNextLines = true;
    choices.fillSharedPalette = true;
    choices.messageTitle = window_.messageTitle;
    ProfileRead read;
    try {
        read = readProfile(app_, path, "modelname=", &choices);
    } catch (const std::exception&) {
        app_.dialogs.inform("PROBLEM: submodel file=" + path, window_.messageTitle);
        return;
    }
    const ProfileHeader& h = read.header;
    record_ = read.record;
    app_.currentSubmodelName = h.name;
    nx_ = h.nx;
    ny_ = h.ny;
    nz_ = std::clamp<std::int16_t>(h.nz, 0, kMaxLayers);
    dx_ = h.dx;
    dy_ = h.dy;
    dz_ = h.dz;
    xLength_ = static_cast<float>(nx_) * dx_;
    yLength_ = static_cast<float>(ny_) * dy_;
    zLength_ = static_cast<float>(nz_) * dz_;
    layers_.fill(0);
    for (std::size_t z = 0; z < h.layers.size() && z < layers_.size(); ++z)
        layers_[z] = h.layers[z];
    colors_.fill(0);
    window_.sectionChooser = {};
    for (int k = 1; k <= kPaletteSlots; ++k) resetSlot(k);
    int k = 0;
    for (const auto& section : app_.paletteList) {
        if (++k > kPaletteSlots) break;
        colors_[static_cast<std::size_t>(k - 1)] = section->sec_color;
    }
    showGrid();
    setBox(SubmodelBox::ZLength, formatNumber(zLength_, kLengthFormat));
    appendSubmodel(app_, record_);
    setUpPicture();
    new_ = false;
    refreshWindow();
    modified_ = false;
    showFileInCaption(path);
    app_.config.UserDir = app_.fs.parentFolder(app_.fs.absolutePath(path));
}

void frm2::showFileInCaption(const std::string& path) {
    window_.caption = path.empty() ? kCaption : "Sub-Model Geometry -- " + app_.fs.baseName(path);
}

void frm2::openProfile() {
    if (!settleUnsaved()) return;
    new_ = true;
    std::string path = app_.dialogs.openFile(
        {filters::kProfile, app_.config.UserDir, app_.currentSubmodelFile, ""});
    if (!path.empty()) {
        app_.currentSubmodelFile = path;
        readProfileFile(path);
        window_.txtFile = path;
        enableMenu("mnuTools", true);
    }
    changed();
}

void frm2::save() {
    if (!app_.currentSubmodelFile.empty()) {
        if (layersComplete()) writeProfile(app_.currentSubmodelFile);
    } else {
        saveAs();
    }
    changed();
}

void frm2::saveAs() {
    const bool complete = layersComplete();
    std::string path =
        app_.dialogs.saveFile({filters::kProfile, app_.config.UserDir, "", kMessageTitle});
    if (!path.empty()) {
        app_.currentSubmodelFile = path;
        if (complete) writeProfile(path);
    }
    refreshWindow();
    changed();
}

void frm2::openMaterialFile() {
    std::string path = app_.dialogs.openFile({filters::kMaterials, app_.config.DataDir, "", ""});
    if (path.empty()) {
        app_.dialogs.inform("Please pick a file next time", window_.messageTitle);
        return;
    }
    app_.currentMaterialsFile = path;
    materials_.read_Matfile(path);
    changed();
}

void frm2::openSectionEditor() {
    if (onOpenSectionEditor) onOpenSectionEditor();
}

void frm2::alignMaterials() {
    if (MenuItemState* item = findMenuItem(window_.menus, "mnuTest")) item->enabled = true;
    changed();
}

bool frm2::close() {
    if (!window_.open) return true;
    window_.messageTitle = " Losing Precious Data ?";
    const bool closing =
        modified_
            ? settleUnsaved()
            : layersComplete() || app_.dialogs.askYesNo("Proceed to exit?", window_.messageTitle);
    // The window goes on: its dialogs and messages take their usual title again.
    window_.messageTitle = kMessageTitle;
    if (!closing) {
        changed();
        return false;
    }
    window_.open = false;
    changed();
    if (onClosed) onClosed();
    return true;
}

} // namespace vardex
