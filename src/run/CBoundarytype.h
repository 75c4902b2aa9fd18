#pragma once
// The boundary condition of one boundary material: specified temperature (with a time series of
// temperatures) or no flux, and the material's initial temperature.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "run/SeriesPoints.h"

namespace vardex {

// The heat-transfer coefficients of a convective boundary from a time on (hours, the run's clock),
// W/(m2 C) for faces 1..6: front (y = 0), left (x = 0), back, right, bottom, top.
struct FaceCoefficients {
    float time = 0.0f;
    std::array<float, 6> U{};
    bool operator==(const FaceCoefficients&) const = default;
};

class CBoundarytype {
  public:
    static constexpr int kMaxPoints = 99;
    static constexpr int kMaxFaceRows = 99;

    bool flagDirichlet = false;
    bool flagReady = false;
    std::int16_t matlNumber = 0;
    std::string matlName;
    float matlRho = 0.0f;
    float initValue = 25.0f;
    std::string bndyTSfile;
    std::int16_t bndyTSpoints = 0;
    bool loaded = false;
    // Convection: each face exchanges heat with the ambient air (the series, or initValue when
    // there is none) through its coefficient U; U = 0 is no flow. Excludes flagDirichlet.
    bool flagConvection = false;
    std::vector<FaceCoefficients> facePoints; // each row holds until the next row's time

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
