#pragma once
// Small solver inputs for the tests.

#include <string>
#include <vector>

#include "SolverInput.h"

namespace zolter::test {

// An insulated block of one material; every cell starts at `start`.
inline SolverInput block(int nx, int ny, int nz, double h, const Material& m, double start = 20.0) {
    SolverInput in;
    in.modelFile = "/models/shaft.mod";
    in.submodelName = "test";
    in.times = {0.63, 0.0, 10.0, 1.0, 1e-9, 60};
    in.nx = nx;
    in.ny = ny;
    in.nz = nz;
    in.dx = in.dy = in.dz = h;
    in.format = "rectangular";
    in.hydration.placement = start;
    in.faces = "IIIIII";
    in.output = "out/shaft.1.out";
    in.zoneSection.assign(std::size_t(nz), 1);
    in.sections.push_back(std::vector<int>(std::size_t(nx) * std::size_t(ny), 1));
    in.materials.push_back(m);
    return in;
}

inline Material concrete(double heat = 0.0) {
    return {"concrete", 2.0, 0.87, 2300.0, heat};
}

// A held-temperature record for material m.
inline BoundaryRecord held(int m, double initTemp, SeriesPoints points = {}) {
    BoundaryRecord r;
    r.dirichlet = true;
    r.material = m;
    r.name = "m" + std::to_string(m);
    r.initTemp = initTemp;
    r.points = std::move(points);
    return r;
}

// A convective record for material m at an ambient series, with rows of face coefficients.
inline BoundaryRecord convective(int m, double initTemp, std::vector<FaceCoefficients> rows,
                                 SeriesPoints points = {}) {
    BoundaryRecord r = held(m, initTemp, std::move(points));
    r.dirichlet = false;
    r.convection = true;
    r.faceRows = std::move(rows);
    return r;
}

// A small heated chunk of concrete on soil, the soil held at a falling series: a run as the
// program writes one, solved in a moment.
inline SolverInput smallChunk() {
    SolverInput in = block(4, 3, 2, 0.1, concrete(1.0), 25.0);
    in.materials.push_back({"soil", 1.2, 0.8, 1800.0, 0.0});
    in.sections.push_back({2, 2, 2, 2, 1, 1, 1, 1, 2, 2, 2, 2});
    in.zoneSection = {1, 2};
    in.faces = "DIDIDN";
    in.boundaries = {held(2, 12.0, {{0.0, 12.0}, {6.0, 0.0}})};
    in.times = {0.63, 0.0, 6.0, 2.5, 0.003, 23};
    in.output = "out/sub/shaft.1.out";
    return in;
}

// The a b t source of the insulated-block example, aged by its own temperature.
inline void insulatedBlockSource(Hydration& h) {
    h.abtFlag = true;
    h.p = {0.742, 1.065, 17.483};
    h.qCementitious = 84.198;
    h.equivalentAge = true;
    h.activationEnergy = 33826;
    h.referenceTemperature = 21.1;
}

} // namespace zolter::test
