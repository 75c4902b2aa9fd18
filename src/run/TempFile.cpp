// The files written from the run set-up: the solver's input for one chunk and the exec file.

#include <stdexcept>

#include "run/Cexec.h"
#include "section/Cgeom.h"
#include "submodel/Csubmodel.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

// The material numbers of row j of palette section s, joined by commas.
std::string gridRow(const Csubmodel& type, int s, int j) {
    std::string row;
    for (int i = 1; i <= type.nx; ++i) {
        if (i > 1) row += ",";
        row += plainDigits(type.getvalarray(s, i, j));
    }
    return row;
}

} // namespace

void Cexec::write_Runfile(const std::string& path) {
    std::vector<std::string> lines;
    for (const auto& type : app_.submodelList)
        for (int s = 1; s <= type->palette.count(); ++s) {
            lines.push_back("");
            lines.push_back("[section]");
            for (int j = 1; j <= type->ny; ++j) lines.push_back(gridRow(*type, s, j));
        }
    lines.push_back("");
    lines.push_back("[Materials]");
    for (std::size_t k = 1; k <= MstrMatlx.size(); ++k)
        lines.push_back(printForm(static_cast<int>(k)) + "  " + MstrMatlx[k - 1]);
    writeLines(path, lines);
    app_.config.DataPath = app_.fs.absolutePath(path);
}

void Cexec::write_Tempfile(int type, const std::string& path, int run,
                           const std::string& outputFile) {
    runName = app_.fs.baseName(modelfile);
    if (path.empty()) return;
    const Csubmodel& S = *app_.submodelList.item(type);
    const int sections = S.palette.count();
    const std::string marker = app_.runMarker;

    std::vector<std::string> lines{
        PrintLine("MyName=").zone(path).str(),
        PrintLine("Revised ").zone(currentDateTimeText()).str(),
        "From:",
        PrintLine("modelfile=").zone(trim(app_.fs.absolutePath(modelfile))).str(),
        PrintLine("submodelname=").zone(trim(app_.currentSubmodelName)).str(),
        marker,
        "[times]",
        PrintLine(printForm(alpha))
            .zoneValue(starttime)
            .zoneValue(endtime)
            .zoneValue(dtmax)
            .zoneValue(errmax)
            .zoneValue(itmax)
            .str(),
        marker,
        "[parameters]",
        PrintLine("nx=").zoneValue(S.nx).str(),
        PrintLine("ny=").zoneValue(S.ny).str(),
        PrintLine("nz=").zoneValue(S.nz).str(),
        PrintLine("dx=").zoneValue(S.dx).str(),
        PrintLine("dy=").zoneValue(S.dy).str(),
        PrintLine("dz=").zoneValue(S.dz).str(),
        concentric ? "format=concentric" : "format=rectangular",
        marker,
        marker,
        marker,
        "[hydration]",
        PrintLine("TimeseriesFile=").zone(Src.timeSeriesFile).str(),
        PrintLine("TimeseriesFlag=").zoneValue(Src.timeSeriesFlag).str(),
        PrintLine("ABtFlag=").zoneValue(Src.abtFlag).str(),
        PrintLine("ConcreteRho=").zoneValue(Src.concreteDensity).str(),
        PrintLine("Placement=").zoneValue(Src.placementTemp).str(),
        PrintLine("Qcementitious=").zoneValue(Src.heat).str(),
        PrintLine("sourceP1=").zoneValue(Src.g_sParam(1)).str(),
        PrintLine("sourceP2=").zoneValue(Src.g_sParam(2)).str(),
        PrintLine("sourceP3=").zoneValue(Src.g_sParam(3)).str(),
        marker,
    };
    const int points = Src.timeSeriesFlag ? Src.numberOfPoints : 0;
    lines.push_back(PrintLine("seriespoints=").zoneValue(static_cast<std::int16_t>(points)).str());
    for (int i = 1; i <= points; ++i)
        lines.push_back(PrintLine(printForm(Src.g_tsTime(i))).zoneValue(Src.g_tsHeat(i)).str());
    lines.push_back(marker);
    if (Src.equivalentAge) {
        lines.push_back(PrintLine("EquivalentAge=").zoneValue(true).str());
        lines.push_back(PrintLine("ActivationEnergy=").zoneValue(Src.activationEnergy).str());
        lines.push_back(PrintLine("ReferenceTemperature=").zoneValue(Src.referenceTemp).str());
    }
    lines.insert(lines.end(), {"[End Sources]", marker, marker, "[Boundaries]"});
    std::string faces;
    for (const std::string& letter : faceFlags_) faces += letter;
    lines.push_back(faces);
    lines.push_back(marker);
    lines.push_back(
        PrintLine("materialboundaries=").zoneValue(static_cast<int>(Boundx.size())).str());
    lines.push_back(marker);
    int b = 0;
    for (const auto& boundary : Boundx) {
        lines.push_back(PrintLine("[boundary]      ").zoneValue(++b).str());
        lines.push_back(PrintLine("Dirichlet=").zoneValue(boundary->flagDirichlet).str());
        lines.push_back(PrintLine("materialnumber=").zoneValue(boundary->matlNumber).str());
        lines.push_back(PrintLine("materialname=").zone(boundary->matlName).str());
        lines.push_back(PrintLine("materialdensity=").zoneValue(boundary->matlRho).str());
        lines.push_back(PrintLine("timeseriesFile=").zone(boundary->bndyTSfile).str());
        lines.push_back(PrintLine("initTemp=").zoneValue(boundary->initValue).str());
        lines.push_back(PrintLine("TSpoints=").zoneValue(boundary->bndyTSpoints).str());
        for (int j = 1; j <= boundary->bndyTSpoints; ++j)
            lines.push_back(
                PrintLine(printForm(boundary->g_tsTime(j))).zoneValue(boundary->g_tsTemp(j)).str());
        if (boundary->flagConvection) {
            lines.push_back(PrintLine("Convection=").zoneValue(true).str());
            const auto rows = static_cast<std::int16_t>(boundary->facePoints.size());
            lines.push_back(PrintLine("FacePoints=").zoneValue(rows).str());
            for (const FaceCoefficients& row : boundary->facePoints) {
                PrintLine rowLine(printForm(row.time));
                for (const float u : row.U) rowLine.zoneValue(u);
                lines.push_back(rowLine.str());
            }
        }
        lines.push_back(marker);
    }
    lines.insert(lines.end(), {"[End Boundaries]", marker, marker, "[Files]", marker});
    const std::string output =
        outputFile.empty()
            ? app_.fs.join(app_.config.OutputDir, trim(runName) + "." + plainDigits(run) + ".out")
            : outputFile;
    lines.push_back(
        PrintLine("OutputDirectory=")
            .zone(outputFile.empty() ? app_.config.OutputDir : app_.fs.parentFolder(outputFile))
            .str());
    lines.push_back(PrintLine("output=").zone(output).str());
    lines.push_back(PrintLine("sectionfiles=").zoneValue(sections).str());
    lines.push_back(" ");
    lines.push_back("[submodel]");
    std::string layers;
    for (int z = 1; z <= S.nz; ++z) layers += (z > 1 ? "," : "") + plainDigits(S.G_secnumber(z));
    lines.push_back(layers);
    lines.push_back("");
    lines.push_back("[Sectiongeometry]");
    lines.push_back(" ");
    for (int s = 1; s <= sections; ++s) {
        lines.push_back("");
        lines.push_back("[section]");
        for (int j = 1; j <= S.ny; ++j) lines.push_back(gridRow(S, s, j));
    }
    lines.insert(lines.end(), {marker, "", "[Materials]"});
    const int masters = static_cast<int>(MstrMatlx.size());
    lines.push_back(PrintLine("materials=").zoneValue(masters).str());
    for (int k = 1; k <= masters; ++k) {
        lines.push_back("");
        lines.push_back("[material]   " + plainDigits(k));
        lines.push_back(PrintLine("material name=").zone(MstrMatlx[k - 1]).str());
        lines.push_back(PrintLine("thermal conductivity=").zoneValue(masterConductivity_[k]).str());
        lines.push_back(PrintLine("specific heat=").zoneValue(masterSpecificHeat_[k]).str());
        lines.push_back(PrintLine("density=").zoneValue(masterDensity_[k]).str());
        lines.push_back(PrintLine("heat production=").zoneValue(masterHeat_[k]).str());
    }
    writeLines(path, lines);
}

} // namespace vardex
