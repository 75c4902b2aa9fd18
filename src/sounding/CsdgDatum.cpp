#include "sounding/CsdgDatum.h"

#include <cmath>

#include "platform/Dialogs.h"
#include "text/PrintForm.h"

namespace vardex {

CsdgDatum::CsdgDatum() : PI(4.0 * std::atan(1.0)) {
    RADIAN = 180.0 / PI;
}

void CsdgDatum::getAverage() {
    dTavg = (dTemp1 + dTemp2 + dTemp3 + dTemp4) / 4;
}

double CsdgDatum::determnt(double a11, double a12, double a21, double a22) {
    return a11 * a22 - a12 * a21;
}

double CsdgDatum::length(double a, double b) {
    return std::sqrt(a * a + b * b);
}

void CsdgDatum::get_testadj() {
    const double d1 = drTemp1, d2 = drTemp2, d3 = drTemp3, d4 = drTemp4;
    m_[0][0] = (length(d1, d2) + length(d3, d1)) / 2 - 1;
    m_[0][1] = (length(d1, d2) + length(d4, d2)) / 2 - 1;
    m_[1][0] = (length(d3, d4) + length(d3, d1)) / 2 - 1;
    m_[1][1] = (length(d4, d2) + length(d3, d4)) / 2 - 1;
    const double D = determnt(m_[0][0], m_[0][1], m_[1][0], m_[1][1]);
    for (int i = 0; i < 2; ++i)
        for (int j = 0; j < 2; ++j) m_[i][j] = (D + m_[i][j]) / 0.01;
}

std::pair<int, int> CsdgDatum::check_test() const {
    const double r =
        2 * (std::abs(M(1, 1)) - std::abs(M(2, 2))) / (std::abs(M(1, 2)) + std::abs(M(1, 1)));
    if (r < 0.15) {
        std::pair<int, int> at{1, 1};
        for (auto [i, j] : {std::pair{1, 2}, std::pair{2, 1}, std::pair{2, 2}})
            if (std::abs(M(i, j)) < std::abs(M(at.first, at.second))) at = {i, j};
        return at;
    }
    const int i = length(M(2, 1), M(2, 2)) > length(M(1, 1), M(1, 2)) ? 2 : 1;
    const int j = std::abs(M(i, 2)) > std::abs(M(i, 1)) ? 2 : 1;
    return {i, j};
}

void CsdgDatum::getRotation() {
    getAverage();
    drTemp1 = dTemp1 - dTavg;
    drTemp2 = dTemp2 - dTavg;
    drTemp3 = dTemp3 - dTavg;
    drTemp4 = dTemp4 - dTavg;
    const double d1 = drTemp1, d2 = drTemp2, d3 = drTemp3, d4 = drTemp4;
    get_testadj();
    const auto [i, j] = check_test();
    double theta = 0;
    if (i == 1 && j == 1)
        theta = std::atan((d2 - d3) * 0.5 / d1);
    else if (i == 1)
        theta = (std::atan(d2 / d1) - std::atan(d2 / d4)) * 0.5;
    else if (j == 2)
        theta = std::atan((d3 - d2) * 0.5 / d4);
    else
        theta = (std::atan(-d3 / d1) + std::atan(d3 / d4)) * 0.5;
    // Zero over zero (equal readings, or a zero deviation where the formula divides by it)
    // leaves the rotation undetermined; it is kept at 0 and flagged rather than stored as NaN.
    rotationFound_ = std::isfinite(theta);
    dRot_local = rotationFound_ ? theta * RADIAN : 0.0;
}

std::string CsdgDatum::drtempText() const {
    std::string text = strForm(drTemp1) + "  " + strForm(drTemp2) + kNewLine + strForm(drTemp4) +
                       "  " + strForm(drTemp3) + kNewLine +
                       "  local rotation = " + strForm(dRot_local);
    if (!rotationFound_)
        text += std::string(kNewLine) + "No rotation can be found: the deviations give no angle.";
    return text;
}

} // namespace vardex
