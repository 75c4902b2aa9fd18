#include "exec/HeadlessRun.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "exec/RunSetupFile.h"
#include "exec/ThermalLimits.h"
#include "exec/frmRun.h"
#include "platform/ManualTimer.h"
#include "run/RunLimits.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

std::string fixed(double value, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

void printLimits(const ThermalLimits& table, std::ostream& out) {
    out << "chunk  peak (C)   at (h)  cell        difference (C)  at (h)\n";
    for (const ChunkPeaks& r : table.rows()) {
        const std::string cell = plainDigits(r.peakCell[0]) + "," + plainDigits(r.peakCell[1]) +
                                 "," + plainDigits(r.peakCell[2]);
        char line[160];
        std::snprintf(line, sizeof line, "%5d  %8s%s  %7s  %-10s  %14s%s  %6s\n", r.chunk,
                      fixed(r.peak, 2).c_str(), table.temperatureExceeded(r) ? "!" : " ",
                      fixed(r.peakTime, 1).c_str(), cell.c_str(), fixed(r.difference, 2).c_str(),
                      table.differenceExceeded(r) ? "!" : " ", fixed(r.differenceTime, 1).c_str());
        out << line;
    }
    out << "limits: " << fixed(table.limits.maxTemperature, 1) << " C peak, "
        << fixed(table.limits.maxDifference, 1) << " C difference"
        << (table.anyExceeded() ? "; ! marks an exceeded limit\n" : "; none exceeded\n");
}

} // namespace

int runHeadless(AppState& app, ProgramStarter& starter, const HeadlessRunOptions& options,
                std::ostream& out) {
    // A run without windows reads the user's settings and leaves them as they are.
    app.config.readOnly = true;
    RunSetup setup;
    try {
        setup = readRunSetup(options.setupFile);
    } catch (const std::exception& e) {
        out << "vardex-run: " << options.setupFile << ": " << e.what() << '\n';
        return 2;
    }
    // Relative paths mean what they meant where the program was started, not in the output folder.
    auto anchor = [](std::string& path) {
        if (!path.empty()) path = std::filesystem::absolute(path).string();
    };
    anchor(setup.modelFile);
    anchor(setup.source.seriesFile);
    for (BoundarySetup& b : setup.boundaries) anchor(b.seriesFile);
    if (!options.outputFolder.empty()) {
        std::error_code ec;
        std::filesystem::create_directories(options.outputFolder, ec);
        if (ec) {
            out << "vardex-run: cannot make the folder " << options.outputFolder << ": "
                << ec.message() << '\n';
            return 2;
        }
        std::filesystem::current_path(options.outputFolder, ec);
        if (ec) {
            out << "vardex-run: cannot work in " << options.outputFolder << ": " << ec.message()
                << '\n';
            return 2;
        }
        // Runs side by side share the home but not their copies of the fields.
        app.config.OutputDir = app.fs.join(app.fs.currentFolder(), "Output");
    }

    ManualTimer timer; // ticked by the loop below instead of an event loop
    frmRun run(app, starter, timer);
    run.load();
    if (!run.applySetup(setup)) {
        out << "vardex-run: the set-up " << options.setupFile << " cannot be run\n";
        return 2;
    }
    if (const std::string problem = runLimitProblem(run.exec(), app.submodelList);
        !problem.empty()) {
        out << "vardex-run: " << options.setupFile << ": " << problem << '\n';
        return 2;
    }
    out << "model " << setup.modelFile << ": " << run.chunkCount() << " chunk(s)\n";
    run.onChunkDone = [&](int chunk) {
        out << "chunk " << chunk << " of " << run.chunkCount() << " done\n";
    };
    run.execute();
    while (run.runOutstanding()) {
        options.sleep(std::clamp(timer.interval(), 20, 500));
        if (const int signal = options.stopSignal ? options.stopSignal() : 0) {
            run.stop("stopped by signal " + plainDigits(signal) + " (" + strsignal(signal) + ")");
            out << "vardex-run: " << run.failure() << "; nothing of that chunk was collected\n";
            return 128 + signal;
        }
        timer.tick();
    }
    if (run.outcome() == RunOutcome::Refused) {
        out << "vardex-run: " << run.failure() << '\n';
        return 2;
    }
    if (run.outcome() != RunOutcome::Completed) {
        out << "vardex-run: the run failed: " << run.failure() << '\n';
        return 1;
    }

    ThermalLimits table(app.dialogs);
    table.limits = setup.limits;
    if (table.load(run.summaryFiles())) printLimits(table, out);
    out << "outputs collected in " << app.fs.currentFolder() << '\n';
    for (const std::string& w : run.warnings()) out << "vardex-run: WARNING: " << w << '\n';
    return run.warnings().empty() ? 0 : 3;
}

} // namespace vardex
