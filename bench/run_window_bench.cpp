// Time of a run of the bundled example (three chunks, 96 h) in the execution window's controller
// with the desktop's program starter and timer: the solver's own time (each chunk's process from
// its start to its end) against the whole run (Execute to the completion). The difference is
// what the window adds per chunk: writing the input, collecting the outputs and noticing the end.
//
//     run_window_bench ZOLTER [rounds]        the window reacts to each process's end
//     run_window_bench ZOLTER [rounds] poll   the window notices an end at its timer's ticks only

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <QCoreApplication>

#include "QtPlatform.h"
#include "exec/RunSetupFile.h"
#include "exec/frmRun.h"
#include "support/Examples.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

using namespace vardex;
using Clock = std::chrono::steady_clock;

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Times each process from its start to the call that reports its end.
class TimedProgram : public StartedProgram {
  public:
    TimedProgram(std::unique_ptr<StartedProgram> inner, std::vector<double>& times, bool poll)
        : inner_(std::move(inner)), times_(times), started_(Clock::now()), poll_(poll) {
        inner_->whenEnded([this] {
            times_.push_back(seconds(Clock::now() - started_));
            if (!poll_ && callback_) callback_();
        });
    }
    ProgramStatus status() override { return inner_->status(); }
    void stop() override { inner_->stop(); }
    void whenEnded(std::function<void()> callback) override { callback_ = std::move(callback); }

  private:
    std::unique_ptr<StartedProgram> inner_;
    std::vector<double>& times_;
    Clock::time_point started_;
    bool poll_ = false;
    std::function<void()> callback_;
};

class TimedStarter : public ProgramStarter {
  public:
    explicit TimedStarter(bool poll) : poll_(poll) {}
    std::vector<double> times;
    std::unique_ptr<StartedProgram> startBatch(const std::string& batchFile,
                                               const std::string& folder) override {
        return std::make_unique<TimedProgram>(inner_.startBatch(batchFile, folder), times, poll_);
    }

  private:
    gui::QtProgramStarter inner_;
    bool poll_;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication qapp(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: run_window_bench ZOLTER [rounds] [poll]\n");
        return 2;
    }
    const std::string zolter = std::filesystem::absolute(argv[1]).string();
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 3;
    const bool poll = argc > 3 && std::string(argv[3]) == "poll";
    const auto start = std::filesystem::current_path();
    for (int round = 1; round <= rounds; ++round) {
        testing::TempDir home;
        for (const char* folder : {"data", "Temp", "Output"})
            std::filesystem::create_directories(std::filesystem::path(home.path()) / folder);
        testing::layOutExamples(home.file("data"));
        std::filesystem::current_path(home.path());
        testing::ScriptedDialogs dialogs;
        AppState app{dialogs, {home.path()}};
        app.config.DataDir = app.config.UserDir = home.file("data");
        app.config.TempDir = home.file("Temp");
        app.config.OutputDir = home.file("Output");
        app.config.ProgramPath = zolter;
        app.config.readOnly = true;
        TimedStarter starter(poll);
        gui::QtTimer timer;
        frmRun run(app, starter, timer);
        run.load();
        if (!run.applySetup(readRunSetup(home.file("data/pier.vrs")))) {
            std::fprintf(stderr, "the example's set-up cannot be run\n");
            return 1;
        }
        const Clock::time_point began = Clock::now();
        run.execute();
        while (run.runOutstanding()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double total = seconds(Clock::now() - began);
        std::filesystem::current_path(start);
        if (run.outcome() != RunOutcome::Completed) {
            std::fprintf(stderr, "the run did not complete: %s\n", run.failure().c_str());
            return 1;
        }
        double solver = 0;
        for (double t : starter.times) solver += t;
        const int chunks = run.chunkCount();
        std::printf("round %d (%s): %d chunks, timer period %d ms; solver %.3f s, whole run %.3f "
                    "s, added %.3f s per chunk\n",
                    round, poll ? "timer only" : "process end", chunks, timer.interval(), solver,
                    total, (total - solver) / chunks);
    }
    return 0;
}
