// The execution window's run set-up as a whole: saved to a set-up file, opened again, and applied
// as the set-up windows would settle it.

#include "exec/frmRun.h"
#include "submodel/Csubmodel.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
RunSetup frmRun::currentSetup() const {
    const Cexec& e = *exec_;
    RunSetup s;
    s.modelFile = modelPath_;
    s.itmax = e.itmax;
    s.errmax = e.errmax;
    s.dtmax = e.dtmax;
    s.starttime = e.starttime;
    s.endtime = e.endtime;
    s.concentric = e.concentric;
    s.source.timeSeries = e.Src.timeSeriesFlag;
    s.source.abt = e.Src.abtFlag;
    s.source.density = e.Src.concreteDensity;
    s.source.heat = e.Src.heat;
    s.source.placement = e.Src.placementTemp;
    s.source.start = e.Src.sourceStartTime;
    for (int k = 0; k < 3; ++k) s.source.params[std::size_t(k)] = e.Src.g_sParam(k + 1);
    s.source.seriesFile = e.Src.timeSeriesFile;
    s.source.equivalentAge = e.Src.equivalentAge;
    s.source.activationEnergy = e.Src.activationEnergy;
    s.source.referenceTemp = e.Src.referenceTemp;
    for (const auto& b : e.Boundx)
        s.boundaries.push_back({b->matlName, b->flagDirichlet, b->initValue, b->bndyTSfile,
                                b->flagConvection, b->facePoints});
    // Coordinates are kept in metres; the units are how the window shows them.
    s.feet = rec_.usUnits;
    for (const RecordingPoint& p : rec_.points) s.points.push_back(p.xyz);
    s.limits = limits;
    return s;
}

bool frmRun::applySetup(const RunSetup& s) {
    auto refuse = [&](const std::string& why) {
        app_.dialogs.inform("The run set-up cannot be used:" + std::string(kNewLine) + why,
                            runCaptions::kMessageTitle);
        load();
        return false;
    };
    if (!openModelPath(s.modelFile)) return refuse("its model could not be opened: " + s.modelFile);
    Cexec& e = *exec_;
    e.itmax = s.itmax;
    e.errmax = s.errmax;
    e.dtmax = s.dtmax;
    e.starttime = s.starttime;
    e.endtime = s.endtime;
    e.concentric = s.concentric;

    // The heat source, with the heat-source window's closing checks.
    Csourceheat& src = e.Src;
    src.timeSeriesFlag = s.source.timeSeries;
    src.abtFlag = s.source.abt && !s.source.timeSeries;
    src.concreteDensity = s.source.density;
    src.heat = s.source.heat;
    src.placementTemp = s.source.placement;
    e.placementTemp = s.source.placement;
    src.sourceStartTime = s.source.start;
    for (int k = 0; k < 3; ++k) src.l_SParam(k + 1, s.source.params[std::size_t(k)]);
    src.timeSeriesFile = s.source.seriesFile;
    e.LsourceTSfile(s.source.seriesFile);
    src.equivalentAge = s.source.equivalentAge;
    src.activationEnergy = s.source.activationEnergy;
    src.referenceTemp = s.source.referenceTemp;
    if (src.timeSeriesFlag) {
        if (!src.read_sourceTS(app_)) return refuse("its heat series could not be read.");
    } else if (s.source.params[0] * s.source.params[1] * s.source.params[2] * src.heat *
                   src.concreteDensity ==
               0) {
        return refuse("a heat-source parameter is 0.");
    }
    if (src.placementTemp == 0) return refuse("the placement temperature is 0.");
    src.readyFlag = true;

    // Every boundary material the model has must be settled by the set-up.
    for (std::size_t i = 0; i < e.Boundx.size(); ++i) {
        CBoundarytype& record = *e.Boundx[i];
        const BoundarySetup* saved = nullptr;
        for (const BoundarySetup& b : s.boundaries)
            if (b.material == record.matlName) saved = &b;
        if (!saved) return refuse("it has no boundary condition for " + record.matlName + ".");
        record.flagDirichlet = saved->dirichlet;
        record.flagConvection = saved->convection && !saved->dirichlet;
        record.facePoints = record.flagConvection ? saved->faces : std::vector<FaceCoefficients>{};
        if (record.flagConvection && record.facePoints.empty())
            return refuse("the convection of " + record.matlName + " has no face coefficients.");
        record.initValue = saved->initTemp;
        record.bndyTSfile = saved->seriesFile;
        if ((saved->dirichlet || record.flagConvection) && !saved->seriesFile.empty()) {
            if (i < 5) e.LbndyTSfile(static_cast<int>(i + 1), saved->seriesFile);
            record.loaded = false;
            record.read_bndyTS(app_, e.starttime, e.endtime);
            if (!record.loaded)
                return refuse("the series of " + record.matlName + " is unreadable.");
        }
        record.flagReady = true;
    }
    e.flagBndy = true;

    rec_ = {};
    rec_.usUnits = s.feet;
    for (const auto& xyz : s.points) rec_.points.push_back({xyz, 0});
    if (rec_.count() >= 1) recordingPointStep();
    limits = s.limits;

    state_.txtP[0] = strForm(static_cast<double>(e.itmax));
    state_.txtP[1] = strForm(e.errmax);
    state_.txtP[2] = strForm(e.dtmax);
    state_.txtP[3] = strForm(e.starttime);
    state_.txtP[4] = strForm(e.endtime);
    state_.txtP[5] = strForm(static_cast<double>(rec_.count()));

    e.alignChkBounds();
    e.flagReady = true;
    e.runName = app_.fs.baseName(e.modelfile);
    enableItem("mnuModSpecs", true);
    enableItem("mnuExecute", true);
    enableItem("mnuMakeRunfile", true);
    enableItem("mnuSaveSetup", true);
    changed();
    return true;
}

void frmRun::saveSetup() {
    if (!exec_->flagReady) return;
    const std::string base = app_.fs.baseName(modelPath_);
    const std::string path = app_.dialogs.saveFile(
        {kRunSetupFilter, app_.config.UserDir, base.empty() ? "run" : base + ".vrs", ""});
    if (path.empty()) return;
    try {
        writeRunSetup(path, currentSetup());
    } catch (const std::exception&) {
        app_.dialogs.inform("The run set-up could not be written:" + std::string(kNewLine) + path,
                            runCaptions::kMessageTitle);
    }
}

void frmRun::openSetup() {
    if (runOutstanding()) return;
    const std::string path = app_.dialogs.openFile({kRunSetupFilter, app_.config.UserDir, "", ""});
    if (!path.empty()) openSetupFile(path);
}

bool frmRun::openSetupFile(const std::string& path) {
    if (runOutstanding()) return false;
    RunSetup setup;
    try {
        setup = readRunSetup(path);
    } catch (const std::exception& e) {
        // Nothing read replaces what the window holds.
        app_.dialogs.inform("a bad file to read" + std::string(kNewLine) + path + kNewLine +
                                e.what(),
                            runCaptions::kMessageTitle);
        return false;
    }
    load();
    return applySetup(setup);
}

std::vector<std::string> frmRun::summaryFiles() const {
    std::vector<std::string> files;
    for (int c = 1; c <= chunkCount_; ++c) files.push_back(chunkSummaryName(c));
    return files;
}

std::vector<HistorySource> frmRun::historySources() const {
    std::vector<HistorySource> sources;
    double base = 0;
    for (int c = 1; c <= chunkCount_; ++c) {
        const Csubmodel& s = *app_.submodelList.item(chunkType_[std::size_t(c - 1)]);
        HistorySource source{c, chunkHistoryName(c), {}};
        // The solver records the centre cell ((n + 1) \ 2 along each axis), then the points.
        auto centre = [](int n, double d) { return ((n + 1) / 2 - 0.5) * d; };
        source.labels.push_back(pointLabel(c, "centre", centre(s.nx, s.dx), centre(s.ny, s.dy),
                                           base + centre(s.nz, s.dz)));
        for (int p = 1; p <= rec_.count(); ++p) {
            const RecordingPoint& point = rec_.points[std::size_t(p - 1)];
            if (point.chunk == c)
                source.labels.push_back(pointLabel(c, "point " + plainDigits(p), point.xyz[0],
                                                   point.xyz[1], point.xyz[2]));
        }
        sources.push_back(source);
        base += s.length();
    }
    return sources;
}

} // namespace vardex
