#include "EquivalentAge.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "Parallel.h"

namespace zolter {

EquivalentAge::EquivalentAge(const Hydration& h, const vardex::HeatCurve& curve, const Shape& shape)
    : energy_(h.activationEnergy), reference_(h.referenceTemperature), curve_(curve),
      shape_(shape) {
    age_.assign(shape.padded(), 0.0);
    heat_.assign(shape.padded(), curve.cumulative(0.0));
    ageNext_.assign(shape.padded(), 0.0);
    heatNext_.assign(shape.padded(), 0.0);
    stepHeat_.assign(shape.padded(), 0.0);
}

void EquivalentAge::advance(double dt, const double* T, const float* trend, double ratio,
                            const double* heatW, const float* cap, bool parallel) {
    const Shape& s = shape_;
    const int nx = s.n[0], ny = s.n[1];
    std::array<double, Workers::kMaxThreads> lowPart, highPart;
    lowPart.fill(1e300);
    highPart.fill(-1e300);
    Workers::shared().forRange(s.n[2], parallel, [&](int k0, int k1, int t) {
        const std::size_t n = std::size_t(nx);
        std::vector<double> rate0(n), rate1(n), rate2(n), heat(n);
        double lo = lowPart[std::size_t(t)], hi = highPart[std::size_t(t)];
        for (int k = k0; k < k1; ++k)
            for (int j = 0; j < ny; ++j) {
                const std::size_t row = s.at(0, j, k);
                const double* T0 = T + row;
                const double* a0 = age_.data() + row;
                const double* e0 = heat_.data() + row;
                const double* hw = heatW + row;
                const float* c = cap + row;
                const float* tr = trend + row;
                double* a1 = ageNext_.data() + row;
                double* e1 = heatNext_.data() + row;
                double* q = stepHeat_.data() + row;
                // Kutta's third-order rule on the age: the rate at the start, half-way and at
                // the end of the step, each temperature predicted from the heat the age released
                // so far plus the conduction change of the previous step.
                vardex::arrheniusFactors(energy_, reference_, T0, rate0.data(), n);
                auto stage = [&](double at, auto&& ageOf, std::vector<double>& out) {
                    for (std::size_t i = 0; i < n; ++i) a1[i] = ageOf(i);
                    curve_.cumulative(a1, heat.data(), n);
                    for (std::size_t i = 0; i < n; ++i)
                        heat[i] = T0[i] + hw[i] * (heat[i] - e0[i]) / double(c[i]) +
                                  at * ratio * double(tr[i]);
                    vardex::arrheniusFactors(energy_, reference_, heat.data(), out.data(), n);
                };
                stage(
                    0.5, [&](std::size_t i) { return a0[i] + 0.5 * dt * rate0[i]; }, rate1);
                stage(
                    1.0, [&](std::size_t i) { return a0[i] + dt * (2.0 * rate1[i] - rate0[i]); },
                    rate2);
                for (std::size_t i = 0; i < n; ++i)
                    a1[i] = a0[i] + dt / 6.0 * (rate0[i] + 4.0 * rate1[i] + rate2[i]);
                curve_.cumulative(a1, e1, std::size_t(nx));
                for (int i = 0; i < nx; ++i) {
                    q[i] = hw[i] * (e1[i] - e0[i]);
                    if (hw[i] > 0.0) {
                        lo = std::min(lo, e1[i]);
                        hi = std::max(hi, e1[i]);
                    }
                }
            }
        lowPart[std::size_t(t)] = lo;
        highPart[std::size_t(t)] = hi;
    });
    lowest_ = *std::min_element(lowPart.begin(), lowPart.end());
    highest_ = *std::max_element(highPart.begin(), highPart.end());
}

void EquivalentAge::accept() {
    std::swap(age_, ageNext_);
    std::swap(heat_, heatNext_);
}

} // namespace zolter
