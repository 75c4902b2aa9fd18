#include "run/Csourceheat.h"

#include <algorithm>
#include <stdexcept>

#include "text/ListInput.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

const SeriesPoint* pointAt(const std::vector<SeriesPoint>& series, int k, int limit) {
    if (k < 1 || k > limit) throw std::out_of_range("Subscript out of range");
    return k <= static_cast<int>(series.size()) ? &series[k - 1] : nullptr;
}

} // namespace

float Csourceheat::g_sParam(int k) const {
    if (k < 1 || k > 3) throw std::out_of_range("Subscript out of range");
    return params_[k - 1];
}

void Csourceheat::l_SParam(int k, float value) {
    if (k < 1) throw std::out_of_range("Subscript out of range");
    params_[std::min(k, 3) - 1] = value;
}

float Csourceheat::g_tsTime(int k) const {
    const SeriesPoint* p = pointAt(series_, k, kMaxPoints);
    return p ? p->time : 0.0f;
}

float Csourceheat::g_tsHeat(int k) const {
    const SeriesPoint* p = pointAt(series_, k, kMaxPoints);
    return p ? p->value : 0.0f;
}

bool Csourceheat::read_sourceTS(AppState& app) {
    series_.clear();
    int announced = 0;
    try {
        ListInput input(timeSeriesFile);
        double first = leadingNumber(trim(input.readLine()));
        // A title line (or a 0) before the count.
        if (first < 1) first = leadingNumber(trim(input.readLine()));
        announced = toInt16(first);
        numberOfPoints = static_cast<std::int16_t>(announced);
        if (announced > 0) timeSeriesFlag = true;
        if (announced > kMaxPoints) throw ReadError("too many points");
        if (readSeriesPoints(input, announced, series_) != 0) throw ReadError("short");
    } catch (const std::exception&) {
        numberOfPoints = static_cast<std::int16_t>(series_.size());
        app.dialogs.inform(plainDigits(announced) + " not a good sourceTS file" + kNewLine +
                           timeSeriesFile);
        return false;
    }
    app.config.DataDir = app.fs.parentFolder(app.fs.absolutePath(timeSeriesFile));
    return true;
}

} // namespace vardex
