#pragma once
// The two small files written before each solver run: the recording index file "Series.pr" and
// the batch file "project.bat" that starts the solver.

#include <string>
#include <vector>

#include "app/Cstartup.h"
#include "platform/FileSystem.h"

namespace vardex {

inline constexpr const char* kRecordingIndexFileName = "Series.pr";
inline constexpr const char* kBatchFileName = "project.bat";
inline constexpr std::size_t kBatchCommandWidth = 126;

struct ZoneIndex {
    int column = 1;
    int row = 1;
    int zone = 1;
};

// Deletes an existing file at path, then writes the count and one line of indices per point;
// nothing is written when there are no points. Throws std::runtime_error when it cannot write.
void writeRecordingIndexFile(const FileSystem& fs, const std::string& path,
                             const std::vector<ZoneIndex>& points);

// The quoted solver program: ProgramPath, or in test mode the home folder's program/zolter.
std::string solverCommand(const FileSystem& fs, const Cstartup& config);

// Why a path cannot be written into the batch file, or an empty text when it can. The batch
// language ends a quoted word at a double quote and expands "%", so such a path would be
// interpreted instead of passed on; it is refused before anything is written or started.
std::string batchPathProblem(const std::string& path);

// "call <solver> "<temp file>" <stdout name> <marker name>"
std::string solverCommandLine(const std::string& solver, const std::string& tempFile,
                              const std::string& stdoutName, const std::string& markerName);

// "@echo off", the command line padded with blanks to 126 characters, a line holding one blank.
// A longer command line is written whole: cutting it would break the paths it names.
void writeBatchFile(const std::string& path, const std::string& commandLine);

} // namespace vardex
