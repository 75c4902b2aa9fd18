#include "exec/RunFiles.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <stdexcept>

#include "platform/StagedFiles.h"
#include "text/NumberText.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

constexpr const char* kScratchPrefix = "run-";
constexpr const char* kSolverFolder = "solver";

std::string lowerCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

} // namespace

std::string chunkFieldName(const std::string& runName, int chunk) {
    return trim(runName) + "." + plainDigits(chunk);
}
std::string chunkHistoryName(int chunk) {
    return "TSeries." + plainDigits(chunk);
}
std::string chunkHighestName(int chunk) {
    return "Tmax." + plainDigits(chunk);
}
std::string chunkSummaryName(int chunk) {
    return "Summary." + plainDigits(chunk);
}
std::string chunkLogName(int chunk) {
    return (chunk == 1 ? "STDOUT." : "stdout.") + plainDigits(chunk);
}
std::string chunkOutputCopyName(const std::string& runName, int chunk) {
    return chunkFieldName(runName, chunk) + ".out";
}

std::string runNameProblem(const std::string& runName) {
    const std::string name = lowerCase(trim(runName));
    for (const char* taken : {"TSeries", "Tmax", "Summary", "STDOUT"})
        if (name == lowerCase(taken))
            return "The model's name \"" + trim(runName) +
                   "\" would give its fields the names of the run's other results (" + taken +
                   ".1, " + taken +
                   ".2, ...). Save the model under another name and open it again.";
    return {};
}

RunFiles::RunFiles(const FileSystem& fs, RunPlaces places, std::string runName, int chunks)
    : fs_(fs), places_(std::move(places)), runName_(std::move(runName)) {
    std::string why;
    resultsLock_ = FolderLock::tryHold(places_.results, why);
    if (!resultsLock_) throw std::runtime_error(why);
    if (!fs_.folderExists(places_.output) && !fs_.createFolder(places_.output))
        throw std::runtime_error("cannot make the folder " + places_.output);
    FolderLock::removeAbandoned(places_.temp, kScratchPrefix);
    scratch_ = fs_.makeUniqueFolder(places_.temp, kScratchPrefix, why);
    if (scratch_.empty()) throw std::runtime_error(why);
    // Only a live run holds its scratch folder; one killed outright is removed by the next run.
    scratchLock_ = FolderLock::tryHold(scratch_, why, true);
    solverFolder_ = fs_.join(scratch_, kSolverFolder);
    if (!scratchLock_ || !fs_.createFolder(solverFolder_)) {
        fs_.removeFolder(scratch_);
        throw std::runtime_error(why.empty() ? "cannot make " + solverFolder_ : why);
    }
    for (int n = 1; n <= chunks; ++n) {
        for (const std::string& earlier :
             {result(chunkFieldName(runName_, n)), result(chunkHistoryName(n)),
              result(chunkHighestName(n)), result(chunkSummaryName(n)), result(chunkLogName(n)),
              fs_.join(places_.output, chunkOutputCopyName(runName_, n))}) {
            if (fs_.fileExists(earlier) && !fs_.deleteFile(earlier)) {
                fs_.removeFolder(scratch_);
                throw std::runtime_error("cannot replace " + earlier +
                                         ", a result of an earlier run");
            }
        }
    }
}

RunFiles::~RunFiles() {
    if (keptLog_.empty() || fs_.parentFolder(keptLog_) != scratch_) {
        fs_.removeFolder(scratch_);
        return;
    }
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(scratch_, ec))
        if (entry.path().string() != keptLog_) std::filesystem::remove_all(entry.path(), ec);
}

std::string RunFiles::inScratch(const std::string& name) const {
    return fs_.join(scratch_, name);
}
std::string RunFiles::tempFileName(int chunk) {
    return "tempfile." + plainDigits(chunk);
}
std::string RunFiles::tempFile(int chunk) const {
    return inScratch(tempFileName(chunk));
}
std::string RunFiles::recordingIndexFile() const {
    return inScratch("Series.pr");
}
std::string RunFiles::batchFile() const {
    return inScratch("project.bat");
}
std::string RunFiles::fieldFile() const {
    return inScratch("field.out");
}
std::string RunFiles::logFile(int chunk) const {
    return inScratch(chunkLogName(chunk));
}
std::string RunFiles::result(const std::string& name) const {
    return fs_.join(places_.results, name);
}

void RunFiles::prepareChunk() {
    fs_.removeFolder(solverFolder_);
    fs_.deleteFile(fieldFile());
    if (!fs_.createFolder(solverFolder_)) throw std::runtime_error("cannot make " + solverFolder_);
}

void RunFiles::collect(int chunk) {
    const std::string center = fs_.join(solverFolder_, "Center.out");
    const std::string highest = fs_.join(solverFolder_, "Tmax.out");
    const std::string summary = fs_.join(solverFolder_, "Summary.out");
    const std::pair<std::string, std::string> expected[] = {
        {fieldFile(), "field (its \"output=\")"},
        {center, "Center.out"},
        {highest, "Tmax.out"},
        {summary, "Summary.out"},
        {logFile(chunk), "log"}};
    for (const auto& [path, what] : expected)
        if (!fs_.fileExists(path)) throw std::runtime_error("the solver left no " + what);
    StagedFiles files;
    files.copy(fieldFile(), fs_.join(places_.output, chunkOutputCopyName(runName_, chunk)));
    files.move(fieldFile(), result(chunkFieldName(runName_, chunk)));
    files.move(center, result(chunkHistoryName(chunk)));
    files.move(highest, result(chunkHighestName(chunk)));
    files.move(summary, result(chunkSummaryName(chunk)));
    // Last: a chunk whose results cannot all be placed keeps its log where it is.
    files.move(logFile(chunk), result(chunkLogName(chunk)));
    files.commit();
}

std::string RunFiles::keepLog(int chunk) {
    keptLog_ = logFile(chunk);
    if (!fs_.fileExists(keptLog_)) return keptLog_ = {};
    try {
        StagedFiles files;
        files.copy(keptLog_, result(chunkLogName(chunk)));
        files.commit();
        fs_.deleteFile(keptLog_);
        keptLog_ = result(chunkLogName(chunk));
    } catch (const std::exception&) {
        // The results folder cannot take it: it stays in the scratch folder.
    }
    return keptLog_;
}

} // namespace vardex
