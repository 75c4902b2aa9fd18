#include "TempFileText.h"

#include "text/PrintForm.h"

namespace zolter {

namespace {

using vardex::printForm;
using vardex::PrintLine;

std::string flag(bool b) {
    return b ? "True" : "False";
}

std::string joined(const std::vector<int>& v, std::size_t from, std::size_t count) {
    std::string s;
    for (std::size_t i = 0; i < count; ++i) {
        if (i) s += ',';
        s += vardex::plainDigits(std::int64_t(v[from + i]));
    }
    return s;
}

} // namespace

std::string tempFileText(const SolverInput& in) {
    std::string t;
    auto line = [&](const std::string& s) { t += s + vardex::kLineEnd; };
    auto key = [&](const char* k, const std::string& v) { line(PrintLine(k).zone(v).str()); };
    auto num = [&](const char* k, double v) { key(k, printForm(v)); };
    const std::string marker = " ";

    key("MyName=", "tempfile.1");
    key("Revised ", "2026-12-06 12:00:00");
    line("From:");
    key("modelfile=", in.modelFile);
    key("submodelname=", in.submodelName);
    line(marker);
    line("[times]");
    line(PrintLine()
             .zone(printForm(float(in.times.theta)))
             .zone(printForm(in.times.start))
             .zone(printForm(in.times.end))
             .zone(printForm(in.times.dtmax))
             .zone(printForm(in.times.errmax))
             .zone(printForm(in.times.itmax))
             .str());
    line(marker);
    line("[parameters]");
    num("nx=", in.nx);
    num("ny=", in.ny);
    num("nz=", in.nz);
    num("dx=", in.dx);
    num("dy=", in.dy);
    num("dz=", in.dz);
    line("format=" + (in.format.empty() ? std::string("concentric") : in.format));
    line(marker);
    line(marker);
    line(marker);
    line("[hydration]");
    const Hydration& h = in.hydration;
    key("TimeseriesFile=", h.seriesFile);
    key("TimeseriesFlag=", flag(h.seriesFlag));
    key("ABtFlag=", flag(h.abtFlag));
    num("ConcreteRho=", h.concreteRho);
    num("Placement=", h.placement);
    num("Qcementitious=", h.qCementitious);
    num("sourceP1=", h.p[0]);
    num("sourceP2=", h.p[1]);
    num("sourceP3=", h.p[2]);
    line(marker);
    num("seriespoints=", double(h.points.size()));
    for (const auto& [time, v] : h.points)
        line(PrintLine().zone(printForm(time)).zone(printForm(v)).str());
    line(marker);
    if (h.equivalentAge) {
        line("EquivalentAge=True");
        num("ActivationEnergy=", h.activationEnergy);
        num("ReferenceTemperature=", h.referenceTemperature);
    }
    line("[End Sources]");
    line(marker);
    line(marker);
    line("[Boundaries]");
    line(in.faces);
    line(marker);
    num("materialboundaries=", double(in.boundaries.size()));
    line(marker);
    for (std::size_t b = 0; b < in.boundaries.size(); ++b) {
        const BoundaryRecord& r = in.boundaries[b];
        key("[boundary]      ", printForm(int(b + 1)));
        key("Dirichlet=", flag(r.dirichlet));
        num("materialnumber=", r.material);
        key("materialname=", r.name);
        num("materialdensity=", r.density);
        key("timeseriesFile=", r.seriesFile);
        num("initTemp=", r.initTemp);
        num("TSpoints=", double(r.points.size()));
        for (const auto& [time, v] : r.points)
            line(PrintLine().zone(printForm(time)).zone(printForm(v)).str());
        if (r.convection) {
            key("Convection=", flag(true));
            num("FacePoints=", double(r.faceRows.size()));
            for (const FaceCoefficients& row : r.faceRows) {
                PrintLine l;
                l.zone(printForm(row.time));
                for (double u : row.u) l.zone(printForm(u));
                line(l.str());
            }
        }
        line(marker);
    }
    line("[End Boundaries]");
    line(marker);
    line(marker);
    line("[Files]");
    line(marker);
    key("OutputDirectory=", in.outputDirectory);
    key("output=", in.output);
    num("sectionfiles=", double(in.sections.size()));
    line(" ");
    line("[submodel]");
    line(joined(in.zoneSection, 0, in.zoneSection.size()));
    line("");
    line("[Sectiongeometry]");
    line(" ");
    for (const std::vector<int>& s : in.sections) {
        line("");
        line("[section]");
        for (int j = 0; j < in.ny; ++j)
            line(joined(s, std::size_t(j) * std::size_t(in.nx), std::size_t(in.nx)));
    }
    line(marker);
    line("");
    line("[Materials]");
    num("materials=", double(in.materials.size()));
    for (std::size_t k = 0; k < in.materials.size(); ++k) {
        const Material& m = in.materials[k];
        line("");
        line("[material]   " + vardex::plainDigits(std::int64_t(k + 1)));
        key("material name=", m.name);
        key("thermal conductivity=", printForm(float(m.conductivity)));
        key("specific heat=", printForm(float(m.specificHeat)));
        key("density=", printForm(float(m.density)));
        key("heat production=", printForm(float(m.heatProduction)));
    }
    return t;
}

} // namespace zolter
