// Runs that cannot succeed say so and why: a results folder another run holds, a disk that fills
// while the results are collected, model names that would collide with other results, an output
// folder that cannot be made.

#ifdef VARDEX_ZOLTER

#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>
#include <unistd.h>

#include "exec/HeadlessRun.h"
#include "exec/RunFixture.h"
#include "exec/RunSetupFile.h"
#include "platform/FolderLock.h"
#include "text/TextFileWriter.h"

namespace vardex {
namespace {

namespace fs = std::filesystem;
using testing::namesBelow;
using testing::readFile;
using testing::RunFixture;

struct HeadlessFixture : RunFixture {
    std::string setup;
    HeadlessFixture() {
        setUp();
        setup = data("tower.vrs");
        writeRunSetup(setup, run->currentSetup());
    }
    int runInto(const std::string& out, std::ostringstream& printed) {
        return runHeadless(app, posix, testing::headlessOptions(setup, out), printed);
    }
};

TEST(RunFaults, ARunIntoAFolderALiveRunHoldsIsRefusedAndTouchesNothingThere) {
    HeadlessFixture f;
    const std::string out = f.file("held");
    fs::create_directories(out);
    const std::string earlier = f.file("held/tower.1");
    std::ofstream(earlier) << "the live run's field";
    std::ostringstream printed;
    {
        std::string why;
        auto live = FolderLock::tryHold(out, why);
        ASSERT_TRUE(live) << why;
        EXPECT_EQ(f.runInto(out, printed), 2);
    }
    EXPECT_NE(printed.str().find("vardex-run: The run cannot start: " + out +
                                 " is in use by another run (process " +
                                 std::to_string(::getpid()) + ")\n"),
              std::string::npos)
        << printed.str();
    EXPECT_EQ(readFile(earlier), "the live run's field");
    EXPECT_TRUE(fs::is_empty(f.file("Temp")));
}

TEST(RunFaults, AnOutputFolderThatFillsUpFailsTheRunNamingTheFileAndLeavesNoTemporaryThere) {
    HeadlessFixture f;
    const std::string out = f.file("full");
    fs::create_directories(out);
    std::ostringstream printed;
    std::string log;
    {
        DiskFault full(DiskFault::Kind::FullOnClose, 0, out);
        EXPECT_EQ(f.runInto(out, printed), 1);
    }
    const std::string reason = "chunk 1 of 2: its results could not be collected: Cannot write " +
                               out + "/tower.1: No space left on device";
    EXPECT_NE(printed.str().find("vardex-run: the run failed: " + reason + "\n"), std::string::npos)
        << printed.str();
    // The window says the same; the log could not go there either and stays where it was made.
    ASSERT_FALSE(f.dialogs.messages.empty());
    const std::string shown = f.dialogs.messages.back().text;
    const std::string logLine = "\r\nIts log: ";
    ASSERT_NE(shown.find(logLine), std::string::npos) << shown;
    EXPECT_EQ(shown.substr(0, shown.find(logLine)),
              "The solver stopped on chunk 1 of 2:\r\nits results could not be collected: Cannot "
              "write " +
                  out + "/tower.1: No space left on device");
    log = shown.substr(shown.find(logLine) + logLine.size());
    EXPECT_EQ(fs::path(log).parent_path().parent_path(), f.file("Temp"));
    EXPECT_NE(readFile(log).find("finished"), std::string::npos);
    // Nothing cut short, no temporary file, not even the copy of the field in its own folder.
    EXPECT_EQ(namesBelow(out), std::vector<std::string>{"Output"});
}

class RunFaultsModelName : public ::testing::TestWithParam<const char*> {};

TEST_P(RunFaultsModelName, AModelNamedLikeAnotherResultIsRefusedAtExecute) {
    RunFixture f;
    const std::string name = GetParam();
    fs::copy_file(f.modelFile, f.data(name + ".mod"));
    f.modelFile = f.data(name + ".mod");
    f.setUp();
    f.dialogs.messages.clear();
    f.run->execute();
    EXPECT_EQ(f.run->outcome(), RunOutcome::Refused);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_NE(f.dialogs.messages[0].text.find("The model's name \"" + name +
                                              "\" would give its fields the names of the run's "
                                              "other results"),
              std::string::npos)
        << f.dialogs.messages[0].text;
    EXPECT_TRUE(fs::is_empty(f.file("Temp")));
    EXPECT_FALSE(f.run->runOutstanding());
}

INSTANTIATE_TEST_SUITE_P(EachTakenName, RunFaultsModelName,
                         ::testing::Values("Summary", "TSeries", "Tmax", "STDOUT", "tseries"),
                         [](const auto& info) { return std::string(info.param) + "Model"; });

TEST(RunFaults, AModelNameWithABackslashCollectsItsFieldsUnderThatName) {
    RunFixture f;
    fs::copy_file(f.modelFile, f.data("to\\wer.mod"));
    f.modelFile = f.data("to\\wer.mod");
    f.setUp();
    f.run->execute();
    f.tickUntilDone();
    ASSERT_EQ(f.run->outcome(), RunOutcome::Completed) << f.run->failure();
    for (const char* name : {"to\\wer.1", "to\\wer.2", "Output/to\\wer.2.out", "TSeries.2"})
        EXPECT_FALSE(readFile(f.file(name)).empty()) << name;
}

TEST(RunFaults, AnOutputFolderThatCannotBeMadeIsNamedWithTheSystemsReason) {
    HeadlessFixture f;
    std::ofstream(f.file("plain file")) << "not a folder";
    const std::string out = f.file("plain file/out");
    std::ostringstream printed;
    EXPECT_EQ(f.runInto(out, printed), 2);
    EXPECT_EQ(printed.str(), "vardex-run: cannot make the folder " + out + ": Not a directory\n");
}

TEST(RunFaults, AQuoteOrPercentInTheHomeAndOutputFolderRunsLikeAnyOtherName) {
    RunFixture f(testing::Starter::Solver, "home \" 100%");
    f.setUp();
    writeRunSetup(f.data("tower.vrs"), f.run->currentSetup());
    std::ostringstream printed;
    const std::string out = f.file("out \"%\"");
    EXPECT_EQ(
        runHeadless(f.app, f.posix, testing::headlessOptions(f.data("tower.vrs"), out), printed), 0)
        << printed.str();
    EXPECT_FALSE(readFile(out + "/tower.2").empty());
}

} // namespace
} // namespace vardex

#endif
