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

// One grid row of r = b - A x for the step's first guess x, with b the theta-scheme's right-hand
// side; mr is r in single precision for the multigrid. A free function with unaliased arrays, so
// the compiler vectorises it.
template <bool Heat>
void firstResidualRow(const double* __restrict T, const double* __restrict x,
                      const double* __restrict cap, const double* __restrict gs,
                      const double* __restrict dg, const double* __restrict hw,
                      const float* __restrict gx, const float* __restrict gy,
                      const float* __restrict gz, long row, int nx, long sy, long sz, double sh,
                      double rho, double dq, double* __restrict r, float* __restrict mr) {
    for (long p = row; p < row + nx; ++p) {
        const double lt = gs[p] * T[p] - gx[p] * T[p + 1] - gx[p - 1] * T[p - 1] -
                          gy[p] * T[p + sy] - gy[p - sy] * T[p - sy] - gz[p] * T[p + sz] -
                          gz[p - sz] * T[p - sz];
        double b = cap[p] * sh * T[p] - rho * lt;
        if constexpr (Heat) b += hw[p] * dq * sh;
        const double ax = dg[p] * x[p] - gx[p] * x[p + 1] - gx[p - 1] * x[p - 1] -
                          gy[p] * x[p + sy] - gy[p - sy] * x[p - sy] - gz[p] * x[p + sz] -
                          gz[p - sz] * x[p - sz];
        const double v = b - ax;
        r[p] = v;
        mr[p] = float(v);
    }
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

    cap_.assign(s.padded(), 0.0);
    T_.assign(s.padded(), 0.0);
    gsum_.assign(s.padded(), 0.0);
    // The conductances only build the operator and its coarse levels: they are freed before the
    // working arrays are taken, which then reuse their memory.
    {
        Conductances c;
        c.shape = s;
        c.cap.assign(n, 0.0);
        for (int d = 0; d < 3; ++d) {
            c.hm[d].assign(n, 0.0); // hp and the face conductances follow from hm
        }
        for (int f = 0; f < 6; ++f) c.boundary[f].assign(faceSize(s, f / 2), 0.0);

        // First boundary record of each material: its initial temperature and whether it is held.
        std::vector<int> recordOf(in.materials.size() + 1, -1);
        for (std::size_t b = in.boundaries.size(); b-- > 0;) {
            const int m = in.boundaries[b].material;
            if (m >= 1 && m <= int(in.materials.size())) recordOf[std::size_t(m)] = int(b);
        }

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
                    cap_[p] = c.cap[cell];
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
        // at the record's temperature half a cell from its centre; every other face cell is
        // insulated.
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
                    if (rec < 0 || !in.boundaries[std::size_t(rec)].dirichlet) continue;
                    const std::size_t ci = std::size_t(idx[0]) + stride[1] * std::size_t(idx[1]) +
                                           stride[2] * std::size_t(idx[2]);
                    const double g = c.hm[d][ci];
                    c.boundary[2 * d + side][faceIndex(s, d, idx[0], idx[1], idx[2])] = g;
                    fixed_.push_back({s.at(idx[0], idx[1], idx[2]), g, std::size_t(rec)});
                }
        }
        for (double v : c.cap) capTotal_ += v;
        if (anyHeat) curve_.emplace(in.hydration, warnings);
        mg_ = std::make_unique<Multigrid>(c);
    }
    // The diagonal from the very conductances the stencil uses, so every face moves exactly as
    // much heat out of one cell as into the other.
    const Level& f0 = mg_->finest();
    const long sy = long(s.sy()), sz = long(s.sz());
    for (int k = 0; k < s.n[2]; ++k)
        for (int j = 0; j < s.n[1]; ++j)
            for (int i = 0; i < s.n[0]; ++i) {
                const long p = long(s.at(i, j, k));
                gsum_[std::size_t(p)] =
                    double(f0.gx[std::size_t(p)]) + double(f0.gx[std::size_t(p - 1)]) +
                    double(f0.gy[std::size_t(p)]) + double(f0.gy[std::size_t(p - sy)]) +
                    double(f0.gz[std::size_t(p)]) + double(f0.gz[std::size_t(p - sz)]);
            }
    for (const Fixed& fx : fixed_) {
        gsum_[fx.cell] += fx.g;
        heldTotal_ += fx.g;
    }

    tmax_ = T_;
    trend_.assign(s.padded(), 0.0);
    x_.assign(s.padded(), 0.0);
    r_.assign(s.padded(), 0.0);
    p_.assign(s.padded(), 0.0);
    diag_.assign(s.padded(), 0.0);
    q_.assign(s.padded(), 0.0);
    time_ = tc_.start;
}

std::string Simulation::describeHeat() const {
    return curve_ ? curve_->describe() : "heat source: no material produces heat";
}

double Simulation::boundaryValue(std::size_t record, double t) const {
    const BoundaryRecord& r = in_.boundaries[record];
    return interpolate(r.points, t, r.initTemp);
}

// The next search direction p = z + beta p, formed in place a plane ahead of q = A p, which is
// computed in the same pass; returns p . q. The previous direction's step x += alpha p is taken
// here too, while p is read anyway.
double Simulation::applyDirection(const float* z, double beta, double alpha, double* q) {
    const Shape& s = shape_;
    const Level& f0 = mg_->finest();
    const float* gx = f0.gx.data();
    const float* gy = f0.gy.data();
    const float* gz = f0.gz.data();
    const double* dg = diag_.data();
    double* pd = p_.data();
    double* x = x_.data();
    const long sy = long(s.sy()), sz = long(s.sz());
    const int nx = s.n[0], ny = s.n[1], nz = s.n[2];
    std::array<double, Workers::kMaxThreads> part{};
    auto prepare = [&](int k, int) {
        for (int j = 0; j < ny; ++j) {
            const long row = long(s.at(0, j, k));
            if (beta == 0.0) {
                for (long p = row; p < row + nx; ++p) pd[p] = double(z[p]);
                continue;
            }
#pragma omp simd
            for (long p = row; p < row + nx; ++p) {
                x[p] += alpha * pd[p];
                pd[p] = double(z[p]) + beta * pd[p];
            }
        }
    };
    auto compute = [&](int k, int t) {
        double dot = 0.0;
        for (int j = 0; j < ny; ++j) {
            const long row = long(s.at(0, j, k));
#pragma omp simd reduction(+ : dot)
            for (long p = row; p < row + nx; ++p) {
                const double v = dg[p] * pd[p] - gx[p] * pd[p + 1] - gx[p - 1] * pd[p - 1] -
                                 gy[p] * pd[p + sy] - gy[p - sy] * pd[p - sy] - gz[p] * pd[p + sz] -
                                 gz[p - sz] * pd[p - sz];
                q[p] = v;
                dot += v * pd[p];
            }
        }
        part[std::size_t(t)] += dot;
    };
    forPlanesAhead(nz, s.cells() > kParallelCells, prepare, compute);
    double dot = 0.0;
    for (double v : part) dot += v;
    return dot;
}

bool Simulation::tryStep(double dt, int& iterations) {
    iterations = 0;
    const Shape& s = shape_;
    const double theta = tc_.theta;
    const double t0 = time_, t1 = time_ + dt;
    const double sh = 1.0 / (theta * dt * kSecondsPerHour);
    if (sh != shift_) {
        shift_ = sh;
        mg_->setShift(sh);
        for (std::size_t p = 0; p < diag_.size(); ++p) diag_[p] = cap_[p] * sh + gsum_[p];
    }
    const double dq =
        curve_ ? curve_->cumulative(t1 - tc_.start) - curve_->cumulative(t0 - tc_.start) : 0.0;
    const double rho = (1.0 - theta) / theta;
    const double ratio = haveTrend_ ? dt / lastDt_ : 0.0;
    const Level& f0 = mg_->finest();
    const float* gx = f0.gx.data();
    const float* gy = f0.gy.data();
    const float* gz = f0.gz.data();
    const long sy = long(s.sy()), sz = long(s.sz());
    const int nx = s.n[0], ny = s.n[1], nz = s.n[2];
    const double* T = T_.data();
    const double* cap = cap_.data();
    const double* gs = gsum_.data();
    const double* dg = diag_.data();
    // Without a heat source there is no per-cell heat array.
    const double* hw = heatW_.empty() ? nullptr : heatW_.data();
    const double* tr = trend_.data();
    double* r = r_.data();
    double* x = x_.data();
    float* mr = mg_->rhs().data();
    const bool par = s.cells() > kParallelCells;

    // theta-scheme, divided by theta:
    //   (C s + L) T1 = C s T0 - (1 - theta)/theta L T0 + Q s + held-face terms,  s = 1/(theta dt)
    // The first guess of a plane is formed just ahead of the residual b - A x of the plane before,
    // so the right-hand side is never stored.
    std::array<double, Workers::kMaxThreads> loPart, hiPart;
    loPart.fill(1e300);
    hiPart.fill(-1e300);
    auto guess = [&](int k, int t) {
        double lo = loPart[std::size_t(t)], hi = hiPart[std::size_t(t)];
        for (int j = 0; j < ny; ++j) {
            const long row = long(s.at(0, j, k));
            // The exact heat plus the conduction change of the previous step.
            if (hw) {
#pragma omp simd
                for (long p = row; p < row + nx; ++p)
                    x[p] = T[p] + hw[p] * dq / cap[p] + ratio * tr[p];
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
    };
    auto residual = [&](int k, int) {
        for (int j = 0; j < ny; ++j) {
            const long row = long(s.at(0, j, k));
            if (hw)
                firstResidualRow<true>(T, x, cap, gs, dg, hw, gx, gy, gz, row, nx, sy, sz, sh, rho,
                                       dq, r, mr);
            else
                firstResidualRow<false>(T, x, cap, gs, dg, hw, gx, gy, gz, row, nx, sy, sz, sh, rho,
                                        dq, r, mr);
        }
    };
    forPlanesAhead(nz, par, guess, residual);
    double lo = 1e300, hi = -1e300;
    for (double v : loPart) lo = std::min(lo, v);
    for (double v : hiPart) hi = std::max(hi, v);

    for (const Fixed& f : fixed_) {
        const double v0 = boundaryValue(f.record, t0), v1 = boundaryValue(f.record, t1);
        r[f.cell] += f.g * (v1 + rho * v0);
        mr[f.cell] = float(r[f.cell]);
        lo = std::min(lo, v1);
        hi = std::max(hi, v1);
    }
    const double scale = std::max(1.0, hi - lo);

    // Conjugate gradients preconditioned by one multigrid V-cycle. The preconditioned residual
    // z estimates the error left in the temperatures; the solve stops when its largest value,
    // relative to the temperature span, is within errmax.
    double* pp = p_.data();
    double* q = q_.data();
    double rz = 0.0, imbalance = 0.0, alpha = 0.0;
    bool converged = false;
    for (int it = 0;; ++it) {
        mg_->apply();
        const float* z = mg_->solution().data();
        std::array<double, Workers::kMaxThreads> zmaxPart{}, rzPart{}, rsumPart{};
        Workers::shared().forRange(nz, par, [&](int k0, int k1, int t) {
            double zmax = 0.0, rzLocal = 0.0, rsum = 0.0;
            for (int k = k0; k < k1; ++k)
                for (int j = 0; j < ny; ++j) {
                    const long row = long(s.at(0, j, k));
#pragma omp simd reduction(max : zmax) reduction(+ : rzLocal, rsum)
                    for (long p = row; p < row + nx; ++p) {
                        zmax = std::max(zmax, double(std::fabs(z[p])));
                        rzLocal += r[p] * double(z[p]);
                        rsum += r[p];
                    }
                }
            zmaxPart[std::size_t(t)] = zmax;
            rzPart[std::size_t(t)] = rzLocal;
            rsumPart[std::size_t(t)] = rsum;
        });
        double zmax = 0.0, rzNew = 0.0;
        imbalance = 0.0;
        for (double v : zmaxPart) zmax = std::max(zmax, v);
        for (double v : rzPart) rzNew += v;
        for (double v : rsumPart) imbalance += v;

        iterations = it;
        if (zmax / scale <= tc_.errmax) {
            converged = true;
            break;
        }
        if (it >= tc_.itmax || !std::isfinite(zmax)) break;
        const double beta = it == 0 ? 0.0 : rzNew / rz;
        rz = rzNew;
        const double pq = applyDirection(z, beta, alpha, q);
        if (!(pq > 0.0)) break;
        // x moves by alpha p when the next direction is formed, or at the end of the step.
        alpha = rz / pq;
        Workers::shared().forRange(nz, par, [&](int k0, int k1, int) {
            for (int k = k0; k < k1; ++k)
                for (int j = 0; j < ny; ++j) {
                    const long row = long(s.at(0, j, k));
#pragma omp simd
                    for (long p = row; p < row + nx; ++p) {
                        r[p] -= alpha * q[p];
                        mr[p] = float(r[p]);
                    }
                }
        });
    }
    if (!converged) return false;

    // The solve stops at a small residual, whose sum is heat gained or lost by the step. A
    // uniform shift of the step's temperatures removes it, so the heat balance (content, source
    // and flow through held faces) is exact to round-off at any errmax.
    const double shiftT = imbalance / (capTotal_ * sh + heldTotal_);

    double* Tw = T_.data();
    double* tm = tmax_.data();
    double* trw = trend_.data();
    std::array<double, Workers::kMaxThreads> releasedPart{}, highestPart;
    highestPart.fill(-1e300);
    Workers::shared().forRange(nz, par, [&](int k0, int k1, int t) {
        double released = 0.0, highest = highestPart[std::size_t(t)];
        for (int k = k0; k < k1; ++k)
            for (int j = 0; j < ny; ++j) {
                const long row = long(s.at(0, j, k));
#pragma omp simd reduction(+ : released) reduction(max : highest)
                for (long p = row; p < row + nx; ++p) {
                    const double heat = hw ? hw[p] * dq : 0.0;
                    const double v = (alpha != 0.0 ? x[p] + alpha * pp[p] : x[p]) + shiftT;
                    trw[p] = v - Tw[p] - heat / cap[p];
                    Tw[p] = v;
                    tm[p] = std::max(tm[p], v);
                    released += heat;
                    highest = std::max(highest, v);
                }
            }
        releasedPart[std::size_t(t)] = released;
        highestPart[std::size_t(t)] = highest;
    });
    double released = 0.0;
    for (double v : releasedPart) released += v;
    highest_ = -1e300;
    for (double v : highestPart) highest_ = std::max(highest_, v);

    released_ += released;
    totalIterations_ += iterations;
    lastDt_ = dt;
    haveTrend_ = true;
    time_ = t1;
    return true;
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

        double dt = tryDt;
        // The last step is shortened to land on the end time.
        if (time_ + dt >= tc_.end - tol) dt = tc_.end - time_;
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
        tryDt = std::min(tc_.dtmax, 2.0 * dt);
    }
    workers.setActive(allThreads);
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
                sum += cap_[p] * T_[p];
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
