#pragma once
// An execution window over a home folder whose name holds blanks and non-ASCII letters, with a
// two-chunk model of two sub-model types ready to open, the process's current folder in the home.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <thread>

#include "exec/HeadlessRun.h"
#include "exec/frmRun.h"
#include "platform/PosixProgramStarter.h"
#include "run/frmConds.h"
#include "run/frmRecs.h"
#include "run/frmSource.h"
#include "support/CurrentFolder.h"
#include "support/Doubles.h"
#include "support/ProfileText.h"
#include "support/ScriptedDialogs.h"
#include "support/SectionFiles.h"
#include "support/TempDir.h"

namespace vardex::testing {

// Records each command file as it is started, then starts it with the real starter.
class InspectingStarter : public ProgramStarter {
  public:
    explicit InspectingStarter(ProgramStarter& inner) : inner_(inner) {}
    std::vector<std::string> batchTexts;
    std::unique_ptr<StartedProgram> startBatch(const std::string& batchFile,
                                               const std::string& workingFolder) override {
        batchTexts.push_back(readFile(batchFile));
        return inner_.startBatch(batchFile, workingFolder);
    }

  private:
    ProgramStarter& inner_;
};

struct RunHome {
    TempDir root;
    std::string home;
    explicit RunHome(const std::string& name) : home(root.file(name)) {
        for (const char* folder : {"data", "Temp", "Output", "program"})
            std::filesystem::create_directories(std::filesystem::path(home) / folder);
    }
    std::string file(const std::string& name) const { return home + "/" + name; }
    std::string data(const std::string& name) const { return home + "/data/" + name; }
};

// Two types under one master list (Soil, Concrete): a base of 2 zones and a column of 3, each
// 0.5 m thick, so the chunks span 0..1 m and 1..2.5 m; also a soil temperature series. Returns
// the model file's path.
inline std::string writeTowerModel(AppState& app, const RunHome& h) {
    const std::vector<MaterialContent> materials{{"Soil", 1.5f, 1.1f, 1800.0f, 0.0f},
                                                 {"Concrete", 2.6f, 0.92f, 2350.0f, 1.0f}};
    writeSectionFile(
        app, h.data("base.sec"),
        {"base", 4, 3, 0.5f, 0.5f, {{1, 1, 1, 1}, {1, 2, 2, 1}, {1, 1, 1, 1}}, materials});
    writeSectionFile(
        app, h.data("column.sec"),
        {"column", 4, 3, 0.5f, 0.5f, {{1, 2, 2, 1}, {1, 2, 2, 1}, {1, 2, 2, 1}}, materials});
    auto profile = [&](const std::string& name, const std::string& title, int nz,
                       const std::string& section) {
        ProfileContent content;
        content.name = title;
        content.nz = nz;
        content.nx = 4;
        content.ny = 3;
        content.dz = " .5 ";
        content.layers.assign(nz, 1);
        content.sections = {{section, 12500670}};
        std::ofstream(h.data(name), std::ios::binary) << profileText(h.data(name), content);
    };
    profile("base.prf", "Base", 2, h.data("base.sec"));
    profile("column.prf", "Column", 3, h.data("column.sec"));
    const std::string modelFile = h.data("tower.mod");
    std::ofstream(modelFile, std::ios::binary) << crlf(
        {"model file=   " + modelFile, "Revised       2026-12-06 11:10:00", "modelname=    Tower",
         "submodelfiles= 2 ", "submodels=     2 ", "[submodelprofiles]", "1,2", "[submodel]",
         "profilename=  Base", "profile=      " + h.data("base.prf"), "color=         9868950 ",
         "[submodel]", "profilename=  Column", "profile=      " + h.data("column.prf"),
         "color=         14459000 "});
    std::ofstream(h.data("soil.ts"), std::ios::binary) << crlf({"3", "0, 15", "48,20", "96, 15"});
    return modelFile;
}

// Options of a run without windows that looks at the solver every 10 ms; no signal comes.
inline HeadlessRunOptions headlessOptions(const std::string& setup, const std::string& out) {
    return {setup, out, [](int) { std::this_thread::sleep_for(std::chrono::milliseconds(10)); },
            [] { return 0; }};
}

enum class Starter { Solver, Recording };

struct RunFixture : RunHome {
    ScriptedDialogs dialogs;
    AppState app{dialogs, {home}};
    PosixProgramStarter posix;
    InspectingStarter inspecting{posix};
    RecordingProgramStarter recording;
    ManualTimer timer;
    std::optional<CurrentFolder> cwd;
    std::unique_ptr<frmRun> run;
    std::string modelFile;

    explicit RunFixture(Starter starter = Starter::Solver,
                        const std::string& homeName = "Vardex home \xC3\xA9 \xC3\xBC")
        : RunHome(homeName) {
        app.config.DataDir = file("data");
        app.config.UserDir = file("data");
        app.config.TempDir = file("Temp");
        app.config.OutputDir = file("Output");
#ifdef VARDEX_ZOLTER
        app.config.ProgramPath = VARDEX_ZOLTER;
#endif
        app.startupCheck();
        cwd.emplace(home);
        modelFile = writeTowerModel(app, *this);
        dialogs.messages.clear();
        run = std::make_unique<frmRun>(
            app, starter == Starter::Solver ? static_cast<ProgramStarter&>(inspecting) : recording,
            timer);
        run->load();
    }

    void openModel() {
        dialogs.fileAnswers.push_back(modelFile);
        run->openModel();
    }

    // Source as it comes; soil held at its series, concrete without flux; end time 12 h.
    void setUp() {
        openModel();
        run->concreteSource();
        run->showConds = [this](frmConds& w) {
            w.selectMaterial(0);
            dialogs.fileAnswers.push_back(data("soil.ts"));
            w.chooseSpecified();
            w.selectMaterial(1);
            w.selectMaterial(0);
        };
        run->modelSpecifications();
        dialogs.inputAnswers.push_back("12");
        run->parameterClicked(4);
    }

    // Points at heights 0.6 m (chunk 1) and 1.9 m (chunk 2).
    void addRecordingPoints() {
        run->showRecs = [](frmRecs& w) {
            for (const char* z : {"0.6", "1.9"}) {
                w.setText(0, "1.2");
                w.setText(1, "0.7");
                w.setText(2, z);
                w.createPoint();
            }
        };
        run->parameterClicked(5);
    }

    bool itemEnabled(const std::string& name) const {
        return run->itemUsable(name);
    }

    // Ticks until the run is over (the timer stops), with a short pause while the solver works.
    int tickUntilDone(int limit = 500) {
        int ticks = 0;
        while (timer.enabled() && ticks < limit) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            timer.tick();
            ++ticks;
        }
        return ticks;
    }
};

} // namespace vardex::testing
