#pragma once
// The concrete heat source of a run: a parametric hydration function or a time series of heat.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "run/SeriesPoints.h"

namespace vardex {

class Csourceheat {
  public:
    static constexpr int kMaxPoints = 100;

    float concreteDensity = 2270.0f; // kg/m3
    float heat = 70.0f;              // kJ/kg
    float placementTemp = 32.0f;     // temperature of the fresh concrete
    float sourceStartTime = 0.0f;    // global hours
    bool readyFlag = false;
    bool timeSeriesFlag = false;
    bool abtFlag = false; // the a-b-t source function; neither flag: the T-model
    std::string timeSeriesFile;
    std::int16_t numberOfPoints = 0;
    // Equivalent age: the source's age advances at the Arrhenius rate of each cell's temperature.
    bool equivalentAge = false;
    float activationEnergy = 40000.0f; // J/mol
    float referenceTemp = 20.0f;       // C

    // Source parameter k (1..3).
    float g_sParam(int k) const;
    // Sets source parameter k; an index above 3 sets parameter 3.
    void l_SParam(int k, float value);

    // Reads the series from timeSeriesFile. A file shorter than it announces (or announcing more
    // than 100 points, or holding a non-number) shows "N not a good sourceTS file" and the path
    // and returns false; the points read stay.
    bool read_sourceTS(AppState& app);

    // Point k (1..100) of the series; points past the series are 0.
    float g_tsTime(int k) const;
    float g_tsHeat(int k) const;

  private:
    std::array<float, 3> params_{0.87f, 1.5f, 25.0f};
    std::vector<SeriesPoint> series_;
};

} // namespace vardex
