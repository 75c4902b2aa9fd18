#pragma once
// The files of one run. A run works in a scratch folder of its own in the Temp folder (each
// chunk's input, recording index file, batch file, marker and log, and a folder the solver runs
// in for its own outputs), so runs side by side never touch each other's files. The results
// folder is held against other runs while the run lasts, and a chunk's results move into it
// together, complete, once the chunk succeeded.

#include <memory>
#include <string>

#include "platform/FileSystem.h"
#include "platform/FolderLock.h"

namespace vardex {

// The names of chunk n's results in the results folder, as the temperature display, the
// histories and the thermal-limit table read them.
std::string chunkFieldName(const std::string& runName, int chunk);      // "<run>.n"
std::string chunkHistoryName(int chunk);                                // "TSeries.n"
std::string chunkHighestName(int chunk);                                // "Tmax.n"
std::string chunkSummaryName(int chunk);                                // "Summary.n"
std::string chunkLogName(int chunk);                                    // "STDOUT.1", "stdout.n"
std::string chunkOutputCopyName(const std::string& runName, int chunk); // "<run>.n.out"

// Why a model of this name cannot be run: its fields would take the names of other results (on
// a disk that ignores case too). Empty when it can.
std::string runNameProblem(const std::string& runName);

struct RunPlaces {
    std::string results; // the collected results
    std::string output;  // the copies of the fields
    std::string temp;    // where the scratch folder is made
};

class RunFiles {
  public:
    // Holds the results folder, makes the scratch folder (removing those that runs killed
    // outright left behind) and removes the results an earlier run left for these chunks, so no
    // chunk's results can mix with another run's. Throws std::runtime_error with the reason.
    RunFiles(const FileSystem& fs, RunPlaces places, std::string runName, int chunks);
    // Removes the scratch folder, all but a log keepLog left there, and lets the results go.
    ~RunFiles();
    RunFiles(const RunFiles&) = delete;
    RunFiles& operator=(const RunFiles&) = delete;

    const std::string& scratch() const { return scratch_; }
    static std::string tempFileName(int chunk); // "tempfile.n"
    std::string tempFile(int chunk) const;
    std::string recordingIndexFile() const;
    std::string batchFile() const;
    std::string fieldFile() const; // where the solver writes "output="
    std::string logFile(int chunk) const;
    std::string inScratch(const std::string& name) const;
    // The folder the solver runs in; it holds nothing but the solver's own outputs.
    const std::string& solverFolder() const { return solverFolder_; }
    // A file of the scratch folder as the solver names it from its own folder.
    static std::string fromSolver(const std::string& name) { return "../" + name; }

    // Empties the solver's folder, so a chunk can only ever deliver its own outputs.
    void prepareChunk();
    // Moves the chunk's results into place, all or none; throws std::runtime_error naming the
    // file that is missing or could not be written.
    void collect(int chunk);
    // Keeps the log of a chunk that did not succeed: in the results folder, or where it is when
    // it cannot move there. Its path; empty when there is none.
    std::string keepLog(int chunk);
    std::string result(const std::string& name) const;

  private:
    const FileSystem& fs_;
    RunPlaces places_;
    std::string runName_;
    std::unique_ptr<FolderLock> resultsLock_;
    std::unique_ptr<FolderLock> scratchLock_;
    std::string scratch_;
    std::string solverFolder_;
    std::string keptLog_;
};

} // namespace vardex
