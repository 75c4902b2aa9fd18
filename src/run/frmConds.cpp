#include "run/frmConds.h"

#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {

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
        state_.txtTSfile = exec_.Boundx[0]->bndyTSfile;
        state_.guard = true;
    }
    changed();
}

void frmConds::refresh() {
    if (CBoundarytype* record = currentRecord()) {
        state_.txtInitT = plainDigits(record->initValue);
        state_.optDtype = record->flagDirichlet;
        state_.optNtype = !record->flagDirichlet;
        state_.txtTSfile = record->bndyTSfile;
    }
    state_.fileFrameEnabled = !state_.optNtype;
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
        record->flagReady = true;
    }
    refresh();
    state_.guard = true;
    if (record && state_.txtTSfile.empty() && record->flagDirichlet) askTimeSeriesFile();
    changed();
}

void frmConds::askTimeSeriesFile() {
    CBoundarytype* record = currentRecord();
    if (!record) return;
    record->flagReady = false;
    if (!state_.optDtype) {
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
