#pragma once
// The execution-control window "Program control and ouput viewer": opens an integrated model,
// completes its run set-up and runs the solver once per chunk, collecting each chunk's outputs.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "exec/RunFiles.h"
#include "exec/RunSetupFile.h"
#include "exec/TemperatureHistories.h"
#include "exec/ThermalLimits.h"
#include "platform/Controls.h"
#include "platform/ProgramStarter.h"
#include "platform/Timer.h"
#include "run/Cexec.h"
#include "run/RecordingPoints.h"

namespace vardex {

class frmSource;
class frmConds;
class frmRecs;

namespace runCaptions {
inline constexpr const char* kCaption = "Program control and ouput viewer";
inline constexpr const char* kFrame = "Model Execution Control Center";
inline constexpr const char* kModfileLabel = "Model / Run File:";
inline constexpr const char* kModelNameLabel = "Model  Description:";
inline constexpr const char* kMessageTitle = "Run / View  Model";
inline constexpr const char* kTimeSeriesFilter = " Time Series (*.ts)| *.ts| All files (*.*)| *.*";
inline constexpr const char* kRunFilter = " Execute files (*.rx)|*.rx|All files|*.*";
inline constexpr std::array<const char*, 6> kParameterLabels = {
    "Maximum Iterations per Time Step", "Maximum Normalized Convergence Error ",
    "Maximum Time Step Allowable  (h)", "Global Start Time  (h)",
    "Global Completion Time (h)",       "Number of Recording Data"};
inline constexpr const char* kFirstMarker = "clrthred.tmp";
} // namespace runCaptions

// How the last run ended. Refused: Execute started nothing (the message said why).
enum class RunOutcome { None, Running, Completed, Failed, Stopped, Refused };

struct RunWindowState {
    std::vector<MenuState> menus;
    std::string txtModfile;
    std::string txtmodelName;
    std::array<std::string, 6> txtP;
    bool barVisible = false; // barProg
    int barMin = 0;
    int barMax = 0;
    int barValue = 0;
    std::string status; // StatusBar1
    bool closed = false;
};

class frmRun {
  public:
    frmRun(AppState& app, ProgramStarter& starter, Timer& timer);
    ~frmRun();
    frmRun(const frmRun&) = delete;
    frmRun& operator=(const frmRun&) = delete;

    const RunWindowState& state() const { return state_; }
    std::function<void()> onChanged; // the view re-renders
    std::function<void()> onClose;   // the window closed itself

    // The modal set-up windows; whoever composes the window shows them. Unset, a window opens
    // and closes at once.
    std::function<void(frmSource&)> showSource;
    std::function<void(frmConds&)> showConds;
    std::function<void(frmRecs&)> showRecs;
    // The temperature display and the sounding windows, set by whoever composes the window; their
    // items stay disabled while unset.
    std::function<void()> showModelDisplay;
    std::function<void()> acquireSounding;
    std::function<void()> testRotations;
    std::function<void()> displaySounding;
    // The run's results: the temperature histories and the thermal-limit table (shown by itself
    // after a run completes).
    std::function<void()> showHistories;
    std::function<void()> showLimits;
    // Each chunk whose results were collected, before the next starts or the run completes.
    std::function<void(int chunk)> onChunkDone;

    // Menu items and controls.
    void load();
    void openModel();           // "Open &Model"
    void makeRunFile();         // "&Make Run file"
    void openRunFile();         // "Open &Run file"
    void concreteSource();      // "&Concrete source"
    void modelSpecifications(); // "&Model Specifications"
    void execute();             // "&Execute model"
    void mnuModelDisplay();     // "&Model" of "&Display model"
    void mnuOpensounding();     // "&Acquire sounding"
    void mnuTEST();             // "&TEST rotations"
    void mnudisplaysounding();  // "&Display sounding"
    void exitWindow();          // "&Exit"
    void mnuHistories();        // "Temperature &histories"
    void mnuLimits();           // "Thermal &limits"
    void saveSetup();           // "&Save run set-up"
    void openSetup();           // "Open run set-&up"
    void stopRun();             // "Stop": the run ends, the chunks it finished stay
    // Opens the model in the window afresh, as "Open &Model" does with the file its dialog
    // returns, with its results when a whole run of it is there; a model already set up here keeps
    // its set-up. Nothing changes while a run is outstanding. False when it cannot be used.
    bool openModelFile(const std::string& path);
    // Opens the set-up file ready to execute; false when it was refused (the message said why).
    bool openSetupFile(const std::string& path);
    // Parameter box k (0..5) clicked, or typed into (the typed text becomes the box's text).
    void parameterClicked(int box);
    void parameterTyped(int box, const std::string& text);
    void timerTick();

    // The window is being closed: while a run is outstanding the user is asked; Yes stops the
    // solver. False keeps the window (and the run) as it is.
    bool queryClose();
    bool runOutstanding() const { return program_ != nullptr; }
    // Stops the outstanding run: the solver ends before this returns, nothing of the chunk it
    // worked on is collected, and the run's scratch folder goes. failure() then says why.
    void stop(const std::string& why);

    // Whether a menu item can be used now (its state and its menu's and, for the display and
    // sounding items, whether their window is there), and the tip shown for it.
    bool itemUsable(const std::string& name) const;
    std::string itemTip(const std::string& name) const;

    // What the temperature display reads: "model" while the model's results are there.
    std::string viewMode() const { return resultsFound_ ? std::string("model") : viewMode_; }
    // Whether the results of a whole run of the model as it is are there to be shown.
    bool resultsFound() const { return resultsFound_; }
    Cexec& exec() { return *exec_; }
    const std::string& runName() const { return exec_->runName; }
    int chunkCount() const { return chunkCount_; }
    const std::vector<std::int16_t>& chunkTypes() const { return chunkType_; }
    const std::string& timeSeriesFilter() const { return tsFilter_; }
    AppState& app() { return app_; }

    // The sub-model type of chunk c (1..100); 0 past the model's chunks.
    std::int16_t g_ChunkNum(int chunk) const;
    void letCoord(int point, int axis, float value) { rec_.letCoord(point, axis, value); }
    float getCoord(int point, int axis) const { return rec_.getCoord(point, axis); }
    RecordingPoints& recordingPoints() { return rec_; }
    void chkxClear() {}
    // Loads a model for execution; false (with a message) when it cannot be read, and then the
    // window keeps the model it had.
    bool read_modfile(const std::string& path);
    const std::string& modelPath() const { return modelPath_; }
    const std::string& modelName() const { return modelName_; }
    int runIndex() const { return runIndex_; }

    // The whole set-up, to save it and to run it again without setting it up by hand.
    RunSetup currentSetup() const;
    // Opens the set-up's model and settles the source, the boundaries, the parameters and the
    // recording points as the set-up windows would; false (with a message) when it cannot be
    // used, and the window is then as freshly loaded.
    bool applySetup(const RunSetup& setup);
    RunOutcome outcome() const { return outcome_; }
    const std::string& failure() const { return failure_; } // why the last run failed or stopped
    // What the chunks of the last run warned of, each with its chunk and log; the run completed.
    const std::vector<std::string>& warnings() const { return warnings_; }
    // Limits of the thermal-limit table, saved with the set-up.
    ThermalLimitValues limits;
    // The collected summaries of the last run, chunk 1 first.
    std::vector<std::string> summaryFiles() const;
    // The collected histories with their points named by place.
    std::vector<HistorySource> historySources() const;

  private:
    void changed();
    void enableItem(const std::string& name, bool enabled);
    void enableMenu(const std::string& name, bool enabled);
    bool align();
    void closeWindow();
    // Open Model after its dialog: reads and aligns the model; false when it cannot be used.
    bool openModelPath(const std::string& path);
    void askParameter(int box);
    void recordingPointStep();
    // Why the run cannot start: a solver path the batch file cannot carry or a solver that is
    // not there, a model name its results cannot carry. Empty when it can.
    std::string startProblem() const;
    void refuse(const std::string& reason);
    bool startChunk();
    // The chunk's marker came: its verdict, its results collected, the next chunk or the end.
    void chunkEnded();
    std::string endedWithoutResult(const ProgramStatus& status) const;
    void runFailed(const std::string& reason);
    void runEnded();
    void runCompleted();
    void showProgress();
    std::string chunkText() const;
    // Looks for the results of the open model and lets the result items follow.
    void discoverResults();
    void showResults(bool found, const std::string& why);

    AppState& app_;
    ProgramStarter& starter_;
    Timer& timer_;
    RunWindowState state_;
    std::unique_ptr<Cexec> exec_;
    // The solver ends (program_ goes first) before its run's files go.
    std::unique_ptr<RunFiles> files_;
    std::unique_ptr<StartedProgram> program_;
    RecordingPoints rec_;

    std::string modelPath_;
    std::string modelName_;
    int chunkCount_ = 0;
    std::vector<std::int16_t> chunkType_;
    std::array<float, kMaxRunTypes> typeLengths_{};
    int runIndex_ = 0;
    std::string solverCommand_;
    std::string sentinelFile_; // the marker's name in the scratch folder
    std::string viewMode_;
    std::string tsFilter_ = runCaptions::kTimeSeriesFilter;
    bool loading_ = false;
    RunOutcome outcome_ = RunOutcome::None;
    bool resultsFound_ = false;
    std::string resultsWhy_; // why the model's results cannot be shown
    std::string failure_;
    std::vector<std::string> warnings_;
};

} // namespace vardex
