#include "run/frmConds.h"

#include <algorithm>

#include "text/NumberText.h"
#include "text/PhysicalLimits.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

// A new convective record: an air film on the sides and the top, the base on the ground.
FaceCoefficients defaultFaces(double start) {
    return {static_cast<float>(start), {8.0f, 8.0f, 8.0f, 8.0f, 0.0f, 8.0f}};
}

constexpr const char* kTimePrompt = "Enter the time of the change (hours, the run's clock):";

void sortByTime(std::vector<FaceCoefficients>& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.time < b.time; });
}

} // namespace

frmConds::frmConds(AppState& app, Cexec& exec) : app_(app), exec_(exec) {}

void frmConds::changed() {
    if (onChanged) onChanged();
}

CBoundarytype* frmConds::currentRecord() {
    if (current_ < 1 || current_ > static_cast<int>(exec_.Boundx.size())) return nullptr;
    return exec_.Boundx[current_ - 1].get();
}

void frmConds::load() {
    state_.guard = false;
    state_.List1 = {};
    for (const auto& record : exec_.Boundx) {
        state_.List1.items.push_back(record->matlName);
        state_.optDtype = state_.optNtype = false;
        if (record->flagReady) {
            state_.optDtype = record->flagDirichlet;
            state_.optNtype = !record->flagDirichlet;
        }
    }
    state_.optFormat = exec_.concentric;
    if (state_.List1.items.empty()) {
        app_.dialogs.inform("ERROR:  NO Boundary Materials");
    } else {
        state_.List1.listIndex = 0;
        current_ = 1;
        // The window opens on the first record's own values; an unsettled one shows no kind.
        refresh();
        if (!exec_.Boundx[0]->flagReady)
            state_.optDtype = state_.optNtype = state_.optCtype = false;
        state_.guard = true;
    }
    showCalculator();
    changed();
}

void frmConds::refresh() {
    if (CBoundarytype* record = currentRecord()) {
        state_.txtInitT = plainDigits(record->initValue);
        state_.optDtype = record->flagDirichlet;
        state_.optCtype = record->flagConvection && !record->flagDirichlet;
        state_.optNtype = !state_.optDtype && !state_.optCtype;
        state_.txtTSfile = record->bndyTSfile;
        state_.faceRows.clear();
        for (const FaceCoefficients& row : record->facePoints) {
            std::array<std::string, 7> texts{plainDigits(row.time)};
            for (int f = 0; f < 6; ++f)
                texts[std::size_t(f) + 1] = plainDigits(row.U[std::size_t(f)]);
            state_.faceRows.push_back(texts);
        }
    }
    state_.fileFrameEnabled = !state_.optNtype;
    state_.facesFrameVisible = state_.optCtype;
}

CBoundarytype* frmConds::convectiveRecord() {
    CBoundarytype* record = currentRecord();
    return record && record->flagConvection ? record : nullptr;
}

std::optional<double> frmConds::askNumber(const std::string& prompt, const std::string& shown) {
    const std::string answer = trim(app_.dialogs.input(prompt, condsCaptions::kTitle, shown));
    if (!isTypedNumber(answer)) return std::nullopt;
    return typedNumber(answer);
}

std::optional<double> frmConds::askInRange(const std::string& prompt, const std::string& shown,
                                           const std::string& what, const limits::Range& range) {
    const std::optional<double> value = askNumber(prompt, shown);
    if (!value || limits::inRange(*value, range)) return value;
    app_.dialogs.inform(limits::outsideRange(what, *value, range));
    return std::nullopt;
}

void frmConds::showCalculator() {
    state_.txtFilm = plainDigits(calculator_.film);
    state_.layerRows.clear();
    for (const InsulationLayer& layer : calculator_.layers)
        state_.layerRows.push_back(layer.name + ": " + plainDigits(layer.thickness * 1000.0) +
                                   " mm at " + plainDigits(layer.conductivity) + " W/m C");
    state_.txtU = plainDigits(static_cast<float>(calculator_.U()));
}

void frmConds::selectMaterial(int listIndex) {
    if (!state_.guard) return;
    if (listIndex < 0 || listIndex >= static_cast<int>(state_.List1.items.size())) return;
    state_.guard = false;
    state_.List1.listIndex = listIndex;
    current_ = listIndex + 1;
    currentRecord()->flagReady = true;
    refresh();
    state_.guard = true;
    changed();
}

void frmConds::chooseNoFlux() {
    if (!state_.guard) return;
    state_.guard = false;
    state_.optNtype = true;
    state_.optDtype = false;
    state_.fileFrameEnabled = false;
    if (CBoundarytype* record = currentRecord()) {
        record->flagDirichlet = false;
        record->flagConvection = false;
        record->flagReady = true;
        record->bndyTSfile.clear();
    }
    refresh();
    state_.guard = true;
    changed();
}

void frmConds::chooseSpecified() {
    if (!state_.guard) return;
    state_.guard = false;
    state_.optDtype = true;
    state_.optNtype = false;
    state_.fileFrameEnabled = true;
    CBoundarytype* record = currentRecord();
    if (record) {
        record->flagDirichlet = state_.optDtype;
        record->flagConvection = false;
        record->flagReady = true;
    }
    refresh();
    state_.guard = true;
    if (record && state_.txtTSfile.empty() && record->flagDirichlet) askTimeSeriesFile();
    changed();
}

void frmConds::chooseConvection() {
    if (!state_.guard) return;
    state_.guard = false;
    if (CBoundarytype* record = currentRecord()) {
        record->flagDirichlet = false;
        record->flagConvection = true;
        record->flagReady = true;
        if (record->facePoints.empty()) record->facePoints.push_back(defaultFaces(exec_.starttime));
    }
    refresh();
    state_.guard = true;
    changed();
}

void frmConds::addChangeTime() {
    CBoundarytype* record = convectiveRecord();
    if (!state_.guard || !record) return;
    state_.guard = false;
    const std::optional<double> time = askInRange(kTimePrompt, "", "the time", limits::kTime);
    if (time) {
        // The coefficients in force at that time carry on until the user changes them; before
        // the first row's time the first row holds.
        FaceCoefficients row =
            record->facePoints.empty() ? defaultFaces(*time) : record->facePoints.front();
        for (const FaceCoefficients& earlier : record->facePoints)
            if (earlier.time <= *time) row = earlier;
        row.time = static_cast<float>(*time);
        if (static_cast<int>(record->facePoints.size()) >= CBoundarytype::kMaxFaceRows)
            app_.dialogs.inform("A boundary holds at most 99 change times.");
        else
            record->facePoints.push_back(row);
        sortByTime(record->facePoints);
    }
    refresh();
    state_.guard = true;
    changed();
}

void frmConds::removeChangeTime(int row) {
    CBoundarytype* record = convectiveRecord();
    if (!state_.guard || !record || row < 0 || row >= static_cast<int>(record->facePoints.size()))
        return;
    // Convection needs coefficients from the start: the only row stays.
    if (record->facePoints.size() == 1) {
        app_.dialogs.inform("The first coefficients cannot be removed; change them instead.");
        return;
    }
    record->facePoints.erase(record->facePoints.begin() + row);
    refresh();
    changed();
}

void frmConds::editFaceCell(int row, int column) {
    CBoundarytype* record = convectiveRecord();
    if (!state_.guard || !record || row < 0 || row >= static_cast<int>(record->facePoints.size()) ||
        column < 0 || column > 6)
        return;
    state_.guard = false;
    FaceCoefficients& cells = record->facePoints[std::size_t(row)];
    if (column == 0) {
        const std::optional<double> time =
            askInRange(kTimePrompt, plainDigits(cells.time), "the time", limits::kTime);
        if (time) {
            cells.time = static_cast<float>(*time);
            sortByTime(record->facePoints);
        }
    } else {
        float& u = cells.U[std::size_t(column - 1)];
        const std::optional<double> value =
            askInRange(std::string("Enter U of the face ") + condsCaptions::kFaceNames[column - 1] +
                           " (W/m2 C, 0 for no flow):",
                       plainDigits(u), "U", limits::kHeatTransfer);
        if (value) u = static_cast<float>(*value);
    }
    refresh();
    state_.guard = true;
    changed();
}

void frmConds::filmClicked() {
    if (!state_.guard) return;
    state_.guard = false;
    const std::optional<double> film =
        askInRange("Enter the air film coefficient (W/m2 C):", plainDigits(calculator_.film),
                   "the air film coefficient", limits::kHeatTransfer);
    if (film) calculator_.film = *film;
    showCalculator();
    state_.guard = true;
    changed();
}

void frmConds::addLayer(int preset) {
    if (!state_.guard || preset < 0 || preset >= static_cast<int>(kLayerPresets.size())) return;
    state_.guard = false;
    const LayerPreset& kind = kLayerPresets[std::size_t(preset)];
    InsulationLayer layer{kind.name, 0.0, kind.conductivity};
    const std::optional<double> mm =
        askNumber(std::string("Enter the thickness of the ") + kind.name + " layer (mm):", "");
    if (mm && *mm > 0 && *mm < 1e6) {
        layer.thickness = *mm / 1000.0;
        if (!(layer.conductivity > 0)) {
            const std::optional<double> k =
                askNumber("Enter the layer's thermal conductivity (W/m C):", "");
            layer.conductivity = k && *k > 0 && *k < 1e6 ? *k : 0.0;
        }
        if (layer.conductivity > 0) calculator_.layers.push_back(layer);
    }
    showCalculator();
    state_.guard = true;
    changed();
}

void frmConds::removeLayer(int index) {
    if (!state_.guard || index < 0 || index >= static_cast<int>(calculator_.layers.size())) return;
    calculator_.layers.erase(calculator_.layers.begin() + index);
    showCalculator();
    changed();
}

void frmConds::applyU(int row, const std::vector<int>& faces) {
    CBoundarytype* record = convectiveRecord();
    if (!state_.guard || !record || row < 0 || row >= static_cast<int>(record->facePoints.size()))
        return;
    for (const int face : faces)
        if (face >= 1 && face <= 6)
            record->facePoints[std::size_t(row)].U[std::size_t(face - 1)] =
                static_cast<float>(calculator_.U());
    refresh();
    changed();
}

void frmConds::askTimeSeriesFile() {
    CBoundarytype* record = currentRecord();
    if (!record) return;
    record->flagReady = false;
    // Convection takes its ambient air from the series too.
    if (!state_.optDtype && !state_.optCtype) {
        app_.dialogs.inform("N-type for this boundary material");
        changed();
        return;
    }
    std::string path = app_.dialogs.openFile({condsCaptions::kFilter, app_.config.DataDir, "", ""});
    if (!path.empty()) {
        // The run set-up keeps the first five names; every record keeps its own.
        if (current_ <= 5) exec_.LbndyTSfile(current_, path);
        state_.txtTSfile = path;
        app_.config.DataDir = app_.fs.parentFolder(app_.fs.absolutePath(path));
        record->bndyTSfile = trim(path);
        record->read_bndyTS(app_, exec_.starttime, exec_.endtime);
    }
    changed();
}

void frmConds::initTempClicked() {
    if (!state_.guard) return;
    state_.guard = false;
    const std::string answer = trim(app_.dialogs.input(
        "Enter an Initial Temperature (Celsius):", condsCaptions::kTitle, state_.txtInitT));
    // With no boundary material there is no record to hold the value.
    CBoundarytype* record = currentRecord();
    if (record && isTypedNumber(answer)) {
        state_.txtInitT = answer;
        record->initValue = static_cast<float>(typedNumber(answer));
    }
    state_.guard = true;
    changed();
}

void frmConds::formatToggled(bool checked) {
    state_.optFormat = checked;
    if (state_.guard) exec_.concentric = checked;
    changed();
}

void frmConds::close() {
    if (state_.closed) return;
    exec_.concentric = state_.optFormat;
    exec_.flagBndy = true;
    for (const auto& record : exec_.Boundx)
        if (!record->flagReady) exec_.flagBndy = false;
    state_.closed = true;
    changed();
}

} // namespace vardex
