#pragma once
// Whether a model's results are on disk: the results of one whole run of the model as it is now,
// so that what is shown never mixes chunks of different runs or an older model.

#include <string>

#include "platform/FileSystem.h"

namespace vardex {

struct FoundResults {
    bool complete = false;
    std::string why; // why they cannot be shown; empty when complete
};

// Complete when, for every chunk 1..chunks, the field, the history, the highest temperatures and
// the summary of runName are in resultsFolder and none is older than the model file.
FoundResults findRunResults(const FileSystem& fs, const std::string& resultsFolder,
                            const std::string& runName, int chunks, const std::string& modelFile);

} // namespace vardex
