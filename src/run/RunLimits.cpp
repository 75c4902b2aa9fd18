#include "run/RunLimits.h"

#include <vector>

#include "text/PhysicalLimits.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

namespace lim = limits;

// The first problem found: once there is one, later checks leave it as it is.
class FirstProblem {
  public:
    void check(const std::string& what, double value, const lim::Range& range) {
        if (text_.empty()) text_ = lim::outsideRange(what, value, range);
    }
    void add(const std::string& problem) {
        if (text_.empty()) text_ = problem;
    }
    const std::string& text() const { return text_; }

  private:
    std::string text_;
};

std::string convectionProblem(const std::string& who, const CBoundarytype& b) {
    if (!b.flagConvection) return "";
    if (b.flagDirichlet) return who + " is both a held temperature and convection";
    if (b.facePoints.empty()) return who + ": convection without face coefficients";
    FirstProblem problem;
    for (std::size_t r = 0; r < b.facePoints.size(); ++r) {
        const FaceCoefficients& row = b.facePoints[r];
        const std::string change = who + ": face coefficients " + plainDigits(int(r) + 1);
        problem.check(change + ", their time", row.time, lim::kTime);
        for (int f = 0; f < 6; ++f)
            problem.check(change + ", U" + plainDigits(f + 1), row.U[std::size_t(f)],
                          lim::kHeatTransfer);
    }
    return problem.text();
}

} // namespace

std::string heatSourceProblem(const Csourceheat& src) {
    FirstProblem problem;
    if (src.equivalentAge) {
        problem.check("the activation energy of the heat source", src.activationEnergy,
                      lim::kActivationEnergy);
        problem.check("the reference temperature of the heat source", src.referenceTemp,
                      lim::kReferenceTemperature);
    }
    problem.check("the concrete density of the heat source", src.concreteDensity, lim::kDensity);
    if (src.timeSeriesFlag) {
        for (int k = 1; k <= src.numberOfPoints; ++k) {
            const std::string point = "point " + plainDigits(k) + " of the heat-source series";
            problem.check(point + ", its age", src.g_tsTime(k), lim::kTime);
            problem.check(point + ", its cumulative heat", src.g_tsHeat(k), lim::kHydrationHeat);
        }
        return problem.text();
    }
    problem.check("the heat of hydration", src.heat, lim::kHydrationHeat);
    for (int k = 1; k <= 3; ++k)
        problem.check("the heat-source parameter P" + plainDigits(k), src.g_sParam(k),
                      lim::kSourceParameter);
    return problem.text();
}

std::string runLimitProblem(const Cexec& e, const KeyedList<Csubmodel>& submodels) {
    FirstProblem problem;
    problem.add(lim::timesProblem(e.starttime, e.endtime, e.dtmax));
    // The solver takes a non-positive errmax as its default.
    if (e.errmax > 0) problem.check("errmax", e.errmax, lim::kErrmax);
    problem.check("the placement temperature", e.Src.placementTemp, lim::kTemperature);

    const int masters = static_cast<int>(e.MstrMatlx.size());
    std::vector<bool> used(static_cast<std::size_t>(masters) + 1, false);
    for (const std::int16_t type : e.chunkTypes) {
        if (type < 1 || type > submodels.count()) continue;
        const Csubmodel& s = *submodels.item(type);
        const std::string who = "sub-model " + s.smodname + ": the cell size ";
        const std::pair<const char*, float> sizes[] = {{"dx", s.dx}, {"dy", s.dy}, {"dz", s.dz}};
        for (const auto& [axis, size] : sizes) problem.check(who + axis, size, lim::kCellSize);
        for (int z = 1; z <= s.nz; ++z)
            for (int j = 1; j <= s.ny; ++j)
                for (int i = 1; i <= s.nx; ++i) {
                    const int m = s.getvalarray(s.G_secnumber(z), i, j);
                    if (m >= 1 && m <= masters) used[static_cast<std::size_t>(m)] = true;
                }
    }
    bool heatProduced = false;
    for (int m = 1; m <= masters; ++m) {
        if (!used[static_cast<std::size_t>(m)]) continue;
        problem.add(lim::materialProblem("material " + plainDigits(m) + " (" +
                                             e.MstrMatlx[static_cast<std::size_t>(m - 1)] + ")",
                                         e.masterConductivity(m), e.masterSpecificHeat(m),
                                         e.masterDensity(m), e.masterHeat(m)));
        heatProduced = heatProduced || e.masterHeat(m) > 0;
    }
    for (const auto& b : e.Boundx) {
        const std::string who = "the boundary condition of " + b->matlName;
        problem.check(who + ": the initial temperature", b->initValue, lim::kTemperature);
        for (int k = 1; k <= b->bndyTSpoints; ++k) {
            const std::string point = who + ": point " + plainDigits(k) + " of the series";
            problem.check(point + ", its time", b->g_tsTime(k), lim::kTime);
            problem.check(point + ", its temperature", b->g_tsTemp(k), lim::kTemperature);
        }
        problem.add(convectionProblem(who, *b));
    }
    if (heatProduced) problem.add(heatSourceProblem(e.Src));
    return problem.text();
}

} // namespace vardex
