#include "run/CBoundarytype.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "text/ListInput.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {

float CBoundarytype::g_tsTime(int k) const {
    if (k < 1 || k > kMaxPoints) throw std::out_of_range("Subscript out of range");
    return k <= static_cast<int>(series_.size()) ? series_[k - 1].time : 0.0f;
}

float CBoundarytype::g_tsTemp(int k) const {
    if (k < 1 || k > kMaxPoints) throw std::out_of_range("Subscript out of range");
    return k <= static_cast<int>(series_.size()) ? series_[k - 1].value : 0.0f;
}

void CBoundarytype::read_bndyTS(AppState& app, double starttime, double endtime) {
    series_.clear();
    int missing = 0;
    try {
        ListInput input(bndyTSfile);
        int announced = toInt16(input.readNumber());
        bndyTSpoints = static_cast<std::int16_t>(std::max(0, announced));
        // A series longer than the slots is unreadable from the first point that has no slot.
        missing = readSeriesPoints(input, std::min(announced, kMaxPoints), series_);
        if (missing == 0 && announced > kMaxPoints) missing = kMaxPoints + 1;
        // A slope extended beyond the range of the 32-bit points makes the last point unusable.
        if (missing == 0 && !extendShortSeries(starttime, endtime))
            missing = static_cast<int>(series_.size());
    } catch (const std::exception&) {
        missing = 1;
    }
    if (missing != 0) {
        bndyTSpoints = static_cast<std::int16_t>(series_.size());
        app.dialogs.inform(" not a good boundaryTS file " + plainDigits(missing) + kNewLine +
                           bndyTSfile);
        flagReady = false;
        return;
    }
    loaded = true;
}

bool CBoundarytype::extendShortSeries(double starttime, double endtime) {
    int n = static_cast<int>(series_.size());
    // An empty series has nothing to extend; the solver then holds the initial temperature.
    if (n == 0 || n >= 4 || endtime < series_.back().time) return true;
    const SeriesPoint first = series_.front();
    const SeriesPoint last = series_.back();
    double slope =
        last.time == first.time ? 0.0 : (last.value - first.value) / (last.time - first.time);
    double t0 = starttime - 1.0;
    double tEnd = std::max(1.1 * endtime, 168.0);
    double step = roundHalfEven(std::abs(tEnd - t0) / 3.0);
    std::vector<SeriesPoint> extended;
    try {
        for (int m = 0; m <= 3; ++m)
            extended.push_back(
                {toFloat32(t0 + m * step), toFloat32(first.value + m * step * slope)});
    } catch (const ReadError&) {
        return false;
    }
    series_ = std::move(extended);
    bndyTSpoints = 4;
    return true;
}

} // namespace vardex
