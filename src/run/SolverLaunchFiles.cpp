#include "run/SolverLaunchFiles.h"

#include "app/AppState.h"
#include "platform/Dialogs.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

std::string quoted(const std::string& text) {
    return std::string(1, AppState::kQuote) + text + AppState::kQuote;
}

} // namespace

void writeRecordingIndexFile(const FileSystem& fs, const std::string& path,
                             const std::vector<ZoneIndex>& points) {
    if (fs.fileExists(path)) fs.deleteFile(path);
    if (points.empty()) return;
    std::vector<std::string> lines{printForm(static_cast<int>(points.size()))};
    for (const ZoneIndex& p : points)
        lines.push_back(printForm(p.column) + printForm(p.row) + printForm(p.zone));
    writeLines(path, lines);
}

std::string batchPathProblem(const std::string& path) {
    if (path.find_first_of("\"%") == std::string::npos) return {};
    return std::string("The path") + kNewLine + path + kNewLine +
           "holds a double quote or a % sign, which the batch file that starts the solver cannot "
           "carry safely." +
           kNewLine + "Rename the folder or file without them and try again.";
}

std::string solverCommand(const FileSystem& fs, const Cstartup& config) {
    if (config.testing)
        return quoted(trim(fs.join(fs.join(config.homeDir, "program"),
                                   "zolter" + FileSystem::executableSuffix())));
    return quoted(trim(config.ProgramPath));
}

std::string solverCommandLine(const std::string& solver, const std::string& tempFile,
                              const std::string& stdoutName, const std::string& markerName) {
    return "call " + solver + " " + quoted(tempFile) + " " + stdoutName + " " + markerName;
}

void writeBatchFile(const std::string& path, const std::string& commandLine) {
    std::string padded = commandLine;
    if (padded.size() < kBatchCommandWidth) padded.resize(kBatchCommandWidth, ' ');
    writeLines(path, {"@echo off", padded, " "});
}

} // namespace vardex
