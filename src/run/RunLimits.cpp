#include "run/RunLimits.h"

#include <vector>

#include "text/PhysicalLimits.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

std::string heatSourceProblem(const Csourceheat& src) {
    namespace lim = limits;
    if (src.equivalentAge) {
        if (std::string p = lim::outsideRange("the activation energy of the heat source",
                                              src.activationEnergy, lim::kActivationEnergy);
            !p.empty())
            return p;
        if (std::string p = lim::outsideRange("the reference temperature of the heat source",
                                              src.referenceTemp, lim::kReferenceTemperature);
            !p.empty())
            return p;
    }
    if (std::string p = lim::outsideRange("the concrete density of the heat source",
                                          src.concreteDensity, lim::kDensity);
        !p.empty())
        return p;
    if (src.timeSeriesFlag) {
        for (int k = 1; k <= src.numberOfPoints; ++k) {
            const std::string point = "point " + plainDigits(k) + " of the heat-source series";
            if (std::string p = lim::outsideRange(point + ", its age", src.g_tsTime(k), lim::kTime);
                !p.empty())
                return p;
            if (std::string p = lim::outsideRange(point + ", its cumulative heat", src.g_tsHeat(k),
                                                  lim::kHydrationHeat);
                !p.empty())
                return p;
        }
        return "";
    }
    if (std::string p = lim::outsideRange("the heat of hydration", src.heat, lim::kHydrationHeat);
        !p.empty())
        return p;
    for (int k = 1; k <= 3; ++k)
        if (std::string p = lim::outsideRange("the heat-source parameter P" + plainDigits(k),
                                              src.g_sParam(k), lim::kSourceParameter);
            !p.empty())
            return p;
    return "";
}

std::string convectionProblem(const std::string& who, const CBoundarytype& b) {
    namespace lim = limits;
    if (!b.flagConvection) return "";
    if (b.flagDirichlet) return who + " is both a held temperature and convection";
    if (b.facePoints.empty()) return who + ": convection without face coefficients";
    for (std::size_t r = 0; r < b.facePoints.size(); ++r) {
        const FaceCoefficients& row = b.facePoints[r];
        const std::string change = who + ": face coefficients " + plainDigits(int(r) + 1);
        if (std::string p = lim::outsideRange(change + ", their time", row.time, lim::kTime);
            !p.empty())
            return p;
        for (int f = 0; f < 6; ++f)
            if (std::string p = lim::outsideRange(change + ", U" + plainDigits(f + 1),
                                                  row.U[std::size_t(f)], lim::kHeatTransfer);
                !p.empty())
                return p;
    }
    return "";
}

} // namespace

std::string runLimitProblem(const Cexec& e, const KeyedList<Csubmodel>& submodels) {
    namespace lim = limits;
    if (std::string p = lim::timesProblem(e.starttime, e.endtime, e.dtmax); !p.empty()) return p;
    // The solver takes a non-positive errmax as its default.
    if (e.errmax > 0)
        if (std::string p = lim::outsideRange("errmax", e.errmax, lim::kErrmax); !p.empty())
            return p;
    if (std::string p =
            lim::outsideRange("the placement temperature", e.Src.placementTemp, lim::kTemperature);
        !p.empty())
        return p;

    const int masters = static_cast<int>(e.MstrMatlx.size());
    std::vector<bool> used(static_cast<std::size_t>(masters) + 1, false);
    for (const std::int16_t type : e.chunkTypes) {
        if (type < 1 || type > submodels.count()) continue;
        const Csubmodel& s = *submodels.item(type);
        const std::string who = "sub-model " + s.smodname + ": the cell size ";
        const std::pair<const char*, float> sizes[] = {{"dx", s.dx}, {"dy", s.dy}, {"dz", s.dz}};
        for (const auto& [axis, size] : sizes)
            if (std::string p = lim::outsideRange(who + axis, size, lim::kCellSize); !p.empty())
                return p;
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
        if (std::string p =
                lim::materialProblem("material " + plainDigits(m) + " (" +
                                         e.MstrMatlx[static_cast<std::size_t>(m - 1)] + ")",
                                     e.masterConductivity(m), e.masterSpecificHeat(m),
                                     e.masterDensity(m), e.masterHeat(m));
            !p.empty())
            return p;
        heatProduced = heatProduced || e.masterHeat(m) > 0;
    }
    for (const auto& b : e.Boundx) {
        const std::string who = "the boundary condition of " + b->matlName;
        if (std::string p = lim::outsideRange(who + ": the initial temperature", b->initValue,
                                              lim::kTemperature);
            !p.empty())
            return p;
        for (int k = 1; k <= b->bndyTSpoints; ++k) {
            const std::string point = who + ": point " + plainDigits(k) + " of the series";
            if (std::string p = lim::outsideRange(point + ", its time", b->g_tsTime(k), lim::kTime);
                !p.empty())
                return p;
            if (std::string p = lim::outsideRange(point + ", its temperature", b->g_tsTemp(k),
                                                  lim::kTemperature);
                !p.empty())
                return p;
        }
        if (std::string p = convectionProblem(who, *b); !p.empty()) return p;
    }
    return heatProduced ? heatSourceProblem(e.Src) : "";
}

} // namespace vardex
