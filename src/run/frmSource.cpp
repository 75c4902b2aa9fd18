#include "run/frmSource.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "run/AdiabaticRise.h"
#include "run/RunLimits.h"
#include "text/NumberText.h"
#include "text/PhysicalLimits.h"
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
const std::array<const char*, 2> kEquivalentAgeLabels = {"Activation Energy   (J / mol)",
                                                         "Reference Temperature   (Celsius)"};

std::string oneDecimal(double value) {
    return plainDigits(static_cast<float>(std::round(value * 10.0) / 10.0));
}

// The first time the curve reaches the value, between its points; -1 when it never does.
double timeReaching(const CurvePoints& curve, double value) {
    for (std::size_t i = 1; i < curve.size(); ++i) {
        const auto& [t0, v0] = curve[i - 1];
        const auto& [t1, v1] = curve[i];
        if (v1 >= value) return v1 > v0 ? t0 + (t1 - t0) * (value - v0) / (v1 - v0) : t1;
    }
    return -1;
}

// The chart's temperature axis: whole tens around the curve, at least one ten apart.
std::pair<double, double> temperatureAxis(const CurvePoints& curve) {
    double low = curve.front().second, high = low;
    for (const auto& point : curve) {
        low = std::min(low, point.second);
        high = std::max(high, point.second);
    }
    low = std::floor(low / 10.0) * 10.0;
    high = std::max(std::ceil(high / 10.0) * 10.0, low + 10.0);
    return {low, high};
}

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
    for (int k = 0; k < 2; ++k)
        state_.labelValue[kActivationEnergyBox + k] = kEquivalentAgeLabels[k];
}

void frmSource::changed() {
    updateChart();
    if (onChanged) onChanged();
}

void frmSource::updateChart() {
    state_.adiabatic.clear();
    state_.chartAxes.clear();
    const Csourceheat& src = exec_.Src;
    int concrete = 0;
    for (int k = 1; k <= static_cast<int>(exec_.MstrMatlx.size()) && concrete == 0; ++k)
        if (exec_.masterHeat(k) > 0) concrete = k;
    if (concrete == 0) {
        state_.chartCaption = "No material of the model produces heat.";
        return;
    }
    using Kind = HeatCurveParameters::Kind;
    AdiabaticInput in;
    in.curve.kind = src.timeSeriesFlag ? Kind::Series : src.abtFlag ? Kind::Abt : Kind::TModel;
    for (int k = 0; k < 3; ++k) in.curve.p[std::size_t(k)] = src.g_sParam(k + 1);
    in.curve.heat = src.heat;
    in.curve.density = src.concreteDensity;
    if (src.timeSeriesFlag)
        for (int k = 1; k <= std::min<int>(src.numberOfPoints, Csourceheat::kMaxPoints); ++k)
            in.curve.series.emplace_back(src.g_tsTime(k), src.g_tsHeat(k));
    in.placement = src.placementTemp;
    in.heatProduction = exec_.masterHeat(concrete);
    in.heatCapacity = 1000.0 * static_cast<double>(exec_.masterDensity(concrete)) *
                      exec_.masterSpecificHeat(concrete);
    in.equivalentAge = src.equivalentAge;
    in.activationEnergy = src.activationEnergy;
    in.referenceTemp = src.referenceTemp;
    in.duration = exec_.endtime - exec_.starttime;
    // The source as Execute checks it, and what the curve needs besides.
    const bool usable = heatSourceProblem(src).empty() &&
                        (!src.timeSeriesFlag || !in.curve.series.empty()) &&
                        limits::inRange(src.placementTemp, limits::kTemperature) &&
                        in.heatCapacity > 0 && std::isfinite(in.heatCapacity);
    const std::string name = exec_.MstrMatlx[std::size_t(concrete - 1)];
    if (!usable || !(in.duration > 0)) {
        state_.chartCaption = "No curve for " + name + ": " +
                              (usable ? "the run ends before it starts."
                                      : "a value of the source is missing or out of range.");
        return;
    }
    state_.adiabatic = adiabaticRise(in, 200);
    const double start = state_.adiabatic.front().second;
    const double end = state_.adiabatic.back().second;
    state_.chartCaption = name + ": " + oneDecimal(start) + " C at the start, " + oneDecimal(end) +
                          " C after " + oneDecimal(in.duration) + " h";
    if (end - start > 0.05) {
        const double half = timeReaching(state_.adiabatic, start + 0.5 * (end - start));
        const double most = timeReaching(state_.adiabatic, start + 0.9 * (end - start));
        state_.chartCaption +=
            "; half the rise by " + oneDecimal(half) + " h, 90 % by " + oneDecimal(most) + " h";
    }
    state_.chartCaption += src.equivalentAge ? " (equivalent age)." : ".";
    const auto [low, high] = temperatureAxis(state_.adiabatic);
    state_.chartAxes = "0 to " + oneDecimal(in.duration) + " h across, " + oneDecimal(low) +
                       " to " + oneDecimal(high) + " C up, a line every 10 C";
}

void frmSource::drawChart(Canvas& canvas) const {
    canvas.clear(kWhite);
    const CurvePoints& curve = state_.adiabatic;
    if (curve.size() < 2) return;
    const auto [low, high] = temperatureAxis(curve);
    const double duration = curve.back().first;
    canvas.setScale(0, high, duration, low);
    for (double t = low + 10; t < high; t += 10)
        canvas.line(0, t, duration, t, rgb(210, 210, 210), 1);
    canvas.box(0, high, duration, low, rgb(0, 0, 0), 1);
    for (std::size_t i = 1; i < curve.size(); ++i)
        canvas.line(curve[i - 1].first, curve[i - 1].second, curve[i].first, curve[i].second,
                    rgb(200, 0, 0), 2);
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
    state_.txtValue[kActivationEnergyBox] = plainDigits(src.activationEnergy);
    state_.txtValue[kReferenceTempBox] = plainDigits(src.referenceTemp);
    state_.chkEquivalentAge = src.equivalentAge;
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
        // Read now so that the chart shows it; the close reads it again.
        src.read_sourceTS(app_);
    }
    layOut();
    src.readyFlag = false;
    changed();
}

void frmSource::toggleEquivalentAge(bool checked) {
    if (!state_.inputEnabled) return;
    InputPause pause(state_.inputEnabled);
    state_.chkEquivalentAge = checked;
    exec_.Src.equivalentAge = checked;
    exec_.Src.readyFlag = false;
    changed();
}

void frmSource::editValue(int box) {
    if (box < 0 || box >= kSourceBoxes) throw std::out_of_range("Subscript out of range");
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
    case kActivationEnergyBox:
        src.activationEnergy = value;
        break;
    case kReferenceTempBox:
        src.referenceTemp = value;
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
    if (src.equivalentAge && !(limits::inRange(src.activationEnergy, limits::kActivationEnergy) &&
                               limits::inRange(src.referenceTemp, limits::kReferenceTemperature)))
        error = true;
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
