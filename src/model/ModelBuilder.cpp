#include "model/ModelBuilder.h"

#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>

#include "app/Filters.h"
#include "text/NumberFormat.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

inline constexpr int kChunkLineWidth = 7;

} // namespace

ModelBuilder::ModelBuilder(AppState& app, MainWindowState& window) : app_(app), window_(window) {}

void ModelBuilder::attachDrawing(Canvas* canvas) {
    drawing_ = canvas;
    if (drawing_) {
        drawing_->setScale(0, 0, kModelDrawingWidth, kModelDrawingHeight);
        drawModel();
    }
}

void ModelBuilder::selectType(int listIndex) {
    if (listIndex < 0) return;
    showType(listIndex + 1);
}

void ModelBuilder::showType(int k) {
    if (k >= 1) app_.selectedSubmodel = static_cast<std::int16_t>(k);
    const int sel = selected();
    if (sel < 1) return;
    if (window_.builderActive) {
        window_.panelVisible = true;
        window_.panelEnabled = true;
        window_.enableMenuItem("mnufilesaveas", true);
    }
    ListState& types = window_.cboprofilename;
    if (sel <= static_cast<int>(types.items.size())) types.listIndex = sel - 1;
    model_.typeCount = static_cast<std::int16_t>(types.items.size());
    model_.chunkCount = static_cast<std::int16_t>(app_.chunkList.size());
    window_.txtnumgeotypes = plainDigits(model_.typeCount);
    window_.txtTotChunks = plainDigits(model_.chunkCount);
    if (sel <= kMaxModelTypes) window_.shpproColor = model_.typeColors[sel - 1];
    if (sel <= app_.submodelList.count()) {
        window_.txtZLayers = plainDigits(app_.submodelList.item(sel)->nz);
        window_.txtZLength = plainDigits(model_.typeLengths[sel - 1]);
    }
    if (!window_.modelFilePath.empty()) window_.lblModfile = window_.modelFilePath;
    window_.txtmodelName = window_.modelName;
    lengthEstimate();
    getUnusedLength();
    for (int i = 0; i < 5; ++i)
        if (model_.totalLength > 0)
            window_.lblPz[i] = {formatNumber(i * model_.totalLength / 4.0, "##0.0##"), true};
}

void ModelBuilder::chooseColor() {
    chooseColorFor(selected());
}

void ModelBuilder::chooseColorFor(int k) {
    if (k < 1 || k > kMaxModelTypes) return;
    std::optional<std::int32_t> color = app_.dialogs.chooseColor(model_.typeColors[k - 1]);
    if (!color) return;
    model_.typeColors[k - 1] = *color;
    if (k <= app_.submodelList.count()) app_.submodelList.item(k)->color = *color;
    window_.shpproColor = *color;
    changed();
    drawModel();
}

std::int32_t ModelBuilder::defaultTypeColor(int k) {
    static constexpr std::int32_t kColors[] = {
        rgb(192, 80, 77),  rgb(79, 129, 189), rgb(155, 187, 89),  rgb(128, 100, 162),
        rgb(75, 172, 198), rgb(247, 150, 70), rgb(112, 112, 112), rgb(196, 160, 0)};
    return kColors[(k - 1) % std::size(kColors)];
}

void ModelBuilder::restore(const Saved& saved) {
    model_ = saved.model;
    current_ = saved.current;
    drawModel();
}

void ModelBuilder::addType() {
    if (model_.typeCount >= kMaxModelTypes) {
        app_.dialogs.inform("A model holds at most 20 sub-model types; this one was not added.",
                            window_.messageTitle);
        return;
    }
    std::string path =
        app_.dialogs.openFile({filters::kProfile, app_.config.UserDir, "", "Add a Sub-Model"});
    if (path.empty()) return;
    read_profile(path);
    if (app_.submodelList.count() == model_.typeCount) return;
    ListState& types = window_.cboprofilename;
    types.items.push_back(current_->smodname);
    types.listIndex = static_cast<int>(types.items.size()) - 1;
    model_.typeCount = static_cast<std::int16_t>(types.items.size());
    window_.txtnumgeotypes = plainDigits(model_.typeCount);
    const int sel = app_.submodelList.count();
    app_.selectedSubmodel = static_cast<std::int16_t>(sel);
    // White would vanish on the white drawing, so a cancelled chooser keeps a visible colour.
    model_.typeColors[sel - 1] = defaultTypeColor(sel);
    current_->color = model_.typeColors[sel - 1];
    chooseColorFor(sel);
    model_.typeLengths[sel - 1] = static_cast<float>(std::abs(current_->nz)) * current_->dz;
    window_.builderActive = true;
    showType(0);
    changed();
}

void ModelBuilder::deleteType() {
    ListState& types = window_.cboprofilename;
    const int k = types.listIndex + 1;
    if (k < 1 || k > static_cast<int>(types.items.size())) return;
    types.items.erase(types.items.begin() + (k - 1));
    types.listIndex = -1;
    if (k <= app_.submodelList.count()) app_.submodelList.remove(k);
    for (int j = k; j < model_.typeCount && j < kMaxModelTypes; ++j) {
        model_.typeColors[j - 1] = model_.typeColors[j];
        model_.typeLengths[j - 1] = model_.typeLengths[j];
    }
    // Chunks of the deleted type pass to the type before it, or become empty slots.
    for (int s = 1; s <= kChunkSlots; ++s)
        if (model_.chunkSlots[s].type >= k) --model_.chunkSlots[s].type;
    model_.typeCount = static_cast<std::int16_t>(types.items.size());
    app_.selectedSubmodel = model_.typeCount;
    showType(0);
    changed();
    drawModel();
}

int ModelBuilder::slotAt(double y) const {
    if (!drawing_) return 0;
    const long long perSlot = static_cast<long long>(roundHalfEven(drawing_->scaleHeight() / 99));
    if (perSlot < 1) return 0;
    const long long q = static_cast<long long>(roundHalfEven(y)) / 10;
    const long long s = static_cast<long long>(roundHalfEven((q + 0.5) * 10)) / perSlot + 1;
    return s >= 1 && s <= kChunkSlots ? static_cast<int>(s) : 0;
}

void ModelBuilder::mouseUp(double /*x*/, double y) {
    if (model_.deleteMode)
        deleteChunk(y);
    else if (!app_.submodelList.empty())
        addChunk(y);
}

void ModelBuilder::addChunk(double y) {
    const int sel = selected();
    const int shown = window_.cboprofilename.listIndex + 1;
    if (sel < 1 || sel > model_.typeCount || shown < 1) return;
    if (model_.totalLength <= 0) lengthEstimate();
    const int s = slotAt(y);
    if (s == 0) return;
    const float length = model_.typeLengths[sel - 1];
    const float centre = static_cast<float>((s - 0.5) * model_.totalLength / 100);
    ChunkSlot& slot = model_.chunkSlots[s];
    slot.bottom = std::max(0.0f, centre - length / 2);
    slot.top = slot.bottom + length;
    slot.type = static_cast<std::int16_t>(sel);
    window_.txtUnusedLength =
        formatNumber(leadingNumber(window_.txtUnusedLength) - length, "###.##");
    app_.chunkList.push_back(static_cast<std::int16_t>(sel));
    model_.chunkCount = static_cast<std::int16_t>(leadingNumber(window_.txtTotChunks) + 1);
    app_.model.chunkCount = model_.chunkCount;
    window_.txtTotChunks = plainDigits(model_.chunkCount);
    drawChunk(model_.typeColors[shown - 1], slot.bottom, slot.top);
    changed();
}

void ModelBuilder::deleteChunkClicked() {
    app_.dialogs.inform(std::string("Click in the CENTER of the chunk to be deleted. You can") +
                            kNewLine + "only delete ONE from the selected sub-model type (color).",
                        "Model");
    model_.deleteMode = true;
    changed();
}

void ModelBuilder::deleteChunk(double y) {
    const int s = slotAt(y);
    const int sel = selected();
    int nearest = 0;
    if (s != 0 && sel >= 1) {
        for (int slot = 1; slot <= kChunkSlots; ++slot)
            if (model_.chunkSlots[slot].type == sel &&
                (nearest == 0 || std::abs(s - slot) < std::abs(s - nearest)))
                nearest = slot;
    }
    if (nearest != 0) {
        model_.chunkSlots[nearest] = {};
        --model_.chunkCount;
        window_.txtTotChunks = plainDigits(model_.chunkCount);
        window_.txtUnusedLength = formatNumber(
            leadingNumber(window_.txtUnusedLength) + model_.typeLengths[sel - 1], "###.##");
        changed();
        drawModel();
    }
    model_.deleteMode = false;
    showType(0);
}

void ModelBuilder::adjust() {
    float z = 0;
    for (int s = 1; s <= kChunkSlots; ++s) {
        ChunkSlot& slot = model_.chunkSlots[s];
        if (slot.type == 0) continue;
        const float length = slot.top - slot.bottom;
        slot.bottom = z;
        slot.top = z + length;
        z = slot.top;
    }
    drawModel();
    changed();

    app_.chunkList.clear();
    z = 0;
    for (int s = 1; s <= kChunkSlots; ++s) {
        ChunkSlot& slot = model_.chunkSlots[s];
        if (slot.type < 1 || slot.type > kMaxModelTypes) continue;
        slot.bottom = z;
        slot.top = z + model_.typeLengths[slot.type - 1];
        z = slot.top;
        app_.chunkList.push_back(slot.type);
    }
    model_.totalLength = z;
    model_.chunkCount = static_cast<std::int16_t>(app_.chunkList.size());
    app_.model.chunkCount = model_.chunkCount;

    lengthEstimate();
    getUnusedLength();
    drawModel();
    changed();
    showType(0);
}

void ModelBuilder::lengthEstimate() {
    if (!app_.submodelList.empty() && model_.totalLength <= 0) {
        model_.totalLength = 8;
        app_.dialogs.inform(std::string("An ESTIMATE of total Model Length is required") +
                                kNewLine + "which will be adjusted as the model is built.",
                            "Model");
        std::string answer = app_.dialogs.input("Enter a rough total Model Length", "Model",
                                                plainDigits(model_.totalLength));
        std::optional<double> value = numericValue(answer);
        if (value && std::fabs(*value) <= std::numeric_limits<float>::max())
            model_.totalLength = static_cast<float>(std::fabs(*value));
        if (model_.totalLength <= 0) model_.totalLength = 8;
    }
    window_.txtModLength = formatNumber(model_.totalLength, "##0.0#");
}

void ModelBuilder::getUnusedLength() {
    double used = 0;
    for (int s = 1; s <= kChunkSlots; ++s)
        if (model_.chunkSlots[s].type != 0)
            used += std::abs(model_.chunkSlots[s].top - model_.chunkSlots[s].bottom);
    window_.txtUnusedLength = formatNumber(model_.totalLength - used, "##0.0#");
}

void ModelBuilder::drawModel() {
    if (!drawing_) return;
    drawing_->clear(kWhite);
    for (int s = 1; s <= kChunkSlots; ++s) {
        const ChunkSlot& slot = model_.chunkSlots[s];
        if (slot.type >= 1 && slot.type <= kMaxModelTypes)
            drawChunk(model_.typeColors[slot.type - 1], slot.bottom, slot.top);
    }
}

void ModelBuilder::drawChunk(std::int32_t color, float bottom, float top) {
    if (!drawing_ || model_.totalLength <= 0) return;
    const double height = drawing_->scaleHeight();
    auto yOf = [&](float z) { return static_cast<double>(z) / model_.totalLength * height; };
    const double w = static_cast<long long>(roundHalfEven(drawing_->scaleWidth())) / 18;
    const double y1 = yOf(bottom);
    const double y2 = yOf(top);
    drawing_->line(w / 2, y1, w / 2, y2, color, kChunkLineWidth);
    for (int i = 1; i <= 17; ++i) drawing_->line(i * w, y1, i * w, y2, color, kChunkLineWidth);
    drawing_->line(17.5 * w, y1, 17.5 * w, y2, color, kChunkLineWidth);
    // Its ends across the whole width, so two chunks that meet show where.
    const double right = 18 * w;
    drawing_->line(0, y1, right, y1, kChunkBorderColour, 1);
    drawing_->line(0, y2, right, y2, kChunkBorderColour, 1);
}

void ModelBuilder::profileClear() {
    window_.cboprofilename = {};
    model_.typeCount = 0;
    model_.chunkCount = 0;
    window_.txtnumgeotypes = "0";
    window_.txtTotChunks = "0";
    model_.totalLength = 0;
    showType(0);
}

void ModelBuilder::clearBuilder() {
    if (drawing_) drawing_->clear(kWhite);
    window_.modelName.clear();
    window_.modelFilePath.clear();
    window_.lblModfile.clear();
    window_.txtmodelName.clear();
    app_.selectedSubmodel = 0;
    window_.shpproColor = kWhite;
    window_.cboprofilename = {};
}

} // namespace vardex
