#pragma once
// One reading of a thermal sounding: the four thermocouple temperatures at one depth, their
// average and deviations, and the probe's local rotation worked out from them.

#include <string>
#include <utility>

#include "platform/Dialogs.h"

namespace vardex {

class CsdgDatum {
  public:
    CsdgDatum();

    double dDepth = 0;
    double dTime = 0;
    double dRotation = 0;
    double dTemp1 = 0; // corner (0, 0)
    double dTemp2 = 0; // corner (0, 1)
    double dTemp3 = 0; // corner (1, 1)
    double dTemp4 = 0; // corner (1, 0)
    double drTemp1 = 0;
    double drTemp2 = 0;
    double drTemp3 = 0;
    double drTemp4 = 0;
    double dTavg = 0;
    double dTerror = 0;
    double dRot_local = 0;
    double dZVelocity = 0;
    double dZRotation = 0;
    double RADIAN;
    double PI;

    void getAverage();
    // Average, deviations, the adjusted test matrix and the local rotation in degrees. When the
    // deviations give no angle (all four readings equal, for one) the rotation is 0 and
    // rotationFound() is false.
    void getRotation();
    bool rotationFound() const { return rotationFound_; }
    void get_testadj();
    // Row and column (each 1 or 2) of the test matrix that decides the rotation formula.
    std::pair<int, int> check_test() const;
    static double determnt(double a11, double a12, double a21, double a22);
    static double length(double a, double b);
    // The deviations as they lie on the probe's square and the rotation, in a message box.
    void show_drtemp(Dialogs& dialogs) const { dialogs.inform(drtempText()); }
    std::string drtempText() const;

    // Work matrix entry (1..2, 1..2).
    double M(int i, int j) const { return m_[i - 1][j - 1]; }

  private:
    double m_[3][3] = {};
    bool rotationFound_ = true;
};

} // namespace vardex
