#include "hydration/HeatCurve.h"

#include <algorithm>
#include <cmath>

// glibc's vector math library (libmvec) evaluates exp and log two or four lanes at a time (expf
// and logf four or eight); declaring them so lets the batch loops below use it. The hottest loops
// are also compiled for AVX2 with FMA beside plain x86-64, and the loader picks the one the
// processor runs.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
extern "C" {
__attribute__((simd("notinbranch"))) double exp(double) noexcept;
__attribute__((simd("notinbranch"))) double log(double) noexcept;
__attribute__((simd("notinbranch"))) float expf(float) noexcept;
__attribute__((simd("notinbranch"))) float logf(float) noexcept;
}
#define VARDEX_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define VARDEX_VECTOR_CLONES
#endif

namespace vardex {

namespace {

constexpr double kKelvin = 273.15;

// alpha = exp(-(tau / t)^beta) as exp(-exp(beta ln(tau / t))): 0 at t = 0, 1 at infinity. In
// single precision: the heat of a step is the difference of two stored values, so their
// rounding never adds up over the steps.
VARDEX_VECTOR_CLONES void abtCurve(const double* __restrict age, double* __restrict out,
                                   std::size_t n, double scale, double beta, double tau) {
    const float b = float(beta), t = float(tau);
#pragma omp simd
    for (std::size_t i = 0; i < n; ++i)
        out[i] = scale * double(expf(-expf(b * logf(t / float(age[i])))));
}

// F = 1 / (1 + (b / te)^n) with te = P1 t: 0 at t = 0, 1 at infinity.
VARDEX_VECTOR_CLONES void tmodelCurve(const double* __restrict age, double* __restrict out,
                                      std::size_t n, double scale, double p1, double b,
                                      double exponent) {
#pragma omp simd
    for (std::size_t i = 0; i < n; ++i)
        out[i] = scale / (1.0 + std::exp(exponent * std::log(b / (p1 * age[i]))));
}

VARDEX_VECTOR_CLONES void arrheniusRow(double q, double inverseReference,
                                       const double* __restrict t, double* __restrict out,
                                       std::size_t n) {
#pragma omp simd
    for (std::size_t i = 0; i < n; ++i) {
        // max(T + 273.15, 1) without a branch, which would keep the loop from vectorising.
        const double k = t[i] + kKelvin;
        const double kelvin = 0.5 * (k + 1.0 + std::fabs(k - 1.0));
        // The exponent at most 80, which a float holds: e^80 is fast enough for any clock.
        const double x = -q * (1.0 / kelvin - inverseReference);
        out[i] = double(expf(float(0.5 * (x + 80.0 - std::fabs(x - 80.0)))));
    }
}

} // namespace

double interpolate(const CurvePoints& points, double t, double empty) {
    if (points.empty()) return empty;
    if (t <= points.front().first) return points.front().second;
    for (std::size_t i = 1; i < points.size(); ++i) {
        const auto& [t1, v1] = points[i];
        if (t <= t1) {
            const auto& [t0, v0] = points[i - 1];
            if (t1 <= t0) return v1;
            return v0 + (v1 - v0) * (t - t0) / (t1 - t0);
        }
    }
    return points.back().second;
}

HeatCurve::HeatCurve(const HeatCurveParameters& parameters) : p_(parameters) {
    using Kind = HeatCurveParameters::Kind;
    if (p_.kind == Kind::Series) {
        // Series values are kJ per kg of concrete.
        scale_ = 1000.0 * p_.density;
        return;
    }
    scale_ = 1000.0 * p_.heat * p_.density;
    if (p_.kind == Kind::TModel) {
        // Log-logistic curve in the scaled age te = P1 * t: F = te^n / (te^n + b^n), n = P3. Its
        // rate dF/dte peaks at te = b ((n - 1) / (n + 1))^(1/n); b is chosen to put that at P2.
        const double n = p_.p[2];
        if (n > 1.0) {
            tmodelB_ = p_.p[1] * std::pow((n + 1.0) / (n - 1.0), 1.0 / n);
        } else {
            tmodelB_ = p_.p[1];
            halfHeatAtP2_ = true;
        }
    }
}

double HeatCurve::cumulative(double age) const {
    if (!(age > 0.0)) return 0.0;
    switch (p_.kind) {
    case HeatCurveParameters::Kind::Series:
        return scale_ * interpolate(p_.series, age, 0.0);
    case HeatCurveParameters::Kind::Abt: {
        // alpha(t) = alpha_u exp(-(tau / t)^beta)
        const double alpha = p_.p[0] * std::exp(-std::pow(p_.p[2] / age, p_.p[1]));
        return scale_ * alpha;
    }
    case HeatCurveParameters::Kind::TModel: {
        const double te = p_.p[0] * age;
        const double ratio = std::pow(tmodelB_ / te, p_.p[2]);
        return scale_ / (1.0 + ratio);
    }
    }
    return 0.0;
}

void HeatCurve::cumulative(const double* age, double* out, std::size_t n) const {
    switch (p_.kind) {
    case HeatCurveParameters::Kind::Series:
        for (std::size_t i = 0; i < n; ++i) out[i] = cumulative(age[i]);
        return;
    case HeatCurveParameters::Kind::Abt:
        abtCurve(age, out, n, scale_ * p_.p[0], p_.p[1], p_.p[2]);
        return;
    case HeatCurveParameters::Kind::TModel:
        tmodelCurve(age, out, n, scale_, p_.p[0], tmodelB_, p_.p[2]);
        return;
    }
}

void arrheniusFactors(double activationEnergy, double referenceC, const double* temperatureC,
                      double* out, std::size_t n) {
    arrheniusRow(activationEnergy / kGasConstant, 1.0 / (referenceC + kKelvin), temperatureC, out,
                 n);
}

double arrheniusFactor(double activationEnergy, double referenceC, double temperatureC) {
    return std::exp(-(activationEnergy / kGasConstant) *
                    (1.0 / (temperatureC + kKelvin) - 1.0 / (referenceC + kKelvin)));
}

} // namespace vardex
