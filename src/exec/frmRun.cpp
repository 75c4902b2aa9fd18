#include "exec/frmRun.h"

#include <cmath>
#include <stdexcept>

#include "app/Filters.h"
#include "app/Help.h"
#include "app/StartupCheck.h"
#include "exec/RunProgress.h"
#include "exec/RunResults.h"
#include "run/RunLimits.h"
#include "run/SolverLaunchFiles.h"
#include "run/frmConds.h"
#include "run/frmRecs.h"
#include "run/frmSource.h"
#include "submodel/ProfileFile.h"
#include "text/KeyReader.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

// The progress bar's steps over the whole run.
constexpr int kBarSteps = 1000;

std::vector<MenuState> runMenus() {
    return {
        {"mnuFile",
         "&File",
         true,
         {{"mnuOpenModel", "Open &Model"},
          {"mnuMakeRunfile", "&Make Run file"},
          {"mnuOpenRun", "Open &Run file", false},
          {"mnuSaveSetup", "&Save run set-up", false},
          {"mnuOpenSetup", "Open run set-&up"}}},
        {"mnuModel",
         "&Model",
         true,
         {{"mnuSource", "&Concrete source"},
          {"mnuModSpecs", "&Model Specifications"},
          {"mnuExecute", "&Execute model"}}},
        {"mnuDisplay",
         "&Display model",
         false,
         {{"mnuModelDisplay", "&Model", false},
          {"mnuHistories", "Temperature &histories", false},
          {"mnuLimits", "Thermal &limits", false}}},
        // Soundings need no run: the menu is there from the start (a run disables it while the
        // solver works), or a user could never reach them.
        {"mnuData",
         "&Data",
         true,
         {{"mnuOpensounding", "&Acquire sounding"},
          {"mnuTEST", "&TEST rotations"},
          {"mnudisplaysounding", "&Display sounding"}}},
        {"mnuExit", "&Exit", true, {}},
        helpMenu(),
    };
}

// Print form without its trailing blank.
std::string shown(double value) {
    return trimRight(printForm(value));
}
std::string shown(int value) {
    return trimRight(printForm(value));
}

} // namespace

frmRun::frmRun(AppState& app, ProgramStarter& starter, Timer& timer)
    : app_(app), starter_(starter), timer_(timer) {
    state_.menus = runMenus();
    timer_.onTick([this] { timerTick(); });
}

frmRun::~frmRun() {
    timer_.setEnabled(false);
    timer_.onTick(nullptr);
}

void frmRun::changed() {
    if (onChanged) onChanged();
}

void frmRun::enableItem(const std::string& name, bool enabled) {
    if (MenuItemState* item = findMenuItem(state_.menus, name)) item->enabled = enabled;
}

void frmRun::enableMenu(const std::string& name, bool enabled) {
    if (MenuState* menu = findMenu(state_.menus, name)) menu->enabled = enabled;
}

bool frmRun::itemUsable(const std::string& name) const {
    const MenuItemState* item = nullptr;
    for (const MenuState& menu : state_.menus)
        for (const MenuItemState& i : menu.items)
            if (i.name == name && menu.enabled) item = &i;
    if (!item || !item->enabled) return false;
    if (name == "mnuModelDisplay") return static_cast<bool>(showModelDisplay);
    if (name == "mnuOpensounding") return static_cast<bool>(acquireSounding);
    if (name == "mnuTEST") return static_cast<bool>(testRotations);
    if (name == "mnudisplaysounding") return static_cast<bool>(displaySounding);
    if (name == "mnuHistories") return static_cast<bool>(showHistories);
    if (name == "mnuLimits") return static_cast<bool>(showLimits);
    return true;
}

std::string frmRun::itemTip(const std::string& name) const {
    if (name == "mnuModelDisplay" && !showModelDisplay)
        return "Comes with the temperature display.";
    const bool resultItem =
        name == "mnuModelDisplay" || name == "mnuHistories" || name == "mnuLimits";
    if (resultItem && !resultsFound_)
        return resultsWhy_.empty() ? "Comes with the run's results." : resultsWhy_;
    if ((name == "mnuHistories" && !showHistories) || (name == "mnuLimits" && !showLimits))
        return "Comes with the run's results.";
    if ((name == "mnuOpensounding" && !acquireSounding) || (name == "mnuTEST" && !testRotations) ||
        (name == "mnudisplaysounding" && !displaySounding))
        return "Comes with the soundings.";
    return {};
}

std::int16_t frmRun::g_ChunkNum(int chunk) const {
    if (chunk < 1 || chunk > 100) throw std::out_of_range("Subscript out of range");
    return chunk <= static_cast<int>(chunkType_.size()) ? chunkType_[chunk - 1] : 0;
}

void frmRun::load() {
    viewMode_.clear();
    exec_ = std::make_unique<Cexec>(app_);
    app_.clearModelLists();
    app_.clearPaletteList();
    loading_ = true;
    rec_ = {};
    // The fill step: a fresh window starts with 22 iterations.
    exec_->itmax = 22;
    state_.txtP[3] = plainDigits(exec_->starttime);
    state_.txtP[4] = plainDigits(exec_->endtime);
    state_.txtP[0] = plainDigits(static_cast<int>(exec_->itmax));
    state_.txtP[1] = plainDigits(exec_->errmax);
    state_.txtP[2] = plainDigits(exec_->dtmax);
    state_.txtP[5] = "0";
    state_.txtModfile.clear();
    state_.txtmodelName.clear();
    for (const char* item : {"mnuExecute", "mnuSource", "mnuModSpecs", "mnuMakeRunfile"})
        enableItem(item, false);
    enableMenu("mnuDisplay", false);
    showResults(false, {});
    exec_->concentric = true;
    state_.barVisible = false;
    loading_ = false;
    viewMode_.clear();
    changed();
}

bool frmRun::align() {
    const bool alreadyAligned = exec_->g_TxFlag();
    const AlignResult result = exec_->alignSubMods();
    if (result == AlignResult::Stop) {
        app_.clearModelLists();
        closeWindow();
        return false;
    }
    // The boundary search, which runs with a first alignment only, makes the set-up available.
    if (result == AlignResult::Done && !alreadyAligned) enableMenu("mnuModel", true);
    if (alreadyAligned && !findMenu(state_.menus, "mnuModel")->enabled)
        state_.status = "This window has set up a model already; open it again for another.";
    return result == AlignResult::Done;
}

void frmRun::openModel() {
    if (runOutstanding()) return;
    std::string path = app_.dialogs.openFile({filters::kModel, app_.config.UserDir, "", ""});
    if (path.empty()) return;
    openModelPath(path);
    if (!state_.closed) changed();
}

bool frmRun::openModelFile(const std::string& path) {
    if (runOutstanding()) return false;
    const std::string model = app_.fs.absolutePath(path);
    // The same model set up here already keeps its set-up, read again over the model's types
    // (whoever opened it cleared the shared lists the set-up was aligned to).
    if (exec_->flagReady && model == app_.fs.absolutePath(modelPath_)) {
        const RunSetup setup = currentSetup();
        load();
        return applySetup(setup);
    }
    load();
    const bool opened = openModelPath(model);
    if (!state_.closed) changed();
    return opened;
}

bool frmRun::openModelPath(const std::string& path) {
    if (!read_modfile(path)) return false;
    modelPath_ = path;
    app_.model.modelFileName = path;
    enableMenu("mnuModel", false);
    const bool aligned = align();
    if (state_.closed) return false;
    enableItem("mnuSource", true);
    enableItem("mnuModSpecs", false);
    exec_->flagReady = false;
    exec_->flagBndy = false;
    discoverResults();
    return aligned;
}

void frmRun::discoverResults() {
    const std::string runName = app_.fs.baseName(modelPath_);
    const FoundResults found =
        findRunResults(app_.fs, app_.fs.currentFolder(), runName, chunkCount_, modelPath_);
    if (found.complete) exec_->runName = runName;
    showResults(found.complete, found.why);
}

void frmRun::showResults(bool found, const std::string& why) {
    resultsFound_ = found;
    resultsWhy_ = why;
    for (const char* item : {"mnuModelDisplay", "mnuHistories", "mnuLimits"})
        enableItem(item, found);
}

bool frmRun::read_modfile(const std::string& path) {
    auto bad = [&] {
        app_.dialogs.inform(std::string("a bad file to read") + kNewLine + path);
        return false;
    };
    if (path.empty()) return bad();
    std::string name;
    std::vector<std::int16_t> chunks;
    std::vector<std::shared_ptr<Csubmodel>> types;
    std::array<float, kMaxRunTypes> lengths{};
    try {
        KeyReader file(path);
        name = file.getkeystring("odelname=");
        const int typeCount = toInt16(file.getkeyvalue("elfiles="));
        const int count = toInt16(file.getkeyvalue("submodels="));
        if (count < 1 || count > 100 || typeCount < 1 || typeCount > kMaxRunTypes) return bad();
        file.findline("[submodelprofiles]");
        std::vector<double> row;
        file.getrow(count, row);
        for (int c = 1; c <= count; ++c) {
            const std::int16_t type = toInt16(row[c]);
            if (type < 1 || type > typeCount) return bad();
            chunks.push_back(type);
        }
        for (int t = 1; t <= typeCount; ++t) {
            file.findline("model]");
            const std::string profile = file.getkeystring("file=");
            if (!app_.fs.fileExists(profile)) {
                app_.dialogs.inform("File not found: " + profile);
                return bad();
            }
            ProfileSectionChoices choices;
            ProfileRead read = readProfile(app_, profile, "name=", &choices);
            app_.currentSubmodelName = read.header.name;
            const Csubmodel& type = *read.record;
            if (static_cast<double>(type.nx) * type.ny * type.nz * type.dx * type.dy * type.dz <= 0)
                app_.dialogs.inform("Big Trouble reading");
            if (read.sectionsRead < type.scount)
                app_.dialogs.inform("PROBLEM: submodel file=" + profile);
            lengths[t - 1] = type.length();
            types.push_back(read.record);
        }
    } catch (const std::exception&) {
        return bad();
    }

    // The whole model was read: it replaces the one shown.
    app_.clearPaletteList();
    app_.clearSubmodelList();
    for (const auto& type : types) appendSubmodel(app_, type);
    state_.txtModfile = path;
    exec_->modelfile = path;
    modelName_ = name;
    state_.txtmodelName = name;
    app_.model.modelName = name;
    chunkCount_ = static_cast<int>(chunks.size());
    app_.model.chunkCount = static_cast<std::int16_t>(chunkCount_);
    chunkType_ = chunks;
    exec_->chunkTypes = chunks;
    app_.chunkList = chunks;
    typeLengths_ = lengths;
    if (app_.config.testing) {
        const Csubmodel& last = *types.back();
        app_.dialogs.inform(plainDigits(static_cast<int>(types.size())) + " leaving smod loop " +
                            plainDigits(static_cast<int>(last.scount)) + " " + last.smodname);
    }
    enableItem("mnuExecute", false);
    enableItem("mnuOpenRun", false);
    enableItem("mnuModSpecs", true);
    enableItem("mnuSource", true);
    enableMenu("mnuDisplay", true);
    viewMode_ = "Ready";
    app_.config.UserDir = app_.fs.parentFolder(app_.fs.absolutePath(path));
    app_.config.write_startup();
    return true;
}

void frmRun::concreteSource() {
    if (runOutstanding()) return;
    if (!exec_->g_TxFlag() && !align()) {
        changed();
        return;
    }
    {
        frmSource window(app_, *exec_, viewMode_);
        window.load();
        if (showSource) showSource(window);
        window.close();
    }
    const bool sourceReady = exec_->Src.readyFlag;
    if (!exec_->flagReady && exec_->flagBndy && sourceReady) {
        exec_->alignChkBounds();
        exec_->flagReady = true;
        enableItem("mnuExecute", true);
    }
    if (sourceReady) enableItem("mnuModSpecs", true);
    // A source left in error is not ready to run, whatever was set up before.
    if (!sourceReady) exec_->flagReady = false;
    if (!exec_->flagBndy || !sourceReady) enableItem("mnuExecute", false);
    enableItem("mnuMakeRunfile", exec_->flagReady);
    enableItem("mnuSaveSetup", exec_->flagReady);
    changed();
}

void frmRun::modelSpecifications() {
    if (runOutstanding()) return;
    if (!exec_->g_TxFlag()) {
        if (!align()) {
            changed();
            return;
        }
        app_.dialogs.inform(" alignments have not been done yet??");
    }
    enableItem("mnuExecute", false);
    {
        frmConds window(app_, *exec_);
        window.load();
        if (showConds) showConds(window);
        window.close();
    }
    if (exec_->flagBndy && exec_->Src.readyFlag) {
        exec_->alignChkBounds();
        exec_->flagReady = true;
    } else {
        // Unsettled boundaries are not ready to run, whatever was set up before.
        exec_->flagReady = false;
    }
    if (exec_->flagReady) {
        enableItem("mnuExecute", true);
        exec_->runName = app_.fs.baseName(exec_->modelfile);
    }
    enableItem("mnuMakeRunfile", exec_->flagReady);
    enableItem("mnuSaveSetup", exec_->flagReady);
    changed();
}

void frmRun::makeRunFile() {
    if (!exec_->flagReady) return;
    std::string path = app_.dialogs.saveFile(
        {filters::kExec, app_.config.UserDir, app_.fs.join(app_.config.UserDir, "project"), ""});
    if (path.empty()) return;
    try {
        exec_->write_Runfile(path);
    } catch (const std::exception&) {
        app_.dialogs.inform("The exec file could not be written:" + std::string(kNewLine) + path,
                            runCaptions::kMessageTitle);
    }
    changed();
}

void frmRun::openRunFile() {
    if (runOutstanding()) return;
    std::string path = app_.dialogs.openFile({runCaptions::kRunFilter, "", "", ""});
    if (path.empty()) return;
    exec_->execfile = path;
    exec_->read_exec();
    enableItem("mnuSource", true);
    enableItem("mnuExecute", true);
    changed();
}

void frmRun::parameterClicked(int box) {
    if (box < 0 || box > 5) throw std::out_of_range("Subscript out of range");
    askParameter(box);
}

void frmRun::parameterTyped(int box, const std::string& text) {
    if (box < 0 || box > 5) throw std::out_of_range("Subscript out of range");
    if (loading_) return;
    state_.txtP[box] = text;
    askParameter(box);
}

void frmRun::askParameter(int box) {
    if (loading_) return;
    loading_ = true;
    Cexec& e = *exec_;
    if (box <= 4) {
        const std::string answer = app_.dialogs.input(runCaptions::kParameterLabels[box],
                                                      "Enter Parameter Value", state_.txtP[box]);
        // Neither a number answered nor a number in the box: the value stays as it was.
        std::string text = isTypedNumber(answer) ? answer : state_.txtP[box];
        const bool numeric = isTypedNumber(text);
        const double value = numeric ? typedNumber(text) : 0.0;
        if (box == 0) {
            try {
                if (numeric) e.itmax = toInt16(value);
            } catch (const ReadError&) {
            }
            state_.txtP[0] = shown(static_cast<int>(e.itmax));
        } else {
            double* const fields[] = {&e.errmax, &e.dtmax, &e.starttime, &e.endtime};
            double& field = *fields[box - 1];
            if (numeric) field = value;
            state_.txtP[box] = shown(field);
        }
    } else {
        if (leadingNumber(state_.txtP[5]) <= 0) rec_.points.clear();
        {
            frmRecs window(app_, rec_);
            window.load();
            if (showRecs) showRecs(window);
            window.close();
        }
        if (rec_.count() >= 1) recordingPointStep();
        state_.txtP[5] = shown(rec_.count());
    }
    loading_ = false;
    changed();
}

void frmRun::recordingPointStep() {
    // Without a model the points wait; they are placed at Execute.
    if (chunkCount_ < 1 || app_.submodelList.empty()) return;
    std::vector<const Csubmodel*> chunks;
    for (std::int16_t type : chunkType_) chunks.push_back(app_.submodelList.item(type).get());
    assignRecordingChunks(rec_, chunks);
}

std::string frmRun::chunkText() const {
    return "chunk " + plainDigits(runIndex_) + " of " + plainDigits(chunkCount_);
}

std::string frmRun::startProblem() const {
    const Cstartup& c = app_.config;
    const std::string solver = c.testing ? app_.fs.join(app_.fs.join(c.homeDir, "program"),
                                                        "zolter" + FileSystem::executableSuffix())
                                         : trim(c.ProgramPath);
    // The batch file names the run's own files relative to the solver's folder; only the
    // solver's path comes from outside.
    if (std::string problem = batchPathProblem(solver); !problem.empty()) return problem;
    if (!app_.fs.fileExists(solver)) return missingSolverMessage(solver);
    return runNameProblem(exec_->runName);
}

void frmRun::refuse(const std::string& reason) {
    outcome_ = RunOutcome::Refused;
    failure_ = reason;
    app_.dialogs.inform(reason, runCaptions::kMessageTitle);
    changed();
}

void frmRun::execute() {
    if (!exec_->flagReady || runOutstanding()) return;
    if (chunkCount_ < 1 || chunkCount_ > kMaxRunChunks) return;
    exec_->runName = app_.fs.baseName(exec_->modelfile);
    if (std::string problem = startProblem(); !problem.empty()) return refuse(problem);
    try {
        files_ = std::make_unique<RunFiles>(
            app_.fs, RunPlaces{app_.fs.currentFolder(), app_.config.OutputDir, app_.config.TempDir},
            exec_->runName, chunkCount_);
    } catch (const std::exception& e) {
        return refuse(std::string("The run cannot start: ") + e.what());
    }
    if (const std::string problem = runLimitProblem(*exec_, app_.submodelList); !problem.empty()) {
        app_.dialogs.inform("The run cannot start: " + problem + ".", runCaptions::kMessageTitle);
        changed();
        return;
    }
    // The model may have changed since the points were entered.
    if (rec_.count() >= 1) {
        recordingPointStep();
        state_.txtP[5] = shown(rec_.count());
    }
    runIndex_ = 1;
    warnings_.clear();
    failure_.clear();
    // The earlier results went with the run's start.
    showResults(false, "The run is under way.");
    enableMenu("mnuData", false);
    solverCommand_ = solverCommand(app_.fs, app_.config);
    enableItem("mnuExecute", false);
    if (!startChunk()) return;
    timer_.setInterval(runTimerPeriod(*app_.submodelList.item(chunkType_[0]), exec_->dtmax,
                                      exec_->starttime, exec_->endtime));
    timer_.setEnabled(true);
    state_.barVisible = true;
    state_.barMin = 0;
    state_.barMax = kBarSteps;
    state_.barValue = 0;
    app_.config.DataPath = files_->result(chunkLogName(1));
    app_.config.write_startup();
    changed();
}

bool frmRun::startChunk() {
    const int type = chunkType_[runIndex_ - 1];
    exec_->putBounds(runIndex_);
    sentinelFile_ = runIndex_ == 1 ? runCaptions::kFirstMarker : app_.fs.uniqueTempName();
    try {
        files_->prepareChunk();
        const std::string tempFile = files_->tempFile(runIndex_);
        exec_->write_Tempfile(type, tempFile, runIndex_, files_->fieldFile());
        writeRecordingIndexFile(app_.fs, files_->recordingIndexFile(),
                                chunkZoneIndices(rec_, runIndex_, *app_.submodelList.item(type)));
        writeBatchFile(files_->batchFile(),
                       solverCommandLine(solverCommand_,
                                         RunFiles::fromSolver(RunFiles::tempFileName(runIndex_)),
                                         RunFiles::fromSolver(chunkLogName(runIndex_)),
                                         RunFiles::fromSolver(sentinelFile_)));
    } catch (const std::exception& e) {
        runFailed(std::string("its input could not be written (") + e.what() + ")");
        return false;
    }
    program_ = starter_.startBatch(files_->batchFile(), files_->solverFolder());
    const ProgramStatus status = program_->status();
    if (status.state == ProgramStatus::State::NotStarted) {
        runFailed("the solver " + status.describe());
        return false;
    }
    // The chunk's end is taken up at once, not at the next tick.
    program_->whenEnded([this] { timerTick(); });
    state_.status = chunkText();
    outcome_ = RunOutcome::Running;
    return true;
}

void frmRun::timerTick() {
    if (!program_) return;
    // The solver writes its marker last, so an ended process without a marker failed.
    const ProgramStatus status = program_->status();
    if (app_.fs.fileExists(files_->inScratch(sentinelFile_))) return chunkEnded();
    if (!status.running()) return runFailed(endedWithoutResult(status));
    showProgress();
    changed();
}

void frmRun::chunkEnded() {
    timer_.setEnabled(false);
    const MarkerVerdict verdict = readMarker(files_->inScratch(sentinelFile_));
    program_.reset();
    if (!verdict.ok) return runFailed(verdict.reason);
    try {
        files_->collect(runIndex_);
    } catch (const std::exception& e) {
        return runFailed(std::string("its results could not be collected: ") + e.what());
    }
    const std::string log = files_->result(chunkLogName(runIndex_));
    for (const std::string& w : verdict.warnings)
        warnings_.push_back(chunkText() + ": " + w + " (its log: " + log + ")");
    if (onChunkDone) onChunkDone(runIndex_);
    if (runIndex_ == chunkCount_) return runCompleted();
    ++runIndex_;
    if (!startChunk()) return;
    timer_.setEnabled(true);
    // The finished chunks show at once: a chunk can end long before the next tick.
    showProgress();
    changed();
}

std::string frmRun::endedWithoutResult(const ProgramStatus& status) const {
    std::string reason = "it ended without reporting a result (" + status.describe() + ")";
    if (std::string logged = loggedFailure(files_->logFile(runIndex_)); !logged.empty())
        return reason + ": " + logged;
    // A marker is the smallest of files: a disk that cannot take it is the likeliest cause.
    constexpr std::uintmax_t kFullDisk = 64 * 1024;
    const std::optional<std::uintmax_t> space = app_.fs.freeSpace(files_->scratch());
    if (space && *space < kFullDisk)
        reason += "; the disk holding " + app_.config.TempDir + " is full";
    return reason;
}

void frmRun::showProgress() {
    std::string text = chunkText();
    const std::optional<double> hour = lastSimulatedHour(files_->logFile(runIndex_));
    if (hour)
        text += "  -  simulated hour " + plainDigits(*hour) + " of " + plainDigits(exec_->endtime);
    state_.status = text;
    const double done = runFraction(runIndex_, chunkCount_, hour, exec_->starttime, exec_->endtime);
    state_.barValue = static_cast<int>(std::lround(done * kBarSteps));
}

void frmRun::runEnded() {
    timer_.setEnabled(false);
    program_.reset();
    files_.reset();
    state_.barVisible = false;
    // The chunks it finished stay on disk, but are not shown as the model's results.
    resultsWhy_ = "The last run ended on " + chunkText() + " before its results were complete.";
    enableItem("mnuExecute", exec_ && exec_->flagReady);
    enableMenu("mnuData", true);
}

void frmRun::runFailed(const std::string& reason) {
    outcome_ = RunOutcome::Failed;
    failure_ = chunkText() + ": " + reason;
    program_.reset();
    const std::string log = files_ ? files_->keepLog(runIndex_) : std::string();
    runEnded();
    state_.status = chunkText() + " failed";
    std::string text = "The solver stopped on " + chunkText() + ":" + kNewLine + reason;
    if (!log.empty()) text += std::string(kNewLine) + "Its log: " + log;
    app_.dialogs.inform(text, runCaptions::kMessageTitle);
    changed();
}

void frmRun::runCompleted() {
    runEnded();
    state_.barValue = state_.barMax;
    state_.status = "Completed " + plainDigits(chunkCount_) + " of " + plainDigits(chunkCount_);
    if (!warnings_.empty()) state_.status += ", with warnings";
    viewMode_ = "model";
    outcome_ = RunOutcome::Completed;
    showResults(true, {});
    // The window shows the finished run behind the message.
    changed();
    // A chunk whose heat balance or temperatures failed their check still completed; the user
    // reads why beside the completion.
    std::string text = "Completed all " + shown(chunkCount_) + " sub-models included.";
    for (const std::string& w : warnings_) text += std::string(kNewLine) + "WARNING: " + w;
    app_.dialogs.inform(text, runCaptions::kMessageTitle);
    // The two figures a pour is judged by, at once.
    if (showLimits) showLimits();
}

void frmRun::stop(const std::string& why) {
    if (!runOutstanding()) return;
    program_->stop();
    runEnded();
    outcome_ = RunOutcome::Stopped;
    failure_ = chunkText() + ": " + why;
    state_.status = chunkText() + " stopped";
    changed();
}

void frmRun::stopRun() {
    stop("stopped by the user");
}

bool frmRun::queryClose() {
    if (!runOutstanding()) return true;
    const std::string question =
        "The solver is still running (" + chunkText() + ")." + kNewLine + "Stop it and close?";
    if (!app_.dialogs.askYesNo(question, runCaptions::kMessageTitle)) return false;
    stop("stopped when the window closed");
    return true;
}

void frmRun::closeWindow() {
    app_.clearSubmodelList();
    app_.clearPaletteList();
    state_.closed = true;
    changed();
    if (onClose) onClose();
}

void frmRun::exitWindow() {
    if (!queryClose()) return;
    closeWindow();
}

void frmRun::mnuModelDisplay() {
    if (itemUsable("mnuModelDisplay")) showModelDisplay();
}
void frmRun::mnuOpensounding() {
    if (itemUsable("mnuOpensounding")) acquireSounding();
}
void frmRun::mnuTEST() {
    if (itemUsable("mnuTEST")) testRotations();
}
void frmRun::mnudisplaysounding() {
    if (itemUsable("mnudisplaysounding")) displaySounding();
}
void frmRun::mnuHistories() {
    if (itemUsable("mnuHistories")) showHistories();
}
void frmRun::mnuLimits() {
    if (itemUsable("mnuLimits")) showLimits();
}

} // namespace vardex
