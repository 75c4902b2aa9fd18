// A model's results are found only when a whole run of the model as it is now is on disk.

#include <gtest/gtest.h>

#include <filesystem>

#include "exec/RunFiles.h"
#include "exec/RunResults.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

struct ResultsFolder {
    testing::TempDir dir;
    FileSystem fs;
    std::string model = dir.write("pier.mod", "model\r\n");

    // Every result of chunks 1..n, an hour after the model was saved.
    void writeRun(int chunks) {
        for (int n = 1; n <= chunks; ++n)
            for (const std::string& name : {chunkFieldName("pier", n), chunkHistoryName(n),
                                            chunkHighestName(n), chunkSummaryName(n)})
                age(dir.write(name, "result\r\n"), std::chrono::hours(1));
    }
    void age(const std::string& path, std::chrono::hours later) const {
        std::filesystem::last_write_time(path, std::filesystem::last_write_time(model) + later);
    }
    FoundResults find(int chunks) const {
        return findRunResults(fs, dir.path(), "pier", chunks, model);
    }
};

TEST(RunResultsDiscovery, EveryChunksResultsNewerThanTheModelAreFound) {
    ResultsFolder f;
    f.writeRun(3);
    const FoundResults found = f.find(3);
    EXPECT_TRUE(found.complete);
    EXPECT_EQ(found.why, "");
    // A model of fewer chunks than the run on disk has all it needs.
    EXPECT_TRUE(f.find(2).complete);
}

TEST(RunResultsDiscovery, AMissingChunkOrFileOfAStoppedRunIsNamedAndNothingIsFound) {
    ResultsFolder f;
    f.writeRun(2); // a run stopped on chunk 3
    FoundResults found = f.find(3);
    EXPECT_FALSE(found.complete);
    EXPECT_EQ(found.why, "No complete run of the model: " + f.dir.file("pier.3") + " is missing.");

    f.writeRun(3);
    std::filesystem::remove(f.dir.file("Summary.2"));
    found = f.find(3);
    EXPECT_FALSE(found.complete);
    EXPECT_NE(found.why.find("Summary.2 is missing"), std::string::npos);
}

TEST(RunResultsDiscovery, ResultsOlderThanTheModelAreNotTheModels) {
    ResultsFolder f;
    f.writeRun(2);
    // The model was saved again after the run: one chunk's history predates it.
    f.age(f.dir.file("TSeries.2"), std::chrono::hours(-1));
    const FoundResults found = f.find(2);
    EXPECT_FALSE(found.complete);
    EXPECT_EQ(found.why, "The results are older than the model: " + f.dir.file("TSeries.2") + ".");
    EXPECT_FALSE(findRunResults(f.fs, f.dir.path(), "pier", 2, f.dir.file("gone.mod")).complete);
}

} // namespace
} // namespace vardex
