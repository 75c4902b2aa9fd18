#pragma once
// Geometric multigrid on the structured cell-centred grid, used as the preconditioner of the
// conjugate-gradient solve of each time step.
//
// The operator on every level is  A x = (cap * s + gsum) x - sum over faces g x_neighbour,
// a 7-point stencil with face conductances g (W/K), heat capacities cap (J/K) and a shift s
// (1/s) that changes with the step size. Arrays are stored with one ghost layer on each side so
// the stencil needs no bounds tests; ghost conductances are zero.

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Array.h"

namespace zolter {

// Cell counts and cell sizes of one grid level.
struct Shape {
    std::array<int, 3> n{1, 1, 1};
    std::array<double, 3> h{1.0, 1.0, 1.0};

    std::size_t cells() const { return std::size_t(n[0]) * std::size_t(n[1]) * std::size_t(n[2]); }
    // Padded layout: one ghost cell on each side of each direction.
    std::size_t sy() const { return std::size_t(n[0] + 2); }
    std::size_t sz() const { return sy() * std::size_t(n[1] + 2); }
    std::size_t padded() const { return sz() * std::size_t(n[2] + 2); }
    std::size_t at(int i, int j, int k) const {
        return std::size_t(i + 1) + sy() * std::size_t(j + 1) + sz() * std::size_t(k + 1);
    }
};

// Conductances of a grid for building the operator and its coarse levels. Directions 0, 1, 2
// are x, y, z; face f = 2 * direction + side (side 0 at index 0, side 1 at the last index).
struct Conductances {
    Shape shape;
    Array<double> cap; // heat capacity per cell (unpadded, i fastest)
    // Centre-to-face conductance of each cell towards the - and + side of each direction; hp may
    // be left empty when it equals hm.
    std::array<Array<double>, 3> hm, hp;
    // Conductance between each cell and its + neighbour (0 for the last cell of a line).
    std::array<Array<double>, 3> face;
    // Conductance from each boundary cell's centre to the domain face (0 = insulated), indexed
    // by faceIndex.
    std::array<Array<double>, 6> boundary;
};

// Index of a boundary cell on a face normal to the given direction: the two transverse cell
// indices, the lower direction fastest.
inline std::size_t faceIndex(const Shape& s, int direction, int i, int j, int k) {
    switch (direction) {
    case 0:
        return std::size_t(j) + std::size_t(s.n[1]) * std::size_t(k);
    case 1:
        return std::size_t(i) + std::size_t(s.n[0]) * std::size_t(k);
    default:
        return std::size_t(i) + std::size_t(s.n[0]) * std::size_t(j);
    }
}
inline std::size_t faceSize(const Shape& s, int direction) {
    return s.cells() / std::size_t(s.n[direction]);
}

// Face conductance between two cells from their centre-to-face conductances (in series).
inline double series(double a, double b) {
    return a > 0.0 && b > 0.0 ? a * b / (a + b) : 0.0;
}

// A float rounded to its upper 16 bits (bfloat16, 8 significant bits), and back. The smoother
// and the residual of the V-cycle read their coefficients in this form: half the bytes of a
// float, which is what the sweeps are bound by; a preconditioner needs no more precision.
using Coarse16 = std::uint16_t;
inline Coarse16 toCoarse16(float f) {
    std::uint32_t bits = std::bit_cast<std::uint32_t>(f);
    bits += 0x7fffu + ((bits >> 16) & 1u); // to nearest, ties to even
    return Coarse16(bits >> 16);
}
inline float fromCoarse16(Coarse16 h) {
    return std::bit_cast<float>(std::uint32_t(h) << 16);
}

struct Level {
    Shape shape;
    Array<float> gx, gy, gz; // conductance to the + neighbour (padded)
    // The operator the V-cycle smooths, restricts and solves on the coarsest level: the
    // conductances rounded to 16 bits, the sum of those and the boundary conductances, the
    // capacity, cap * s + that sum and its inverse (padded; 1 in ghosts). The diagonal stays a
    // float: with short steps it is nearly the whole operator.
    Array<Coarse16> hx, hy, hz;
    Array<float> gsum, cap, diag, inv;
    Array<float> x, b; // solution and right-hand side (padded)

    // Transfer to the next coarser level, one direction at a time: for every coarse index the
    // fine indices and weights (linear interpolation between cell centres).
    struct Transfer {
        bool coarsened = false;
        bool regular = false;   // coarsened pairwise, even count of at least 4
        std::vector<int> start; // per coarse index, into entries (size nc + 1)
        std::vector<int> fine;  // fine index
        Array<float> weight;
        std::vector<int> pStart; // per fine index, into pCoarse / pWeight (size nf + 1)
        std::vector<int> pCoarse;
        Array<float> pWeight;
    };
    std::array<Transfer, 3> toCoarse;
    Array<float> tmpA, tmpB; // separable transfer scratch
};

class Multigrid {
  public:
    // Builds the hierarchy; the finest level uses the given conductances.
    explicit Multigrid(const Conductances& fine, int smoothingSweeps = 1);

    // Sets the shift s = 1 / (theta * dt) on every level and factors the coarsest level.
    void setShift(double s);
    double shift() const { return shift_; }

    // One V-cycle: solution() = M^-1 rhs(), both padded in the finest layout. Only the interior
    // of rhs() is read; its ghosts may hold anything.
    Array<float>& rhs() { return levels_.front().b; }
    const Array<float>& solution() const { return levels_.front().x; }
    void apply();

    const Level& finest() const { return levels_.front(); }
    std::size_t levelCount() const { return levels_.size(); }
    const Shape& levelShape(std::size_t l) const { return levels_[l].shape; }

  private:
    void vcycle(std::size_t l);
    void smooth(Level& lv, int color, bool first, bool restrictAfter);
    void restrictPlane(Level& fine, int k);
    void restrictTo(Level& fine, Level& coarse);
    void prolongAdd(Level& coarse, Level& fine);
    void solveCoarsest();

    std::vector<Level> levels_;
    int sweeps_;
    double shift_ = 0.0;
    Array<double> chol_; // dense Cholesky factor of the coarsest level
    Array<double> work_;
};

// Builds a level's stencil arrays from conductances.
void fillLevel(const Conductances& c, Level& lv);
// Conductances of the next coarser grid; returns false when no direction can be coarsened.
bool coarsen(const Conductances& fine, Conductances& coarse, std::array<bool, 3>& which);

} // namespace zolter
