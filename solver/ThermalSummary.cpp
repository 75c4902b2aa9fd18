#include "ThermalSummary.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "OutputText.h"

namespace zolter {
namespace {

// 1-based column, row and zone of cell c.
void appendCell(std::string& out, std::int64_t c, const int n[3]) {
    if (c < 0) {
        out += ",0,0,0";
        return;
    }
    const std::int64_t i = c % n[0], j = (c / n[0]) % n[1], k = c / (std::int64_t(n[0]) * n[1]);
    out += ',' + std::to_string(i + 1) + ',' + std::to_string(j + 1) + ',' + std::to_string(k + 1);
}

// The temperature as the files write it, five decimals, read back: equal texts give equal values,
// and no temperature, however large, overflows it.
double writtenValue(double v) {
    std::string text;
    appendFixed(text, v);
    double written = v;
    std::from_chars(text.data(), text.data() + text.size(), written);
    return written;
}

} // namespace

ThermalSummary::ThermalSummary(const SolverInput& in)
    : n_{in.nx, in.ny, in.nz}, h_{in.dx, in.dy, in.dz}, faces_(in.faces),
      boundaries_(in.boundaries), recordOf_(in.recordOfMaterial()) {
    const std::int64_t cells = std::int64_t(in.nx) * in.ny * in.nz;
    concrete_.assign(std::size_t(cells), 0);
    material_.assign(std::size_t(cells), 0);
    std::size_t c = 0;
    for (int k = 0; k < in.nz; ++k)
        for (int j = 0; j < in.ny; ++j)
            for (int i = 0; i < in.nx; ++i, ++c) {
                const int m = in.materialAt(i, j, k);
                material_[c] = m >= 1 && std::size_t(m) <= in.materials.size() ? m : 0;
                concrete_[c] =
                    material_[c] > 0 && in.materials[std::size_t(m - 1)].heatProduction > 0;
            }
    findSurface(in.times.start);
}

std::vector<std::size_t> ThermalSummary::rowsAt(double t) const {
    std::vector<std::size_t> rows;
    for (const BoundaryRecord& r : boundaries_) rows.push_back(r.convection ? r.rowAt(t) : 0);
    return rows;
}

void ThermalSummary::findSurface(double t) {
    rows_ = rowsAt(t);
    const std::int64_t cells = std::int64_t(n_[0]) * n_[1] * n_[2];
    const std::int64_t stride[3] = {1, n_[0], std::int64_t(n_[0]) * n_[1]};
    const double* h = h_;
    const std::vector<char>& concrete = concrete_;
    // Faces in direction order: x- is face 2, x+ face 4, y- face 1, y+ face 3, z- face 5, z+
    // face 6.
    const int faceOf[3][2] = {{2, 4}, {1, 3}, {5, 6}};
    // As the solver treats faces: a "D" face holds the cells whose material's record is held, and
    // passes heat from those whose record is convective while that face's U is above 0.
    auto open = [&](int d, int side, int material) {
        const std::size_t f = std::size_t(faceOf[d][side] - 1);
        const int r = recordOf_[std::size_t(material)];
        if (f >= faces_.size() || faces_[f] != 'D' || r < 0) return false;
        const BoundaryRecord& rec = boundaries_[std::size_t(r)];
        return rec.dirichlet || (rec.convection && rec.coefficient(int(f), t) > 0.0);
    };

    // A concrete cell is on the surface when a neighbour is not concrete or when it touches a
    // held or convective face; insulated grid faces are symmetry planes or joins to the next
    // chunk.
    std::vector<char> surface(std::size_t(cells), 0);
    for (std::int64_t c = 0; c < cells; ++c) {
        if (!concrete[std::size_t(c)]) continue;
        const std::int64_t idx[3] = {c % n_[0], (c / n_[0]) % n_[1], c / stride[2]};
        bool onSurface = false;
        for (int d = 0; d < 3 && !onSurface; ++d) {
            const int m = material_[std::size_t(c)];
            if (idx[d] == 0 ? open(d, 0, m) : !concrete[std::size_t(c - stride[d])])
                onSurface = true;
            if (idx[d] == n_[d] - 1 ? open(d, 1, m) : !concrete[std::size_t(c + stride[d])])
                onSurface = true;
        }
        surface[std::size_t(c)] = onSurface;
    }

    // Nearest surface along the three grid lines through each concrete cell: walking from a
    // concrete cell along a line stays in concrete until it meets a surface cell, so one sweep
    // each way along every line finds it.
    std::vector<std::int32_t> link(std::size_t(cells), kNoSurface);
    std::vector<double> distance(std::size_t(cells), std::numeric_limits<double>::infinity());
    for (int d = 0; d < 3; ++d) {
        const int a = (d + 1) % 3, b = (d + 2) % 3;
        for (int ib = 0; ib < n_[b]; ++ib)
            for (int ia = 0; ia < n_[a]; ++ia) {
                const std::int64_t start = ia * stride[a] + ib * stride[b];
                for (int dir = 0; dir < 2; ++dir) {
                    std::int64_t last = -1;
                    int lastAt = 0;
                    for (int s = 0; s < n_[d]; ++s) {
                        const int t = dir == 0 ? s : n_[d] - 1 - s;
                        const std::int64_t c = start + t * stride[d];
                        if (!concrete[std::size_t(c)]) {
                            last = -1;
                            continue;
                        }
                        if (surface[std::size_t(c)]) {
                            last = c;
                            lastAt = t;
                        }
                        if (last < 0) continue;
                        const double dist = std::abs(t - lastAt) * h[d];
                        if (dist < distance[std::size_t(c)]) {
                            distance[std::size_t(c)] = dist;
                            link[std::size_t(c)] = std::int32_t(lastAt - t) * 4 + d;
                        }
                    }
                }
            }
    }
    link_ = std::move(link);
    anySurface_ = false;
    for (std::int32_t l : link_) anySurface_ = anySurface_ || l != kNoSurface;
}

std::int64_t ThermalSummary::nearestSurface(std::size_t c) const {
    const std::int32_t link = link_[c];
    if (link == kNoSurface) return -1;
    const std::int64_t stride[3] = {1, n_[0], std::int64_t(n_[0]) * n_[1]};
    return std::int64_t(c) + std::int64_t(link >> 2) * stride[link & 3];
}

void ThermalSummary::record(double time, const std::vector<double>& field) {
    record(time, field.data(), {1, n_[0], std::ptrdiff_t(n_[0]) * n_[1]});
}

void ThermalSummary::record(double time, const double* first,
                            const std::array<std::ptrdiff_t, 3>& stride) {
    if (rowsAt(time) != rows_) findSurface(time);
    // The hottest cell is the first, in file order, of those whose written temperature is the
    // highest, so equally hot cells are named the same way whatever the round-off below the last
    // written digit. Only a value above the edge of the best written value so far can beat it.
    std::int64_t hottest = -1, core = -1;
    double hottestWritten = 0.0;
    double highest = -std::numeric_limits<double>::infinity(), largest = 0.0;
    double edge = -std::numeric_limits<double>::infinity();
    std::size_t c = 0;
    for (int k = 0; k < n_[2]; ++k)
        for (int j = 0; j < n_[1]; ++j) {
            const double* row = first + j * stride[1] + k * stride[2];
            const std::size_t rowStart = c;
            double rowHighest = -std::numeric_limits<double>::infinity();
#pragma omp simd reduction(max : rowHighest)
            for (int i = 0; i < n_[0]; ++i) rowHighest = std::max(rowHighest, row[i * stride[0]]);
            if (rowHighest > edge) {
                for (int i = 0; i < n_[0]; ++i) {
                    const double v = row[i * stride[0]];
                    if (!(v > edge)) continue;
                    const double written = writtenValue(v);
                    if (hottest < 0 || written > hottestWritten) {
                        hottest = std::int64_t(rowStart) + i;
                        hottestWritten = written;
                        highest = v;
                        edge = written + 0.5e-5 - 1e-8;
                    }
                }
            }
            c += std::size_t(n_[0]);
            if (!anySurface_) continue;
            for (int i = 0; i < n_[0]; ++i) {
                const std::int32_t link = link_[rowStart + std::size_t(i)];
                if (link == kNoSurface) continue;
                const double* at = row + i * stride[0];
                const double difference = std::abs(*at - at[(link >> 2) * stride[link & 3]]);
                if (difference > largest) {
                    largest = difference;
                    core = std::int64_t(rowStart) + i;
                }
            }
        }
    appendShortest(lines_, time);
    lines_ += ',';
    appendFixed(lines_, highest);
    appendCell(lines_, hottest, n_);
    lines_ += ',';
    appendFixed(lines_, largest);
    appendCell(lines_, core, n_);
    appendCell(lines_, core < 0 ? -1 : nearestSurface(std::size_t(core)), n_);
    lines_ += "\r\n";
    ++timePoints_;
}

std::string ThermalSummary::text() const {
    return std::to_string(timePoints_) + "\r\n" + lines_;
}

} // namespace zolter
