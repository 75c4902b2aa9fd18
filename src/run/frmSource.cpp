#include "run/frmSource.h"

#include <stdexcept>

#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

const std::array<const char*, 3> kTModelLabels = {
    "P1 = time scaling (dimless)", "Time of Maximum Rise\r\n(`Inflection Point`, in hrs)",
    " P3 = exponent"};
const std::array<const char*, 3> kABtLabels = {
    "   alpha = ", "    beta = ", " tau = (time, in hrs)"};
const std::array<const char*, 4> kConcreteLabels = {"Heat   (kJ / kg)", "Concrete  Density",
                                                    "    Concrete Placement Temperature",
                                                    "  Source Start Time   (Global , in hrs)"};

// While the window works on its own controls no handler may run.
class InputPause {
  public:
    explicit InputPause(bool& flag) : flag_(flag) { flag_ = false; }
    ~InputPause() { flag_ = true; }

  private:
    bool& flag_;
};

} // namespace

frmSource::frmSource(AppState& app, Cexec& exec, std::string& viewMode)
    : app_(app), exec_(exec), viewMode_(viewMode) {
    for (int k = 0; k < 3; ++k) state_.labelValue[k] = kTModelLabels[k];
    for (int k = 0; k < 4; ++k) state_.labelValue[3 + k] = kConcreteLabels[k];
}

void frmSource::changed() {
    if (onChanged) onChanged();
}

void frmSource::load() {
    Csourceheat& src = exec_.Src;
    state_.inputEnabled = false;
    for (int k = 0; k < 3; ++k) {
        state_.txtValue[k] = plainDigits(src.g_sParam(k + 1));
        if (src.g_sParam(k + 1) <= 0) app_.dialogs.inform(plainDigits(k) + " param=0");
    }
    state_.txtValue[3] = plainDigits(src.heat);
    state_.txtValue[4] = plainDigits(src.concreteDensity);
    state_.txtValue[5] = plainDigits(src.placementTemp);
    state_.txtValue[6] = plainDigits(src.sourceStartTime);
    state_.optABt = src.abtFlag;
    state_.optTS = src.timeSeriesFlag;
    state_.optTmodel = !src.abtFlag && !src.timeSeriesFlag;
    if (src.timeSeriesFlag) state_.txtFile = src.timeSeriesFile;
    layOut();
    state_.inputEnabled = true;
    changed();
}

void frmSource::layOut() {
    state_.fileFrameVisible = state_.optTS;
    state_.functionFrameVisible = !state_.optTS;
    if (!state_.optTS)
        for (int k = 0; k < 3; ++k)
            state_.labelValue[k] = state_.optABt ? kABtLabels[k] : kTModelLabels[k];
}

void frmSource::selectKind(bool abt, bool timeSeries) {
    state_.optABt = abt;
    state_.optTS = timeSeries;
    state_.optTmodel = !abt && !timeSeries;
    exec_.Src.abtFlag = abt;
    exec_.Src.timeSeriesFlag = timeSeries;
}

void frmSource::chooseCurve(bool abt) {
    if (!state_.inputEnabled) return;
    InputPause pause(state_.inputEnabled);
    selectKind(abt, false);
    layOut();
    changed();
}

void frmSource::chooseTModel() {
    chooseCurve(false);
}

void frmSource::chooseABt() {
    chooseCurve(true);
}

void frmSource::chooseTimeSeries() {
    if (!state_.inputEnabled) return;
    {
        InputPause pause(state_.inputEnabled);
        selectKind(false, true);
        state_.fileFrameVisible = true;
    }
    chooseFile();
}

void frmSource::chooseFile() {
    if (!state_.inputEnabled) return;
    InputPause pause(state_.inputEnabled);
    Csourceheat& src = exec_.Src;
    std::string path = app_.dialogs.openFile(
        {sourceCaptions::kFilter, app_.config.DataDir, src.timeSeriesFile, ""});
    if (!path.empty()) {
        src.timeSeriesFile = trim(path);
        exec_.LsourceTSfile(src.timeSeriesFile);
        state_.txtFile = src.timeSeriesFile;
        state_.optTS = true;
        state_.optTmodel = state_.optABt = false;
        app_.config.DataDir = app_.fs.parentFolder(app_.fs.absolutePath(src.timeSeriesFile));
    }
    layOut();
    src.readyFlag = false;
    changed();
}

void frmSource::editValue(int box) {
    if (box < 0 || box > 6) throw std::out_of_range("Subscript out of range");
    if (!state_.inputEnabled) return;
    InputPause pause(state_.inputEnabled);
    const float x = static_cast<float>(typedNumber(state_.txtValue[box]));
    const std::string answer =
        app_.dialogs.input("Enter Parameter Value", "Parameter Value", plainDigits(x));
    // A cancelled or non-numeric answer stores 0, which the close check reports.
    const float value = isTypedNumber(answer) ? static_cast<float>(typedNumber(answer)) : 0.0f;
    state_.txtValue[box] = plainDigits(value);
    Csourceheat& src = exec_.Src;
    switch (box) {
    case 3:
        src.heat = value;
        break;
    case 4:
        src.concreteDensity = value;
        break;
    case 5:
        src.placementTemp = value;
        exec_.placementTemp = static_cast<double>(value);
        break;
    case 6:
        src.sourceStartTime = value;
        break;
    default:
        src.l_SParam(box + 1, value);
    }
    src.readyFlag = false;
    changed();
}

void frmSource::close() {
    if (state_.closed) return;
    Csourceheat& src = exec_.Src;
    bool error = false;
    if (state_.optTS) {
        error = !src.read_sourceTS(app_);
    } else {
        double product = 1;
        for (int k = 0; k <= 5; ++k) product *= typedNumber(state_.txtValue[k]);
        error = product == 0;
    }
    if (src.placementTemp == 0) error = true;
    if (error) {
        app_.dialogs.inform(std::string("A parameter is specified improperly ") + kNewLine +
                            " or is unspecified.");
        src.readyFlag = false;
        viewMode_ = "ERROR";
    } else {
        src.readyFlag = true;
        if (viewMode_.empty()) viewMode_ = "COMPLETE";
    }
    state_.closed = true;
    changed();
}

} // namespace vardex
