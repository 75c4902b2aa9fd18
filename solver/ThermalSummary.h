#pragma once
// The two figures an engineer checks against a pour's thermal limits, per time point: the field's
// highest temperature and where it is, and the largest difference between a concrete cell and the
// concrete surface nearest to it (see README "Summary.out" for what counts as the surface).

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "SolverInput.h"

namespace zolter {

class ThermalSummary {
  public:
    // The surface as it is at the run's start time; convective faces count while their U > 0,
    // so record() finds it again when their coefficients change.
    explicit ThermalSummary(const SolverInput& in);

    // Adds one time point; field is in output order (i fastest, then j, then k).
    void record(double time, const std::vector<double>& field);
    // The same from a field in any layout: first is cell (0, 0, 0), stride the distance between
    // neighbours along x, y and z (so the solver's padded arrays are read in place, not copied).
    void record(double time, const double* first, const std::array<std::ptrdiff_t, 3>& stride);

    int timePoints() const { return timePoints_; }
    // The count of time points, then one comma-separated line per time point.
    std::string text() const;

    // 0-based cell of the surface nearest to cell c, or -1 when c is not concrete or the concrete
    // has no surface.
    std::int64_t nearestSurface(std::size_t c) const;

  private:
    // Where the nearest surface of a cell lies along its grid lines: steps * 4 + direction, or
    // kNoSurface.
    static constexpr std::int32_t kNoSurface = 3;
    // The surface and each concrete cell's link to it, with the faces' coefficients at time t.
    void findSurface(double t);
    // Which row of face coefficients each record has at time t.
    std::vector<std::size_t> rowsAt(double t) const;

    int n_[3];
    double h_[3];
    std::string faces_;
    std::vector<BoundaryRecord> boundaries_;
    std::vector<int> recordOf_;
    std::vector<char> concrete_;
    std::vector<int> material_;
    std::vector<std::size_t> rows_; // of face coefficients the surface was found with
    std::vector<std::int32_t> link_;
    bool anySurface_ = false;
    std::string lines_;
    int timePoints_ = 0;
};

} // namespace zolter
