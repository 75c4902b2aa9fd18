#include "Simulation.h"

#include "Parallel.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <stdexcept>

namespace zolter {

namespace {

constexpr double kSecondsPerHour = 3600.0;
constexpr std::size_t kParallelCells = 20000;
constexpr int kMaxHalvings = 12;

// Face number 1..6 as the input numbers them -> direction and side.
constexpr std::array<std::pair<int, int>, 6> kFaces{
    {{1, 0}, {0, 0}, {1, 1}, {0, 1}, {2, 0}, {2, 1}}};

// One pass over the planes that calls prepare(k, part) on every plane and compute(k, part) on every
// plane once planes k - 1, k and k + 1 are prepared: each plane is prepared just ahead of the
// plane computed, while the arrays of both are in cache. The first and last plane of each thread's
// slice are prepared beforehand, because the neighbouring slices read them.
template <typename Prepare, typename Compute>
void forPlanesAhead(int nz, bool par, const Prepare& prepare, const Compute& compute) {
    Workers& workers = Workers::shared();
    workers.forRange(nz, par, [&](int k0, int k1, int t) {
        prepare(k0, t);
        if (k1 - 1 > k0) prepare(k1 - 1, t);
    });
    workers.forRange(nz, par, [&](int k0, int k1, int t) {
        for (int k = k0; k < k1; ++k) {
            if (k + 1 < k1 - 1) prepare(k + 1, t);
            compute(k, t);
        }
    });
}

// One grid row of r = b - A x for the step's temperatures x, with b the theta-scheme's
// right-hand side less its held-face terms, into out in double precision. With w = rho T + x,
//   r = C s (T - x) + Q s - sum over faces g (w - w_neighbour),
// the flows between cells written as differences, so no large terms cancel and each face moves
// exactly as much heat out of one cell as into the other. A free function with unaliased
// arrays, so the compiler vectorises it.
template <bool Heat>
[[gnu::always_inline]] inline void
stepResidualRow(const double* __restrict T, const double* __restrict x, const float* __restrict cap,
                const double* __restrict hw, const float* __restrict gx, const float* __restrict gy,
                const float* __restrict gz, long row, int nx, long sy, long sz, double sh,
                double rho, double dq, double* __restrict out) {
    for (int i = 0; i < nx; ++i) {
        const long p = row + i;
        auto w = [&](long c) { return rho * T[c] + x[c]; };
        const double wc = w(p);
        const double flow = gx[p] * (wc - w(p + 1)) + gx[p - 1] * (wc - w(p - 1)) +
                            gy[p] * (wc - w(p + sy)) + gy[p - sy] * (wc - w(p - sy)) +
                            gz[p] * (wc - w(p + sz)) + gz[p - sz] * (wc - w(p - sz));
        double v = cap[p] * sh * (T[p] - x[p]) - flow;
        if constexpr (Heat) v += hw[p] * dq * sh;
        out[i] = v;
    }
}

// The row above compiled for vector units wider than the baseline, picked at load time.
ZOLTER_VECTOR_CLONES void heatResidualRow(const double* T, const double* x, const float* cap,
                                          const double* hw, const float* gx, const float* gy,
                                          const float* gz, long row, int nx, long sy, long sz,
                                          double sh, double rho, double dq, double* out) {
    stepResidualRow<true>(T, x, cap, hw, gx, gy, gz, row, nx, sy, sz, sh, rho, dq, out);
}
ZOLTER_VECTOR_CLONES void plainResidualRow(const double* T, const double* x, const float* cap,
                                           const float* gx, const float* gy, const float* gz,
                                           long row, int nx, long sy, long sz, double sh,
                                           double rho, double* out) {
    stepResidualRow<false>(T, x, cap, nullptr, gx, gy, gz, row, nx, sy, sz, sh, rho, 0.0, out);
}

// Largest |z| and r . z over one grid row.
ZOLTER_VECTOR_CLONES void errorEstimateRow(const float* __restrict z, const float* __restrict r,
                                           long row, int nx, double& zmax, double& rz) {
    float m = 0.0f;
    double dot = 0.0;
#pragma omp simd reduction(max : m) reduction(+ : dot)
    for (long p = row; p < row + nx; ++p) {
        m = std::max(m, std::fabs(z[p]));
        dot += double(r[p]) * double(z[p]);
    }
    zmax = std::max(zmax, double(m));
    rz += dot;
}

// What the step's end gathers over the rows: the heat released and the field's extremes.
struct EndTotals {
    double released = 0.0;
    double highest = -1e300;
    double lowest = 1e300;
};

// One grid row of the step's end: T becomes x + e + alpha p + shift, with the highest so far and
// the conduction change of the step (the trend); adds the heat released and the row's extremes.
template <bool Heat, bool Change>
[[gnu::always_inline]] inline void
endStepKernel(double* __restrict T, double* __restrict tmax, float* __restrict trend,
              const double* __restrict x, const float* __restrict e, const float* __restrict pd,
              double alpha, const double* __restrict hw, const float* __restrict cap, double dq,
              double shift, long row, int nx, EndTotals& totals) {
    double heatSum = 0.0, top = totals.highest, bottom = totals.lowest;
#pragma omp simd reduction(+ : heatSum) reduction(max : top) reduction(min : bottom)
    for (long p = row; p < row + nx; ++p) {
        double v = x[p] + shift;
        if constexpr (Change) v += double(e[p]) + alpha * double(pd[p]);
        double tr = v - T[p];
        if constexpr (Heat) {
            const double heat = hw[p] * dq;
            tr -= heat / cap[p];
            heatSum += heat;
        }
        trend[p] = float(tr);
        T[p] = v;
        tmax[p] = std::max(tmax[p], v);
        top = std::max(top, v);
        bottom = std::min(bottom, v);
    }
    totals.released += heatSum;
    totals.highest = top;
    totals.lowest = bottom;
}
ZOLTER_VECTOR_CLONES void endStepRow(double* T, double* tmax, float* trend, const double* x,
                                     const float* e, const float* pd, double alpha,
                                     const double* hw, const float* cap, double dq, double shift,
                                     long row, int nx, EndTotals& totals) {
    if (hw && e)
        endStepKernel<true, true>(T, tmax, trend, x, e, pd, alpha, hw, cap, dq, shift, row, nx,
                                  totals);
    else if (hw)
        endStepKernel<true, false>(T, tmax, trend, x, e, pd, alpha, hw, cap, dq, shift, row, nx,
                                   totals);
    else if (e)
        endStepKernel<false, true>(T, tmax, trend, x, e, pd, alpha, hw, cap, dq, shift, row, nx,
                                   totals);
    else
        endStepKernel<false, false>(T, tmax, trend, x, e, pd, alpha, hw, cap, dq, shift, row, nx,
                                    totals);
}

// Sum over one grid row of cap (e + alpha p): the capacity part of A (e + alpha p).
ZOLTER_VECTOR_CLONES double capacityChangeRow(const float* __restrict cap,
                                              const float* __restrict e, const float* __restrict pd,
                                              double alpha, long row, int nx) {
    double sum = 0.0;
#pragma omp simd reduction(+ : sum)
    for (long p = row; p < row + nx; ++p)
        sum += double(cap[p]) * (double(e[p]) + alpha * double(pd[p]));
    return sum;
}

// One grid row of the next search direction p = z + beta p with the previous step e += alpha p.
ZOLTER_VECTOR_CLONES void nextDirectionRow(const float* __restrict z, float* __restrict pd,
                                           float* __restrict e, float alpha, float beta, long row,
                                           int nx) {
#pragma omp simd
    for (long p = row; p < row + nx; ++p) {
        e[p] += alpha * pd[p];
        pd[p] = z[p] + beta * pd[p];
    }
}

// One grid row of the residual's update r -= alpha q.
ZOLTER_VECTOR_CLONES void residualUpdateRow(float* __restrict r, const float* __restrict q,
                                            float alpha, long row, int nx) {
#pragma omp simd
    for (long p = row; p < row + nx; ++p) r[p] -= alpha * q[p];
}

// One grid row of q = A p for the search direction p, as (cap s + held) p plus the flow through
// each face, g (p - p_neighbour): no large terms cancel, so single precision keeps it accurate.
// Returns the row's p . q.
ZOLTER_VECTOR_CLONES double directionProductRow(const float* __restrict pd,
                                                const float* __restrict cs,
                                                const float* __restrict gx,
                                                const float* __restrict gy,
                                                const float* __restrict gz, long row, int nx,
                                                long sy, long sz, float* __restrict q) {
    float dot = 0.0f;
#pragma omp simd reduction(+ : dot)
    for (long p = row; p < row + nx; ++p) {
        const float c = pd[p];
        const float v = cs[p] * c + gx[p] * (c - pd[p + 1]) + gx[p - 1] * (c - pd[p - 1]) +
                        gy[p] * (c - pd[p + sy]) + gy[p - sy] * (c - pd[p - sy]) +
                        gz[p] * (c - pd[p + sz]) + gz[p - sz] * (c - pd[p - sz]);
        q[p] = v;
        dot += v * c;
    }
    return double(dot);
}

} // namespace

Simulation::Simulation(const SolverInput& in, std::vector<std::string>& warnings)
    : in_(in), tc_(in.times) {
    shape_.n = {in.nx, in.ny, in.nz};
    shape_.h = {in.dx, in.dy, in.dz};
    const Shape& s = shape_;
    const std::size_t n = s.cells();
    const double volume = in.dx * in.dy * in.dz;
    const std::array<double, 3> area{in.dy * in.dz, in.dx * in.dz, in.dx * in.dy};

    cap_.assign(s.padded(), 0.0f);
    T_.assign(s.padded(), 0.0);
    // The conductances only build the operator and its coarse levels: they are freed before the
    // working arrays are taken, which then reuse their memory (kept only when convective faces
    // change their coefficients within the run, to build the operator again).
    {
        auto kept = std::make_unique<Conductances>();
        Conductances& c = *kept;
        c.shape = s;
        c.cap.assign(n, 0.0);
        for (int d = 0; d < 3; ++d) {
            c.hm[d].assign(n, 0.0); // hp and the face conductances follow from hm
        }
        for (int f = 0; f < 6; ++f) c.boundary[f].assign(faceSize(s, f / 2), 0.0);

        // The record of each material: its initial temperature and whether it is held.
        const std::vector<int> recordOf = in.recordOfMaterial();

        bool anyHeat = false;
        std::size_t cell = 0;
        for (int k = 0; k < s.n[2]; ++k)
            for (int j = 0; j < s.n[1]; ++j)
                for (int i = 0; i < s.n[0]; ++i, ++cell) {
                    const int m = in.materialAt(i, j, k);
                    const Material& mat = in.materials[std::size_t(m - 1)];
                    c.cap[cell] = mat.density * mat.specificHeat * 1000.0 * volume;
                    // Centre-to-face conductances; two half cells in series make the harmonic
                    // mean of their conductivities.
                    for (int d = 0; d < 3; ++d)
                        c.hm[d][cell] = 2.0 * mat.conductivity * area[d] / s.h[d];
                    const std::size_t p = s.at(i, j, k);
                    // Capacities are kept as floats, the same values everywhere, so the heat
                    // content and the solve agree exactly.
                    cap_[p] = float(c.cap[cell]);
                    c.cap[cell] = double(cap_[p]);
                    if (mat.heatProduction > 0.0) {
                        // Only a grid with heat-producing cells has the per-cell heat array.
                        if (!anyHeat) heatW_.assign(s.padded(), 0.0);
                        anyHeat = true;
                        heatW_[p] = mat.heatProduction * volume;
                        T_[p] = in.hydration.placement;
                    } else {
                        const int rec = recordOf[std::size_t(m)];
                        T_[p] = rec >= 0 ? in.boundaries[std::size_t(rec)].initTemp
                                         : in.hydration.placement;
                    }
                }
        const std::array<std::size_t, 3> stride{1, std::size_t(s.n[0]),
                                                std::size_t(s.n[0]) * std::size_t(s.n[1])};
        // Held faces: a cell on a "D" face whose material's boundary record is Dirichlet is held
        // at the record's temperature half a cell from its centre; one whose record is convective
        // exchanges heat with the record's temperature through U in series with the half cell;
        // every other face cell is insulated.
        for (int f = 0; f < 6; ++f) {
            if (in.faces[std::size_t(f)] != 'D') continue;
            const auto [d, side] = kFaces[std::size_t(f)];
            const int a = (d + 1) % 3, b = (d + 2) % 3;
            for (int ta = 0; ta < s.n[a]; ++ta)
                for (int tb = 0; tb < s.n[b]; ++tb) {
                    std::array<int, 3> idx{};
                    idx[a] = ta;
                    idx[b] = tb;
                    idx[d] = side == 0 ? 0 : s.n[d] - 1;
                    const int m = in.materialAt(idx[0], idx[1], idx[2]);
                    const int rec = recordOf[std::size_t(m)];
                    if (rec < 0) continue;
                    const BoundaryRecord& br = in.boundaries[std::size_t(rec)];
                    if (!br.dirichlet && !br.convection) continue;
                    const std::size_t ci = std::size_t(idx[0]) + stride[1] * std::size_t(idx[1]) +
                                           stride[2] * std::size_t(idx[2]);
                    const double half = c.hm[d][ci];
                    const double g =
                        br.dirichlet ? half : series(half, br.coefficient(f, tc_.start) * area[d]);
                    const std::size_t fi = faceIndex(s, d, idx[0], idx[1], idx[2]);
                    c.boundary[2 * d + side][fi] = g;
                    fixed_.push_back({s.at(idx[0], idx[1], idx[2]), g, std::size_t(rec),
                                      2 * d + side, fi, br.convection, half, area[d], f});
                    if (br.convection)
                        for (std::size_t row = 1; row < br.faceRows.size(); ++row)
                            changeTimes_.push_back(br.faceRows[row].time);
                    Held& h = held_[std::size_t(2 * d + side)];
                    h.g.resize(faceSize(s, d), 0.0);
                    h.term.resize(faceSize(s, d), 0.0);
                    h.g[fi] = g;
                }
        }
        for (double v : c.cap) capTotal_ += v;
        if (anyHeat) curve_.emplace(in.hydration, warnings);
        // With no activation energy the rate is 1 everywhere and the age is the run's clock.
        if (anyHeat && in.hydration.equivalentAge && in.hydration.activationEnergy != 0.0)
            equivalentAge_.emplace(in.hydration, curve_->curve(), s);
        mg_ = std::make_unique<Multigrid>(c);
        // Coefficients that change within the run rebuild the operator from these.
        std::sort(changeTimes_.begin(), changeTimes_.end());
        changeTimes_.erase(std::unique(changeTimes_.begin(), changeTimes_.end()),
                           changeTimes_.end());
        std::erase_if(changeTimes_, [&](double t) { return !(t > tc_.start) || !(t < tc_.end); });
        if (!changeTimes_.empty()) conductances_ = std::move(kept);
    }
    for (const Fixed& fx : fixed_) {
        heldTotal_ += fx.g;
        if (std::find(heldRecords_.begin(), heldRecords_.end(), fx.record) == heldRecords_.end())
            heldRecords_.push_back(fx.record);
    }
    heldAtStart_.assign(in.boundaries.size(), 0.0);
    heldAtEnd_.assign(in.boundaries.size(), 0.0);
    for (std::size_t b : heldRecords_) {
        heldLowest_ = std::min(heldLowest_, boundaryValue(b, tc_.start));
        heldHighest_ = std::max(heldHighest_, boundaryValue(b, tc_.start));
    }

    tmax_ = T_;
    trend_.assign(s.padded(), 0.0f);
    x_.assign(s.padded(), 0.0);
    e_.assign(s.padded(), 0.0f);
    p_.assign(s.padded(), 0.0f);
    q_.assign(s.padded(), 0.0f);
    capShift_.assign(s.padded(), 0.0f);
    time_ = tc_.start;
    contentAtStart_ = heatContent();
    for (int k = 0; k < s.n[2]; ++k)
        for (int j = 0; j < s.n[1]; ++j)
            for (int i = 0; i < s.n[0]; ++i) {
                const std::size_t p = s.at(i, j, k);
                startLowest_ = std::min(startLowest_, T_[p]);
                startHighest_ = std::max(startHighest_, T_[p]);
                if (!heatW_.empty()) riseFactor_ = std::max(riseFactor_, heatW_[p] / cap_[p]);
            }
    lowestEver_ = startLowest_;
    highestEver_ = startHighest_;
}

std::string Simulation::describeHeat() const {
    return curve_ ? curve_->describe() : "heat source: no material produces heat";
}

double Simulation::boundaryValue(std::size_t record, double t) const {
    const BoundaryRecord& r = in_.boundaries[record];
    return interpolate(r.points, t, r.initTemp);
}

std::pair<double, double> Simulation::heldFlow(const std::vector<double>& recordTemperature) const {
    double in = 0.0, crossed = 0.0;
    for (const Fixed& f : fixed_) {
        const double flow = f.g * (recordTemperature[f.record] - T_[f.cell]);
        in += flow;
        crossed += std::fabs(flow);
    }
    return {in, crossed};
}

HeatBalance Simulation::balance() const {
    return {released_, heatContent() - contentAtStart_, heldInflow_, heldCrossed_};
}

TemperatureRange Simulation::range() const {
    // Heat flows from warm to cold, so no cell is colder than the coldest start or held face, nor
    // warmer than the warmest plus the largest adiabatic rise of its concrete. The solve itself
    // may err by errmax of the span.
    TemperatureRange r;
    r.lowest = lowestEver_;
    r.highest = highestEver_;
    r.allowedLowest =
        std::min(startLowest_, heldLowest_) + riseFactor_ * std::min(0.0, curveLowest_);
    r.allowedHighest =
        std::max(startHighest_, heldHighest_) + riseFactor_ * std::max(0.0, curveHighest_);
    r.slack = tc_.errmax * std::max(1.0, r.allowedHighest - r.allowedLowest);
    return r;
}

// The next search direction p = z + beta p, formed in place a plane ahead of q = A p, which is
// computed in the same pass; returns p . q. The previous direction's step e += alpha p is taken
// here too, while p is read anyway; the first direction of a solve (beta 0) starts e at zero.
double Simulation::applyDirection(const float* z, double beta, double alpha) {
    const Shape& s = shape_;
    const Level& f0 = mg_->finest();
    const float* gx = f0.gx.data();
    const float* gy = f0.gy.data();
    const float* gz = f0.gz.data();
    const float* cs = capShift_.data();
    float* pd = p_.data();
    float* e = e_.data();
    float* q = q_.data();
    const long sy = long(s.sy()), sz = long(s.sz());
    const int nx = s.n[0], ny = s.n[1], nz = s.n[2];
    const float a = float(alpha), b = float(beta);
    std::array<double, Workers::kMaxThreads> part{};
    auto prepare = [&](int k, int) {
        for (int j = 0; j < ny; ++j) {
            const long row = long(s.at(0, j, k));
            if (beta == 0.0) {
#pragma omp simd
                for (long p = row; p < row + nx; ++p) {
                    pd[p] = z[p];
                    e[p] = 0.0f;
                }
                continue;
            }
            nextDirectionRow(z, pd, e, a, b, row, nx);
        }
    };
    auto compute = [&](int k, int t) {
        double dot = 0.0;
        for (int j = 0; j < ny; ++j)
            dot += directionProductRow(pd, cs, gx, gy, gz, long(s.at(0, j, k)), nx, sy, sz, q);
        part[std::size_t(t)] += dot;
    };
    forPlanesAhead(nz, s.cells() > kParallelCells, prepare, compute);
    double dot = 0.0;
    for (double v : part) dot += v;
    return dot;
}

// Adds the held faces of grid row (j, k) to its residual: the step's term g (T1 + rho T0) less
// the flow g w out of the cell, w = rho T + x.
void Simulation::addHeldTerms(int j, int k, double rho, double* out) const {
    const Shape& s = shape_;
    const int nx = s.n[0], ny = s.n[1], nz = s.n[2];
    const double* T = T_.data() + s.at(0, j, k);
    const double* x = x_.data() + s.at(0, j, k);
    auto add = [&](int face, std::size_t at, int i) {
        const Held& h = held_[std::size_t(face)];
        out[i] += h.term[at] - h.g[at] * (rho * T[i] + x[i]);
    };
    const std::size_t xCell = std::size_t(j) + std::size_t(ny) * std::size_t(k);
    if (!held_[0].g.empty()) add(0, xCell, 0);
    if (!held_[1].g.empty()) add(1, xCell, nx - 1);
    auto addLine = [&](int face, std::size_t first) {
        if (held_[std::size_t(face)].g.empty()) return;
        for (int i = 0; i < nx; ++i) add(face, first + std::size_t(i), i);
    };
    if (j == 0) addLine(2, std::size_t(nx) * std::size_t(k));
    if (j == ny - 1) addLine(3, std::size_t(nx) * std::size_t(k));
    if (k == 0) addLine(4, std::size_t(nx) * std::size_t(j));
    if (k == nz - 1) addLine(5, std::size_t(nx) * std::size_t(j));
}

bool Simulation::tryStep(double dt, int& iterations) {
    iterations = 0;
    const Shape& s = shape_;
    const double theta = tc_.theta;
    const double t0 = time_, t1 = time_ + dt;
    const double sh = 1.0 / (theta * dt * kSecondsPerHour);
    // Steps end on the times the coefficients change, so the step's middle names its row.
    if (!changeTimes_.empty()) useCoefficientsOf(0.5 * (t0 + t1));
    if (sh != shift_) {
        shift_ = sh;
        mg_->setShift(sh);
        for (std::size_t p = 0; p < cap_.size(); ++p) capShift_[p] = float(double(cap_[p]) * sh);
        for (const Fixed& f : fixed_) capShift_[f.cell] = float(double(capShift_[f.cell]) + f.g);
    }
    const double ratio = haveTrend_ ? dt / lastDt_ : 0.0;
    const bool par = s.cells() > kParallelCells;
    // The heat of the step: one increment of the curve for every cell, or with equivalent age
    // each cell's own, which the heat arrays then carry (times an increment of 1).
    double released1 = 0.0, releasedLowest = 0.0, dq = 0.0;
    if (equivalentAge_) {
        equivalentAge_->advance(dt, T_.data(), trend_.data(), ratio, heatW_.data(), cap_.data(),
                                par);
        released1 = equivalentAge_->highestHeat();
        releasedLowest = equivalentAge_->lowestHeat();
        dq = 1.0;
    } else if (curve_) {
        released1 = releasedLowest = curve_->cumulative(t1 - tc_.start);
        dq = released1 - curve_->cumulative(t0 - tc_.start);
    }
    // The cells take the step's heat less the share a test asks to lose.
    const double dqCells = dq * (1.0 - testHeatLoss_);
    const double rho = (1.0 - theta) / theta;
    const Level& f0 = mg_->finest();
    const float* gx = f0.gx.data();
    const float* gy = f0.gy.data();
    const float* gz = f0.gz.data();
    const long sy = long(s.sy()), sz = long(s.sz());
    const int nx = s.n[0], ny = s.n[1], nz = s.n[2];
    const double* T = T_.data();
    const float* cap = cap_.data();
    // Without a heat source there is no per-cell heat array.
    const double* hw = equivalentAge_   ? equivalentAge_->stepHeat()
                       : heatW_.empty() ? nullptr
                                        : heatW_.data();
    const float* tr = trend_.data();
    double* x = x_.data();
    float* e = e_.data();
    float* pd = p_.data();
    float* q = q_.data();
    // The residual is the multigrid's right-hand side itself.
    float* r = mg_->rhs().data();
    for (std::size_t b : heldRecords_) {
        heldAtStart_[b] = boundaryValue(b, t0);
        heldAtEnd_[b] = boundaryValue(b, t1);
    }
    for (const Fixed& f : fixed_)
        held_[std::size_t(f.face)].term[f.faceCell] =
            f.g * (heldAtEnd_[f.record] + rho * heldAtStart_[f.record]);
    std::array<std::vector<double>, Workers::kMaxThreads> rowBuffers;

    // theta-scheme, divided by theta:
    //   (C s + L) T1 = C s T0 - (1 - theta)/theta L T0 + Q s + held-face terms,  s = 1/(theta dt)
    // r = b - A x is formed a plane behind prepare(k), which sets x, so the right-hand side is
    // never stored. The held-face terms are added in double precision, where they cancel most of
    // the rest, before r is rounded. Returns the exact sum of r.
    auto residual = [&](const auto& prepare) {
        std::array<double, Workers::kMaxThreads> sumPart{};
        forPlanesAhead(nz, par, prepare, [&](int k, int t) {
            std::vector<double>& buf = rowBuffers[std::size_t(t)];
            buf.resize(std::size_t(nx));
            double* out = buf.data();
            double sum = 0.0;
            for (int j = 0; j < ny; ++j) {
                const long row = long(s.at(0, j, k));
                if (hw)
                    heatResidualRow(T, x, cap, hw, gx, gy, gz, row, nx, sy, sz, sh, rho, dqCells,
                                    out);
                else
                    plainResidualRow(T, x, cap, gx, gy, gz, row, nx, sy, sz, sh, rho, out);
                addHeldTerms(j, k, rho, out);
#pragma omp simd reduction(+ : sum)
                for (int i = 0; i < nx; ++i) {
                    r[row + i] = float(out[i]);
                    sum += out[i];
                }
            }
            sumPart[std::size_t(t)] += sum;
        });
        double sum = 0.0;
        for (double v : sumPart) sum += v;
        return sum;
    };

    // The first guess: the exact heat plus the conduction change of the previous step.
    std::array<double, Workers::kMaxThreads> loPart, hiPart;
    loPart.fill(1e300);
    hiPart.fill(-1e300);
    double rsum = residual([&](int k, int t) {
        double lo = loPart[std::size_t(t)], hi = hiPart[std::size_t(t)];
        for (int j = 0; j < ny; ++j) {
            const long row = long(s.at(0, j, k));
            if (hw) {
#pragma omp simd
                for (long p = row; p < row + nx; ++p)
                    x[p] = T[p] + hw[p] * dqCells / cap[p] + ratio * tr[p];
            } else {
#pragma omp simd
                for (long p = row; p < row + nx; ++p) x[p] = T[p] + ratio * tr[p];
            }
#pragma omp simd reduction(min : lo) reduction(max : hi)
            for (long p = row; p < row + nx; ++p) {
                lo = std::min(lo, T[p]);
                hi = std::max(hi, T[p]);
            }
        }
        loPart[std::size_t(t)] = lo;
        hiPart[std::size_t(t)] = hi;
    });
    // The residual's sum covers every cell and the step's heat: a temperature that has become
    // infinite or not a number shows here, and the run stops rather than carry it on.
    if (!std::isfinite(rsum)) throw std::runtime_error(nonFiniteReason(t0));
    double lo = 1e300, hi = -1e300;
    for (double v : loPart) lo = std::min(lo, v);
    for (double v : hiPart) hi = std::max(hi, v);
    for (std::size_t b : heldRecords_) {
        lo = std::min(lo, heldAtEnd_[b]);
        hi = std::max(hi, heldAtEnd_[b]);
    }
    // Each step may leave the share of errmax x span that its length is of the run: the errors
    // that steps leave add up over the run, so the whole run then stays within errmax x span
    // however short its steps are. The first guess is measured like any iterate.
    const double tolerance =
        tc_.errmax * std::max(1.0, hi - lo) * std::min(1.0, dt / (tc_.end - tc_.start));

    // Conjugate gradients preconditioned by one multigrid V-cycle solve A e = r for the change e
    // of x. The preconditioned residual z estimates the error left in the temperatures; the solve
    // stops when its largest value is within the step's tolerance. Single precision carries the
    // estimate down to kReach of where a solve began; below that the change is added to x and the
    // residual formed again exactly.
    constexpr double kReach = 1e-5;
    double rz = 0.0, alpha = 0.0, zStart = 0.0;
    bool fresh = true; // no direction taken since x was last formed
    bool converged = false;
    for (int it = 0;; ++it) {
        mg_->apply();
        const float* z = mg_->solution().data();
        std::array<double, Workers::kMaxThreads> zmaxPart{}, rzPart{};
        Workers::shared().forRange(nz, par, [&](int k0, int k1, int t) {
            double zmax = 0.0, rzLocal = 0.0;
            for (int k = k0; k < k1; ++k)
                for (int j = 0; j < ny; ++j)
                    errorEstimateRow(z, r, long(s.at(0, j, k)), nx, zmax, rzLocal);
            zmaxPart[std::size_t(t)] = zmax;
            rzPart[std::size_t(t)] = rzLocal;
        });
        double zmax = 0.0, rzNew = 0.0;
        for (double v : zmaxPart) zmax = std::max(zmax, v);
        for (double v : rzPart) rzNew += v;

        iterations = it;
        if (zmax <= tolerance) {
            converged = true;
            break;
        }
        if (it >= tc_.itmax || !std::isfinite(zmax)) break;
        if (fresh) {
            zStart = zmax;
        } else if (zmax < kReach * zStart) {
            rsum = residual([&](int k, int) {
                for (int j = 0; j < ny; ++j) {
                    const long row = long(s.at(0, j, k));
#pragma omp simd
                    for (long p = row; p < row + nx; ++p)
                        x[p] += double(e[p]) + alpha * double(pd[p]);
                }
            });
            fresh = true;
            continue;
        }
        const double beta = fresh ? 0.0 : rzNew / rz;
        fresh = false;
        rz = rzNew;
        const double pq = applyDirection(z, beta, alpha);
        if (!(pq > 0.0)) break;
        // e moves by alpha p when the next direction is formed, or at the end of the step.
        alpha = rz / pq;
        const float a = float(alpha);
        Workers::shared().forRange(nz, par, [&](int k0, int k1, int) {
            for (int k = k0; k < k1; ++k)
                for (int j = 0; j < ny; ++j) residualUpdateRow(r, q, a, long(s.at(0, j, k)), nx);
        });
    }
    if (!converged) return false;

    // The solve stops at a small residual, whose sum is heat gained or lost by the step. A
    // uniform shift of the step's temperatures removes it, so the heat balance (content, source
    // and flow through held faces) is exact to round-off at any errmax. The sum of the residual
    // of x + e is the exact sum for x less that of A e, which is (cap s) e plus the flow through
    // held faces: the flows between cells cancel.
    const double ea = fresh ? 0.0 : double(float(alpha));
    const float* ef = fresh ? nullptr : e;
    if (ef) {
        std::array<double, Workers::kMaxThreads> capPart{};
        Workers::shared().forRange(nz, par, [&](int k0, int k1, int t) {
            double sum = 0.0;
            for (int k = k0; k < k1; ++k)
                for (int j = 0; j < ny; ++j)
                    sum += capacityChangeRow(cap, ef, pd, ea, long(s.at(0, j, k)), nx);
            capPart[std::size_t(t)] = sum;
        });
        double capSum = 0.0;
        for (double v : capPart) capSum += v;
        rsum -= sh * capSum;
        for (const Fixed& f : fixed_) rsum -= f.g * (double(ef[f.cell]) + ea * double(pd[f.cell]));
    }
    const double shiftT = rsum / (capTotal_ * sh + heldTotal_);

    // Heat through the held faces, theta-weighted between the step's start and end.
    const auto [inflowStart, crossedStart] = heldFlow(heldAtStart_);

    double* Tw = T_.data();
    double* tm = tmax_.data();
    float* trw = trend_.data();
    std::array<EndTotals, Workers::kMaxThreads> endPart{};
    Workers::shared().forRange(nz, par, [&](int k0, int k1, int t) {
        EndTotals& totals = endPart[std::size_t(t)];
        for (int k = k0; k < k1; ++k)
            for (int j = 0; j < ny; ++j)
                endStepRow(Tw, tm, trw, x, ef, pd, ea, hw, cap, dq, shiftT, long(s.at(0, j, k)), nx,
                           totals);
    });
    double released = 0.0;
    highest_ = -1e300;
    for (const EndTotals& part : endPart) {
        released += part.released;
        highest_ = std::max(highest_, part.highest);
        lowestEver_ = std::min(lowestEver_, part.lowest);
    }
    highestEver_ = std::max(highestEver_, highest_);
    const auto [inflowEnd, crossedEnd] = heldFlow(heldAtEnd_);
    heldInflow_ += dt * kSecondsPerHour * (theta * inflowEnd + (1.0 - theta) * inflowStart);
    heldCrossed_ += dt * kSecondsPerHour * (theta * crossedEnd + (1.0 - theta) * crossedStart);
    for (std::size_t b : heldRecords_) {
        heldLowest_ = std::min(heldLowest_, std::min(heldAtStart_[b], heldAtEnd_[b]));
        heldHighest_ = std::max(heldHighest_, std::max(heldAtStart_[b], heldAtEnd_[b]));
    }
    if (equivalentAge_) equivalentAge_->accept();
    curveLowest_ = std::min(curveLowest_, releasedLowest);
    curveHighest_ = std::max(curveHighest_, released1);
    released_ += released;
    totalIterations_ += iterations;
    lastDt_ = dt;
    haveTrend_ = true;
    time_ = t1;
    return true;
}

// The faces' coefficients of the row in force at time t: when they differ from those the
// operator was built with, the held conductances and the multigrid are formed again.
void Simulation::useCoefficientsOf(double t) {
    const std::size_t passed = std::size_t(
        std::upper_bound(changeTimes_.begin(), changeTimes_.end(), t) - changeTimes_.begin());
    if (passed == changesPassed_) return;
    changesPassed_ = passed;
    heldTotal_ = 0.0;
    for (Fixed& f : fixed_) {
        if (f.convective)
            f.g = series(f.half, in_.boundaries[f.record].coefficient(f.inputFace, t) * f.area);
        held_[std::size_t(f.face)].g[f.faceCell] = f.g;
        conductances_->boundary[std::size_t(f.face)][f.faceCell] = f.g;
        heldTotal_ += f.g;
    }
    mg_ = std::make_unique<Multigrid>(*conductances_);
    shift_ = 0.0; // the new levels take the step's shift
}

void Simulation::run(const std::function<void(const StepReport&)>& onStep) {
    double tryDt = tc_.dtmax;
    int number = 0;
    const double tol = 1e-9 * std::max(1.0, tc_.dtmax);
    // More threads help on a quiet machine and hurt when other programs hold the cores: every
    // 24 steps one step is timed with all threads and the next with a single thread, and the
    // faster way is kept for the steps that follow.
    Workers& workers = Workers::shared();
    const int allThreads = workers.active();
    const bool choose = allThreads > 1 && shape_.cells() > kParallelCells;
    std::array<double, 2> perCycle{0.0, 0.0}; // seconds per V-cycle: all threads, one thread
    while (tc_.end - time_ > tol) {
        // The first step also pays for touching the arrays for the first time: not timed.
        const int phase = (number + 23) % 24;
        const bool probe = choose && number >= 1 && phase < 2;
        const int mode = probe ? phase : perCycle[1] < perCycle[0] ? 1 : 0;
        if (choose) workers.setActive(mode == 0 ? allThreads : 1);
        const auto started = std::chrono::steady_clock::now();
        int cycles = 0;

        const double before = time_;
        double dt = tryDt;
        // The last step is shortened to land on the end time, and a step on the next time the
        // faces' coefficients change.
        if (time_ + dt >= tc_.end - tol) dt = tc_.end - time_;
        const auto change = std::upper_bound(changeTimes_.begin(), changeTimes_.end(), time_ + tol);
        const double planned = dt;
        if (change != changeTimes_.end() && time_ + dt >= *change - tol) dt = *change - time_;
        int halvings = 0, iterations = 0;
        while (!tryStep(dt, iterations)) {
            cycles += iterations + 1;
            if (++halvings > kMaxHalvings) {
                workers.setActive(allThreads);
                std::ostringstream m;
                m << "the step from " << time_ << " h did not converge to errmax " << tc_.errmax
                  << " within " << tc_.itmax << " iterations even at dt " << dt << " h";
                throw std::runtime_error(m.str());
            }
            dt *= 0.5;
        }
        cycles += iterations + 1;
        // A step too short for the clock's precision would repeat for ever.
        if (!(time_ > before)) {
            workers.setActive(allThreads);
            std::ostringstream m;
            m << "a step of " << dt << " h no longer advances the clock at " << before << " h";
            throw std::runtime_error(m.str());
        }
        if (probe)
            perCycle[std::size_t(mode)] =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count() /
                cycles;
        StepReport rep;
        rep.number = ++number;
        rep.time = time_;
        rep.dt = dt;
        rep.iterations = iterations;
        rep.halvings = halvings;
        rep.threads = workers.active();
        rep.highest = highest_;
        if (onStep) onStep(rep);
        // After a halving, grow back gradually towards dtmax.
        tryDt = std::min(tc_.dtmax, 2.0 * (halvings > 0 ? dt : planned));
    }
    workers.setActive(allThreads);
    // The last step's field has had no later residual to show it; no output is written from a
    // field that is not finite.
    for (int k = 0; k < shape_.n[2]; ++k)
        for (int j = 0; j < shape_.n[1]; ++j)
            for (int i = 0; i < shape_.n[0]; ++i)
                if (!std::isfinite(T_[shape_.at(i, j, k)]))
                    throw std::runtime_error(nonFiniteReason(time_));
}

std::string Simulation::nonFiniteReason(double t) const {
    std::ostringstream m;
    m << "a temperature became infinite or not a number by " << t
      << " h; the input's values overflow the solver's numbers";
    return m.str();
}

std::vector<double> Simulation::field() const {
    std::vector<double> out;
    out.reserve(shape_.cells());
    for (int k = 0; k < shape_.n[2]; ++k)
        for (int j = 0; j < shape_.n[1]; ++j)
            for (int i = 0; i < shape_.n[0]; ++i) out.push_back(T_[shape_.at(i, j, k)]);
    return out;
}

std::vector<double> Simulation::highestField() const {
    std::vector<double> out;
    out.reserve(shape_.cells());
    for (int k = 0; k < shape_.n[2]; ++k)
        for (int j = 0; j < shape_.n[1]; ++j)
            for (int i = 0; i < shape_.n[0]; ++i) out.push_back(tmax_[shape_.at(i, j, k)]);
    return out;
}

double Simulation::heatContent() const {
    double sum = 0.0;
    for (int k = 0; k < shape_.n[2]; ++k)
        for (int j = 0; j < shape_.n[1]; ++j)
            for (int i = 0; i < shape_.n[0]; ++i) {
                const std::size_t p = shape_.at(i, j, k);
                sum += double(cap_[p]) * T_[p];
            }
    return sum;
}

double Simulation::highest() const {
    double m = -1e300;
    for (int k = 0; k < shape_.n[2]; ++k)
        for (int j = 0; j < shape_.n[1]; ++j)
            for (int i = 0; i < shape_.n[0]; ++i) m = std::max(m, T_[shape_.at(i, j, k)]);
    return m;
}

} // namespace zolter
