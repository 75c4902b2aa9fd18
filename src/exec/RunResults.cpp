#include "exec/RunResults.h"

#include <filesystem>

#include "exec/RunFiles.h"

namespace vardex {

FoundResults findRunResults(const FileSystem& fs, const std::string& resultsFolder,
                            const std::string& runName, int chunks, const std::string& modelFile) {
    if (chunks < 1) return {false, "The model has no chunks."};
    std::error_code ec;
    const auto modelTime = std::filesystem::last_write_time(modelFile, ec);
    if (ec) return {false, "The model file cannot be read: " + modelFile};
    for (int n = 1; n <= chunks; ++n) {
        for (const std::string& name : {chunkFieldName(runName, n), chunkHistoryName(n),
                                        chunkHighestName(n), chunkSummaryName(n)}) {
            const std::string path = fs.join(resultsFolder, name);
            const auto time = std::filesystem::last_write_time(path, ec);
            if (ec || !fs.fileExists(path))
                return {false, "No complete run of the model: " + path + " is missing."};
            if (time < modelTime)
                return {false, "The results are older than the model: " + path + "."};
        }
    }
    return {true, {}};
}

} // namespace vardex
