#include "Multigrid.h"

#include "Parallel.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace zolter {

namespace {

// out[0..n) = the sum over entries e in [first, last) of weight[e] times the line line(e).
template <typename Line>
inline void sumWeightedLines(float* out, int n, int first, int last, const float* weight,
                             Line line) {
    for (int I = 0; I < n; ++I) out[I] = 0.0f;
    for (int e = first; e < last; ++e) {
        const float w = weight[e];
        const float* in = line(e);
        for (int I = 0; I < n; ++I) out[I] += w * in[I];
    }
}

// Below this many cells a level is swept by one thread; thread start-up would cost more.
constexpr std::size_t kParallelCells = 20000;
// The coarsest level is solved directly; coarsening stops at or below this many cells.
constexpr std::size_t kCoarsestCells = 300;
// Row buffer of the smoother.
constexpr int kMaxRow = 256;
// Longest grid line the transfers handle in one buffer.
constexpr int kMaxLine = 4096;

// Position of coarse cell centres in fine-index units.
Array<double> coarseCentres(int nf, bool coarsened) {
    const int nc = coarsened ? (nf + 1) / 2 : nf;
    Array<double> pos(std::size_t(nc), 0.0);
    for (int p = 0; p < nc; ++p) {
        if (!coarsened)
            pos[std::size_t(p)] = p;
        else
            pos[std::size_t(p)] = (2 * p + 1 < nf) ? 2 * p + 0.5 : 2 * p;
    }
    return pos;
}

Level::Transfer makeTransfer(int nf, bool coarsened) {
    Level::Transfer t;
    t.coarsened = coarsened;
    t.regular = coarsened && nf % 2 == 0 && nf >= 4;
    const Array<double> pos = coarseCentres(nf, coarsened);
    const int nc = int(pos.size());
    // Prolongation: each fine centre interpolated linearly between the bracketing coarse centres.
    std::vector<std::vector<std::pair<int, float>>> byCoarse(static_cast<std::size_t>(nc));
    t.pStart.push_back(0);
    for (int f = 0; f < nf; ++f) {
        const int p = coarsened ? f / 2 : f;
        const double pp = pos[std::size_t(p)];
        int q = -1;
        if (f > pp && p + 1 < nc) q = p + 1;
        if (f < pp && p > 0) q = p - 1;
        auto add = [&](int c, double w) {
            t.pCoarse.push_back(c);
            t.pWeight.push_back(float(w));
            byCoarse[std::size_t(c)].push_back({f, float(w)});
        };
        if (q < 0) {
            add(p, 1.0);
        } else {
            const double wq = (f - pp) / (pos[std::size_t(q)] - pp);
            add(p, 1.0 - wq);
            add(q, wq);
        }
        t.pStart.push_back(int(t.pCoarse.size()));
    }
    // Restriction is the transpose, so the V-cycle stays symmetric.
    t.start.push_back(0);
    for (const auto& list : byCoarse) {
        for (const auto& [f, w] : list) {
            t.fine.push_back(f);
            t.weight.push_back(w);
        }
        t.start.push_back(int(t.fine.size()));
    }
    return t;
}

// One line of the restriction along x. Away from the ends of an even line the weights are the
// regular 1/4, 3/4, 3/4, 1/4; the ends and odd lines use the general table.
inline void restrictRow(const Level::Transfer& t, const float* __restrict r, float* __restrict out,
                        int nc) {
    auto general = [&](int I) {
        float v = 0.0f;
        for (int e = t.start[std::size_t(I)]; e < t.start[std::size_t(I) + 1]; ++e)
            v += t.weight[std::size_t(e)] * r[t.fine[std::size_t(e)]];
        out[I] = v;
    };
    if (!t.regular) {
        for (int I = 0; I < nc; ++I) general(I);
        return;
    }
    general(0);
    for (int I = 1; I < nc - 1; ++I)
        out[I] = 0.25f * (r[2 * I - 1] + r[2 * I + 2]) + 0.75f * (r[2 * I] + r[2 * I + 1]);
    general(nc - 1);
}

// One line of the prolongation along x, added to out; the transpose of restrictRow.
inline void prolongRow(const Level::Transfer& t, const float* __restrict in, float* __restrict out,
                       int nf) {
    auto general = [&](int i) {
        float v = 0.0f;
        for (int e = t.pStart[std::size_t(i)]; e < t.pStart[std::size_t(i) + 1]; ++e)
            v += t.pWeight[std::size_t(e)] * in[t.pCoarse[std::size_t(e)]];
        out[i] += v;
    };
    if (!t.regular) {
        for (int i = 0; i < nf; ++i) general(i);
        return;
    }
    general(0);
    for (int P = 1; P < nf / 2 - 1; ++P) {
        out[2 * P] += 0.75f * in[P] + 0.25f * in[P - 1];
        out[2 * P + 1] += 0.75f * in[P] + 0.25f * in[P + 1];
    }
    out[1] += 0.75f * in[0] + 0.25f * in[1];
    out[nf - 2] += 0.75f * in[nf / 2 - 1] + 0.25f * in[nf / 2 - 2];
    general(nf - 1);
}

} // namespace

void fillLevel(const Conductances& c, Level& lv) {
    const Shape& s = c.shape;
    lv.shape = s;
    const std::size_t np = s.padded();
    lv.gx.assign(np, 0.0f);
    lv.gy.assign(np, 0.0f);
    lv.gz.assign(np, 0.0f);
    lv.cap.assign(np, 0.0f);
    lv.hx.assign(np, 0);
    lv.hy.assign(np, 0);
    lv.hz.assign(np, 0);
    lv.gsum.assign(np, 0.0f);
    lv.diag.assign(np, 1.0f);
    lv.inv.assign(np, 1.0f);
    lv.x.assign(np, 0.0f);
    lv.b.assign(np, 0.0f);
    std::size_t c0 = 0;
    const std::array<std::size_t, 3> stride{1, std::size_t(s.n[0]),
                                            std::size_t(s.n[0]) * std::size_t(s.n[1])};
    // Without stored face conductances (the finest grid), the two half cells in series.
    auto face = [&](int d, std::size_t c0, int index) {
        if (!c.face[d].empty()) return c.face[d][c0];
        if (index + 1 >= s.n[d]) return 0.0;
        const double up = c.hp[d].empty() ? c.hm[d][c0] : c.hp[d][c0];
        return series(up, c.hm[d][c0 + stride[d]]);
    };
    for (int k = 0; k < s.n[2]; ++k)
        for (int j = 0; j < s.n[1]; ++j)
            for (int i = 0; i < s.n[0]; ++i, ++c0) {
                const std::size_t p = s.at(i, j, k);
                lv.gx[p] = float(face(0, c0, i));
                lv.gy[p] = float(face(1, c0, j));
                lv.gz[p] = float(face(2, c0, k));
                lv.hx[p] = toCoarse16(lv.gx[p]);
                lv.hy[p] = toCoarse16(lv.gy[p]);
                lv.hz[p] = toCoarse16(lv.gz[p]);
                lv.cap[p] = float(c.cap[c0]);
                const std::array<int, 3> idx{i, j, k};
                double gsum = 0.0;
                for (int d = 0; d < 3; ++d) {
                    // Sum the conductances as stored, so the diagonal matches the off-diagonal
                    // entries exactly.
                    const float up = float(face(d, c0, idx[d]));
                    const float down =
                        idx[d] > 0 ? float(face(d, c0 - stride[d], idx[d] - 1)) : 0.0f;
                    double held = 0.0;
                    if (idx[d] == 0) held += c.boundary[2 * d][faceIndex(s, d, i, j, k)];
                    if (idx[d] == s.n[d] - 1)
                        held += c.boundary[2 * d + 1][faceIndex(s, d, i, j, k)];
                    gsum += double(fromCoarse16(toCoarse16(up))) +
                            double(fromCoarse16(toCoarse16(down))) + held;
                }
                lv.gsum[p] = float(gsum);
            }
}

bool coarsen(const Conductances& fine, Conductances& coarse, std::array<bool, 3>& which) {
    const Shape& fs = fine.shape;
    // Coarsen the directions whose cells are nearly the smallest: strongly coupled directions
    // first, so a point smoother still smooths well in every direction.
    double hmin = 1e300;
    for (int d = 0; d < 3; ++d)
        if (fs.n[d] >= 2) hmin = std::min(hmin, fs.h[d]);
    bool any = false;
    for (int d = 0; d < 3; ++d) {
        which[d] = fs.n[d] >= 2 && fs.h[d] <= 1.5 * hmin;
        any = any || which[d];
    }
    if (!any) return false;

    Shape cs;
    for (int d = 0; d < 3; ++d) {
        cs.n[d] = which[d] ? (fs.n[d] + 1) / 2 : fs.n[d];
        cs.h[d] = which[d] ? 2.0 * fs.h[d] : fs.h[d];
    }
    coarse.shape = cs;
    const std::size_t nc = cs.cells();
    coarse.cap.assign(nc, 0.0);
    for (int d = 0; d < 3; ++d) {
        coarse.hm[d].assign(nc, 0.0);
        coarse.hp[d].assign(nc, 0.0);
        coarse.face[d].assign(nc, 0.0);
    }
    for (int f = 0; f < 6; ++f) coarse.boundary[f].assign(faceSize(cs, f / 2), 0.0);

    // Each fine cell, visited once per direction d, adds to the coarse cell it belongs to: the
    // conductance of its tube along d from the coarse centre to the coarse cell's - face (side 0)
    // and + face (side 1). A pair of members puts the coarse centre on their shared face, so each
    // half is one whole fine cell; a single member keeps its own halves.
    const std::array<std::size_t, 3> fstride{1, std::size_t(fs.n[0]),
                                             std::size_t(fs.n[0]) * std::size_t(fs.n[1])};
    auto coarseOf = [&](int d, int i) { return which[d] ? i / 2 : i; };
    // Number of members of coarse index P along d.
    auto members = [&](int d, int P) { return which[d] && 2 * P + 1 < fs.n[d] ? 2 : 1; };
    for (int d = 0; d < 3; ++d) {
        const Array<double>& hm = fine.hm[d];
        const Array<double>& hpd = fine.hp[d].empty() ? fine.hm[d] : fine.hp[d];
        // From fine cell c's face on the given side to the coarse centre: the whole cell when it
        // is one of a pair, its own half when it is single.
        auto towardsCentre = [&](std::size_t c, int count, int side) {
            if (count == 2) return series(hm[c], hpd[c]);
            return side == 0 ? hm[c] : hpd[c];
        };
        std::size_t c = 0;
        for (int k = 0; k < fs.n[2]; ++k)
            for (int j = 0; j < fs.n[1]; ++j)
                for (int i = 0; i < fs.n[0]; ++i, ++c) {
                    const std::array<int, 3> f{i, j, k};
                    const std::array<int, 3> P{coarseOf(0, i), coarseOf(1, j), coarseOf(2, k)};
                    const std::size_t C =
                        std::size_t(P[0]) +
                        std::size_t(cs.n[0]) *
                            (std::size_t(P[1]) + std::size_t(cs.n[1]) * std::size_t(P[2]));
                    if (d == 0) coarse.cap[C] += fine.cap[c];
                    const int count = members(d, P[d]);
                    const bool first = f[d] == (which[d] ? 2 * P[d] : P[d]);
                    const bool last = count == 1 || !first;
                    if (first) coarse.hm[d][C] += towardsCentre(c, count, 0);
                    if (!last) continue;
                    const double up = towardsCentre(c, count, 1);
                    coarse.hp[d][C] += up;
                    if (P[d] + 1 < cs.n[d]) {
                        const std::size_t next = c + fstride[std::size_t(d)];
                        coarse.face[d][C] +=
                            series(up, towardsCentre(next, members(d, P[d] + 1), 0));
                    }
                }
        // Boundary faces: the fine boundary conductance in series with the path from the coarse
        // centre to the boundary cell's centre.
        const int a = (d + 1) % 3, b = (d + 2) % 3;
        for (int side = 0; side < 2; ++side) {
            const int P = side == 0 ? 0 : cs.n[d] - 1;
            const int count = members(d, P);
            std::array<int, 3> m{};
            m[d] = side == 0 ? 0 : fs.n[d] - 1;
            for (m[b] = 0; m[b] < fs.n[b]; ++m[b])
                for (m[a] = 0; m[a] < fs.n[a]; ++m[a]) {
                    const double gb =
                        fine.boundary[2 * d + side][faceIndex(fs, d, m[0], m[1], m[2])];
                    const std::array<int, 3> M{coarseOf(0, m[0]), coarseOf(1, m[1]),
                                               coarseOf(2, m[2])};
                    const std::size_t c = std::size_t(m[0]) * fstride[0] +
                                          std::size_t(m[1]) * fstride[1] +
                                          std::size_t(m[2]) * fstride[2];
                    const double inner = side == 0 ? hpd[c] : hm[c];
                    coarse.boundary[2 * d + side][faceIndex(cs, d, M[0], M[1], M[2])] +=
                        count == 2 ? series(gb, inner) : gb;
                }
        }
    }
    return true;
}

Multigrid::Multigrid(const Conductances& fine, int smoothingSweeps) : sweeps_(smoothingSweeps) {
    levels_.emplace_back();
    fillLevel(fine, levels_.back());
    Conductances current;
    const Conductances* from = &fine;
    while (from->shape.cells() > kCoarsestCells && levels_.size() < 30) {
        Conductances next;
        std::array<bool, 3> which{};
        if (!coarsen(*from, next, which)) break;
        Level& f = levels_.back();
        for (int d = 0; d < 3; ++d) f.toCoarse[d] = makeTransfer(from->shape.n[d], which[d]);
        const Shape& cs = next.shape;
        f.tmpA.assign(std::size_t(cs.n[0]) * std::size_t(from->shape.n[1]) *
                          std::size_t(from->shape.n[2]),
                      0.0f);
        f.tmpB.assign(std::size_t(cs.n[0]) * std::size_t(cs.n[1]) * std::size_t(from->shape.n[2]),
                      0.0f);
        levels_.emplace_back();
        fillLevel(next, levels_.back());
        current = std::move(next);
        from = &current;
    }
}

void Multigrid::setShift(double s) {
    shift_ = s;
    for (Level& lv : levels_) {
        const Shape& sh = lv.shape;
        for (int k = 0; k < sh.n[2]; ++k)
            for (int j = 0; j < sh.n[1]; ++j) {
                const std::size_t row = sh.at(0, j, k);
                for (int i = 0; i < sh.n[0]; ++i) {
                    const std::size_t p = row + std::size_t(i);
                    lv.diag[p] = float(double(lv.cap[p]) * s + double(lv.gsum[p]));
                    lv.inv[p] = 1.0f / lv.diag[p];
                }
            }
    }
    // Dense Cholesky factor of the coarsest operator.
    const Level& c = levels_.back();
    const Shape& sh = c.shape;
    const std::size_t m = sh.cells();
    chol_.assign(m * m, 0.0);
    work_.assign(m, 0.0);
    std::size_t row = 0;
    auto id = [&](int i, int j, int k) {
        return std::size_t(i) +
               std::size_t(sh.n[0]) * (std::size_t(j) + std::size_t(sh.n[1]) * std::size_t(k));
    };
    auto g = [](Coarse16 h) { return double(fromCoarse16(h)); };
    for (int k = 0; k < sh.n[2]; ++k)
        for (int j = 0; j < sh.n[1]; ++j)
            for (int i = 0; i < sh.n[0]; ++i, ++row) {
                const std::size_t p = sh.at(i, j, k);
                chol_[row * m + row] = c.diag[p];
                if (i + 1 < sh.n[0]) chol_[row * m + id(i + 1, j, k)] = -g(c.hx[p]);
                if (i > 0) chol_[row * m + id(i - 1, j, k)] = -g(c.hx[p - 1]);
                if (j + 1 < sh.n[1]) chol_[row * m + id(i, j + 1, k)] = -g(c.hy[p]);
                if (j > 0) chol_[row * m + id(i, j - 1, k)] = -g(c.hy[p - sh.sy()]);
                if (k + 1 < sh.n[2]) chol_[row * m + id(i, j, k + 1)] = -g(c.hz[p]);
                if (k > 0) chol_[row * m + id(i, j, k - 1)] = -g(c.hz[p - sh.sz()]);
            }
    for (std::size_t j = 0; j < m; ++j) {
        double d = chol_[j * m + j];
        for (std::size_t q = 0; q < j; ++q) d -= chol_[j * m + q] * chol_[j * m + q];
        if (!(d > 0.0)) throw std::runtime_error("coarse-grid operator is not positive definite");
        const double l = std::sqrt(d);
        chol_[j * m + j] = l;
        for (std::size_t i = j + 1; i < m; ++i) {
            double v = chol_[i * m + j];
            for (std::size_t q = 0; q < j; ++q) v -= chol_[i * m + q] * chol_[j * m + q];
            chol_[i * m + j] = v / l;
        }
    }
}

void Multigrid::solveCoarsest() {
    Level& c = levels_.back();
    const Shape& sh = c.shape;
    const std::size_t m = sh.cells();
    std::size_t row = 0;
    for (int k = 0; k < sh.n[2]; ++k)
        for (int j = 0; j < sh.n[1]; ++j)
            for (int i = 0; i < sh.n[0]; ++i) work_[row++] = c.b[sh.at(i, j, k)];
    for (std::size_t i = 0; i < m; ++i) {
        double v = work_[i];
        for (std::size_t q = 0; q < i; ++q) v -= chol_[i * m + q] * work_[q];
        work_[i] = v / chol_[i * m + i];
    }
    for (std::size_t i = m; i-- > 0;) {
        double v = work_[i];
        for (std::size_t q = i + 1; q < m; ++q) v -= chol_[q * m + i] * work_[q];
        work_[i] = v / chol_[i * m + i];
    }
    row = 0;
    for (int k = 0; k < sh.n[2]; ++k)
        for (int j = 0; j < sh.n[1]; ++j)
            for (int i = 0; i < sh.n[0]; ++i) c.x[sh.at(i, j, k)] = float(work_[row++]);
}

// One plane of a red-black Gauss-Seidel half-sweep: the cells of one colour. Whole rows are
// computed (contiguous, so they vectorise) and the cells of the other colour keep their value;
// their neighbours are all of the other colour, so no lane reads a cell another lane writes.
// With first set, x is taken as zero: the cells become b / diag without reading their
// neighbours, so x need not be cleared beforehand.
ZOLTER_VECTOR_CLONES static void smoothPlane(Level& lv, int k, int color, bool first) {
    const Shape& sh = lv.shape;
    const long sy = long(sh.sy()), sz = long(sh.sz());
    const int nx = sh.n[0], ny = sh.n[1];
    float* const x = lv.x.data();
    const float* __restrict b = lv.b.data();
    const Coarse16* __restrict gx = lv.hx.data();
    const Coarse16* __restrict gy = lv.hy.data();
    const Coarse16* __restrict gz = lv.hz.data();
    const float* __restrict inv = lv.inv.data();
    const auto f = fromCoarse16;
    float buf[kMaxRow];
    for (int j = 0; j < ny; ++j) {
        const long row = long(sh.at(0, j, k));
        const int i0 = (color + j + k) & 1;
        if (first) {
            for (int i = i0; i < nx; i += 2) x[row + i] = b[row + i] * inv[row + i];
            continue;
        }
        for (int c0 = 0; c0 < nx; c0 += kMaxRow) {
            const int len = std::min(kMaxRow, nx - c0);
            const long r0 = row + c0;
            for (int i = 0; i < len; ++i) {
                const long p = r0 + i;
                buf[i] =
                    (b[p] + f(gx[p]) * x[p + 1] + f(gx[p - 1]) * x[p - 1] + f(gy[p]) * x[p + sy] +
                     f(gy[p - sy]) * x[p - sy] + f(gz[p]) * x[p + sz] + f(gz[p - sz]) * x[p - sz]) *
                    inv[p];
            }
            // A blend of whole rows: vector stores instead of every other cell one by one.
            const int odd = (i0 + c0) & 1;
            float* __restrict out = x + r0;
            for (int i = 0; i < len; ++i) {
                const float old = out[i];
                out[i] = ((i ^ odd) & 1) ? old : buf[i];
            }
        }
    }
}

// One full red-black sweep, colour `color` first. The second colour follows one plane behind
// the first, so each plane is still in cache when it is visited again; the result is the same
// as two separate half-sweeps. The second colour of the first and last plane of each thread's
// slice needs its neighbour slices' first colour, so it waits for a second pass. With restrictAfter
// set, the residual of each plane is formed and restricted along x two planes behind, once the
// plane and both its neighbours are final, instead of in a pass of its own.
void Multigrid::smooth(Level& lv, int color, bool first, bool restrictAfter) {
    const int nz = lv.shape.n[2];
    const bool par = lv.shape.cells() > kParallelCells;
    const int other = 1 - color;
    Workers::shared().forRange(nz, par, [&](int k0, int k1, int) {
        for (int k = k0; k < k1; ++k) {
            smoothPlane(lv, k, color, first);
            if (k - 1 > k0) smoothPlane(lv, k - 1, other, false);
            if (restrictAfter && k - 2 >= k0 + 2) restrictPlane(lv, k - 2);
        }
    });
    Workers::shared().forRange(nz, par, [&](int k0, int k1, int) {
        smoothPlane(lv, k0, other, false);
        if (k1 - 1 > k0) smoothPlane(lv, k1 - 1, other, false);
    });
    if (!restrictAfter) return;
    Workers::shared().forRange(nz, par, [&](int k0, int k1, int) {
        for (int k = k0; k < k1; ++k)
            if (k < k0 + 2 || k > k1 - 3) restrictPlane(lv, k);
    });
}

// The residual b - A x of one grid line.
ZOLTER_VECTOR_CLONES static void residualRow(const Level& lv, int j, int k, float* __restrict out) {
    const Shape& sh = lv.shape;
    const long sy = long(sh.sy()), sz = long(sh.sz());
    const float* __restrict x = lv.x.data();
    const float* __restrict b = lv.b.data();
    const Coarse16* __restrict gx = lv.hx.data();
    const Coarse16* __restrict gy = lv.hy.data();
    const Coarse16* __restrict gz = lv.hz.data();
    const float* __restrict dg = lv.diag.data();
    const auto f = fromCoarse16;
    const long row = long(sh.at(0, j, k));
    for (int i = 0; i < sh.n[0]; ++i) {
        const long p = row + i;
        out[i] = b[p] - dg[p] * x[p] + f(gx[p]) * x[p + 1] + f(gx[p - 1]) * x[p - 1] +
                 f(gy[p]) * x[p + sy] + f(gy[p - sy]) * x[p - sy] + f(gz[p]) * x[p + sz] +
                 f(gz[p - sz]) * x[p - sz];
    }
}

// The residual of one plane, formed a line at a time and restricted along x at once.
void Multigrid::restrictPlane(Level& fine, int k) {
    const int fny = fine.shape.n[1];
    const int cnx = fine.toCoarse[0].coarsened ? (fine.shape.n[0] + 1) / 2 : fine.shape.n[0];
    for (int j = 0; j < fny; ++j) {
        float r[kMaxLine];
        residualRow(fine, j, k, r);
        float* out = fine.tmpA.data() +
                     (std::size_t(k) * std::size_t(fny) + std::size_t(j)) * std::size_t(cnx);
        restrictRow(fine.toCoarse[0], r, out, cnx);
    }
}

// Restriction of the residual along y and z; along x it is done by restrictPlane.
void Multigrid::restrictTo(Level& fine, Level& coarse) {
    const Shape& fs = fine.shape;
    const Shape& cs = coarse.shape;
    const auto& ty = fine.toCoarse[1];
    const auto& tz = fine.toCoarse[2];
    const int fny = fs.n[1], fnz = fs.n[2];
    const int cnx = cs.n[0], cny = cs.n[1], cnz = cs.n[2];
    float* A = fine.tmpA.data(); // cnx * fny * fnz
    float* B = fine.tmpB.data(); // cnx * cny * fnz
    const bool par = fs.cells() > kParallelCells;
    Workers::shared().forRange(fnz, par, [&](int k0, int k1, int) {
        for (int k = k0; k < k1; ++k)
            for (int J = 0; J < cny; ++J) {
                float* out =
                    B + (std::size_t(k) * std::size_t(cny) + std::size_t(J)) * std::size_t(cnx);
                sumWeightedLines(out, cnx, ty.start[std::size_t(J)], ty.start[std::size_t(J) + 1],
                                 ty.weight.data(), [&](int e) {
                                     return A + (std::size_t(k) * std::size_t(fny) +
                                                 std::size_t(ty.fine[std::size_t(e)])) *
                                                    std::size_t(cnx);
                                 });
            }
    });
    float* cb = coarse.b.data();
    Workers::shared().forRange(cnz, par, [&](int k0, int k1, int) {
        for (int K = k0; K < k1; ++K)
            for (int J = 0; J < cny; ++J) {
                float* out = cb + cs.at(0, J, K);
                sumWeightedLines(out, cnx, tz.start[std::size_t(K)], tz.start[std::size_t(K) + 1],
                                 tz.weight.data(), [&](int e) {
                                     return B + (std::size_t(tz.fine[std::size_t(e)]) *
                                                     std::size_t(cny) +
                                                 std::size_t(J)) *
                                                    std::size_t(cnx);
                                 });
            }
    });
}

void Multigrid::prolongAdd(Level& coarse, Level& fine) {
    const Shape& fs = fine.shape;
    const Shape& cs = coarse.shape;
    const auto& tx = fine.toCoarse[0];
    const auto& ty = fine.toCoarse[1];
    const auto& tz = fine.toCoarse[2];
    const int fnx = fs.n[0], fny = fs.n[1], fnz = fs.n[2];
    const int cnx = cs.n[0], cny = cs.n[1];
    float* A = fine.tmpA.data(); // cnx * fny * fnz
    float* B = fine.tmpB.data(); // cnx * cny * fnz
    const float* cx = coarse.x.data();
    const bool par = fs.cells() > kParallelCells;
    Workers::shared().forRange(fnz, par, [&](int k0, int k1, int) {
        for (int k = k0; k < k1; ++k)
            for (int J = 0; J < cny; ++J) {
                float* out =
                    B + (std::size_t(k) * std::size_t(cny) + std::size_t(J)) * std::size_t(cnx);
                sumWeightedLines(out, cnx, tz.pStart[std::size_t(k)], tz.pStart[std::size_t(k) + 1],
                                 tz.pWeight.data(), [&](int e) {
                                     return cx + cs.at(0, J, tz.pCoarse[std::size_t(e)]);
                                 });
            }
    });
    Workers::shared().forRange(fnz, par, [&](int k0, int k1, int) {
        for (int k = k0; k < k1; ++k)
            for (int j = 0; j < fny; ++j) {
                float* out =
                    A + (std::size_t(k) * std::size_t(fny) + std::size_t(j)) * std::size_t(cnx);
                sumWeightedLines(out, cnx, ty.pStart[std::size_t(j)], ty.pStart[std::size_t(j) + 1],
                                 ty.pWeight.data(), [&](int e) {
                                     return B + (std::size_t(k) * std::size_t(cny) +
                                                 std::size_t(ty.pCoarse[std::size_t(e)])) *
                                                    std::size_t(cnx);
                                 });
            }
    });
    float* x = fine.x.data();
    Workers::shared().forRange(fnz, par, [&](int k0, int k1, int) {
        for (int k = k0; k < k1; ++k)
            for (int j = 0; j < fny; ++j) {
                const float* in =
                    A + (std::size_t(k) * std::size_t(fny) + std::size_t(j)) * std::size_t(cnx);
                float* out = x + fs.at(0, j, k);
                if (!tx.coarsened) {
                    for (int i = 0; i < fnx; ++i) out[i] += in[i];
                    continue;
                }
                prolongRow(tx, in, out, fnx);
            }
    });
}

void Multigrid::vcycle(std::size_t l) {
    Level& lv = levels_[l];
    if (l + 1 == levels_.size()) {
        solveCoarsest();
        return;
    }
    for (int s = 0; s < sweeps_; ++s) smooth(lv, 0, s == 0, s + 1 == sweeps_);
    restrictTo(lv, levels_[l + 1]);
    vcycle(l + 1);
    prolongAdd(levels_[l + 1], lv);
    for (int s = 0; s < sweeps_; ++s) smooth(lv, 1, false, false);
}

void Multigrid::apply() {
    // Ghosts of the right-hand side are never read by the stencil, but keep x's ghosts at zero.
    vcycle(0);
}

} // namespace zolter
