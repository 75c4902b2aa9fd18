#pragma once
// Transient heat conduction with the hydration heat source on the structured grid: the
// theta-scheme in time, each step's linear system solved by multigrid-preconditioned conjugate
// gradients.

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "EquivalentAge.h"
#include "HeatSource.h"
#include "Multigrid.h"
#include "SolverInput.h"

namespace zolter {

struct StepReport {
    int number = 0;
    double time = 0.0; // hours, at the end of the step
    double dt = 0.0;   // hours
    int iterations = 0;
    int halvings = 0; // retries of this step with half the step size
    double highest = 0.0;
    int threads = 1;
};

// The heat of the model since the start, J.
struct HeatBalance {
    double released = 0.0;      // by the concrete
    double contentChange = 0.0; // of the heat content of every cell
    double heldInflow = 0.0;    // through the held faces into the model
    double heldCrossed = 0.0;   // through the held faces either way
    // What the other three leave unexplained; round-off only.
    double imbalance() const { return contentChange - released - heldInflow; }
};

// The lowest and highest temperature of the run, and the range that the initial, held-face and
// adiabatic temperatures allow them: a cell beyond it shows a fault of the solve, or a step too
// long for the theta-scheme, which then overshoots a sharp jump.
struct TemperatureRange {
    double lowest = 0.0, highest = 0.0;
    double allowedLowest = 0.0, allowedHighest = 0.0;
    double slack = 0.0; // what the solve may err by
};

class Simulation {
  public:
    Simulation(const SolverInput& in, std::vector<std::string>& warnings);
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    // Runs from the start to the end time; onStep is called after each accepted step. Throws
    // std::runtime_error when a step does not converge even after repeated halving, when a step
    // does not advance the clock, or when a temperature is no longer finite.
    void run(const std::function<void(const StepReport&)>& onStep = {});

    // Tries one step of dt hours from the current time; false when the solve did not reach errmax
    // within itmax iterations (the state is then unchanged).
    bool tryStep(double dt, int& iterations);

    double time() const { return time_; }
    const Shape& shape() const { return shape_; }
    // Temperature of cell (i, j, k), 0-based.
    double temperature(int i, int j, int k) const { return T_[shape_.at(i, j, k)]; }
    // Equivalent age of cell (i, j, k), hours: the time since the start without equivalent age.
    double age(int i, int j, int k) const {
        return equivalentAge_ ? equivalentAge_->age(shape_.at(i, j, k)) : time_ - tc_.start;
    }
    double highestSoFar(int i, int j, int k) const { return tmax_[shape_.at(i, j, k)]; }
    // Fields in output order (i fastest, then j, then k).
    std::vector<double> field() const;
    // The field in place: cell (0, 0, 0) and the distance between neighbours along x, y and z.
    const double* fieldStart() const { return T_.data() + shape_.at(0, 0, 0); }
    std::array<std::ptrdiff_t, 3> fieldStrides() const {
        return {1, std::ptrdiff_t(shape_.sy()), std::ptrdiff_t(shape_.sz())};
    }
    std::vector<double> highestField() const;
    // Sum of heat capacity times temperature, J (relative to 0 C).
    double heatContent() const;
    // Heat released by the source since the start, J.
    double heatReleased() const { return released_; }
    HeatBalance balance() const;
    TemperatureRange range() const;
    // A test seam: the cells take only (1 - fraction) of each step's heat while the balance
    // counts all of it, so the balance check can be seen to fail.
    void loseHeatForTest(double fraction) { testHeatLoss_ = fraction; }
    std::size_t levels() const { return mg_->levelCount(); }
    int totalIterations() const { return totalIterations_; }
    double highest() const;
    std::string describeHeat() const;

  private:
    std::string nonFiniteReason(double t) const;
    double applyDirection(const float* z, double beta, double alpha);
    double boundaryValue(std::size_t record, double t) const;
    // Heat flowing through the held faces, W, with the records at the given temperatures: into
    // the model, and either way.
    std::pair<double, double> heldFlow(const std::vector<double>& recordTemperature) const;
    void addHeldTerms(int j, int k, double rho, double* out) const;

    const SolverInput& in_;
    Shape shape_;
    TimeControl tc_;
    std::unique_ptr<Multigrid> mg_;
    std::optional<HeatCurve> curve_;
    std::optional<EquivalentAge> equivalentAge_; // with a non-zero activation energy
    Array<float> cap_;                           // padded
    Array<double> heatW_;                        // padded; empty without a heat source
    struct Fixed {
        std::size_t cell;
        double g;
        std::size_t record;
        int face;             // 2 * direction + side
        std::size_t faceCell; // faceIndex on that face
        // A convective face: g is the half cell (half, W/C) in series with U of face inputFace
        // (0-based, input order) over the face's area.
        bool convective = false;
        double half = 0.0, area = 0.0;
        int inputFace = 0;
    };
    std::vector<Fixed> fixed_;
    // When some convective face's coefficients change during the run: the times, the count of
    // them passed when the operator was last built, and the conductances it is rebuilt from.
    std::vector<double> changeTimes_;
    std::size_t changesPassed_ = 0;
    std::unique_ptr<Conductances> conductances_;
    void useCoefficientsOf(double t);
    // Each face's held conductance g and the step's term g (T1 + rho T0) of the right-hand side,
    // by faceIndex; empty for a face with no held cell.
    struct Held {
        std::vector<double> g, term;
    };
    std::array<Held, 6> held_;
    std::vector<std::size_t> heldRecords_;        // the records some held face uses
    std::vector<double> heldAtStart_, heldAtEnd_; // by record, at the step's start and end
    Array<double> T_, tmax_, x_;
    Array<float> trend_; // the conduction change of the last step, for the next first guess
    // The conjugate gradients solve for the change e of x in single precision: direction p,
    // its product q = A p, and the diagonal's capacity and held-face part (cap s + held).
    Array<float> e_, p_, q_, capShift_;
    double time_ = 0.0;
    double lastDt_ = 0.0;
    bool haveTrend_ = false;
    double released_ = 0.0;
    double highest_ = -1e300; // highest temperature at the end of the last step
    int totalIterations_ = 0;
    double shift_ = 0.0;
    double capTotal_ = 0.0, heldTotal_ = 0.0;
    // The balance and the range of the run.
    double contentAtStart_ = 0.0, heldInflow_ = 0.0, heldCrossed_ = 0.0;
    double lowestEver_ = 1e300, highestEver_ = -1e300;
    double startLowest_ = 1e300, startHighest_ = -1e300;
    double heldLowest_ = 1e300, heldHighest_ = -1e300;
    double curveLowest_ = 0.0, curveHighest_ = 0.0; // cumulative heat per m3, J
    double riseFactor_ = 0.0; // largest heat production per capacity of a cell, C per J/m3
    double testHeatLoss_ = 0.0;
};

} // namespace zolter
