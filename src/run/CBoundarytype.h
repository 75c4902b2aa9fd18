#pragma once
// The boundary condition of one boundary material: specified temperature (with a time series of
// temperatures) or no flux, and the material's initial temperature.

#include <cstdint>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "run/SeriesPoints.h"

namespace vardex {

class CBoundarytype {
  public:
    static constexpr int kMaxPoints = 99;

    bool flagDirichlet = false;
    bool flagReady = false;
    std::int16_t matlNumber = 0;
    std::string matlName;
    float matlRho = 0.0f;
    float initValue = 25.0f;
    std::string bndyTSfile;
    std::int16_t bndyTSpoints = 0;
    bool loaded = false;

    // Reads the series from bndyTSfile for a run from starttime to endtime (hours). A short or
    // unreadable file shows " not a good boundaryTS file " with the missing point's number and
    // the path, and makes the record not ready. A series of fewer than 4 points that ends before
    // the run does is replaced by 4 points along its slope covering the run.
    void read_bndyTS(AppState& app, double starttime, double endtime);

    // Point k (1..99) of the series; points past the series are 0.
    float g_tsTime(int k) const;
    float g_tsTemp(int k) const;

  private:
    // False when the extended points do not fit their 32-bit fields; the series is then kept.
    bool extendShortSeries(double starttime, double endtime);
    std::vector<SeriesPoint> series_;
};

} // namespace vardex
