#include "run/SolverLaunchFiles.h"

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

using testing::crlf;

TEST(RecordingIndexFile, CountThenIndicesInPrintForm) {
    testing::TempDir dir;
    FileSystem fs;
    std::string path = dir.file("Series.pr");
    writeRecordingIndexFile(fs, path, {{3, 4, 5}, {1, 12, 40}});
    EXPECT_EQ(dir.read("Series.pr"), crlf({" 2 ", " 3  4  5 ", " 1  12  40 "}));
    // No points: the old file is deleted and none written.
    writeRecordingIndexFile(fs, path, {});
    EXPECT_FALSE(fs.fileExists(path));
}

TEST(BatchFile, CommandLinePaddedToItsWidth) {
    testing::TempDir dir;
    std::string line = solverCommandLine("\"/h/program/target\"", "/h/Temp/tempfile.1", "STDOUT.1",
                                         "clrthred.tmp");
    EXPECT_EQ(line, "call \"/h/program/target\" \"/h/Temp/tempfile.1\" STDOUT.1 clrthred.tmp");
    writeBatchFile(dir.file("project.bat"), line);
    std::string padded = line + std::string(126 - line.size(), ' ');
    EXPECT_EQ(dir.read("project.bat"), crlf({"@echo off", padded, " "}));
}

TEST(BatchFile, ALongCommandLineIsWrittenWholeNotCutMidPath) {
    testing::TempDir dir;
    std::string deep = "/data/" + std::string(150, 'p') + "/Temp/tempfile.1";
    std::string line = solverCommandLine("\"/h/zolter\"", deep, "STDOUT.1", "clrthred.tmp");
    ASSERT_GT(line.size(), 126u);
    writeBatchFile(dir.file("project.bat"), line);
    EXPECT_EQ(dir.read("project.bat"), crlf({"@echo off", line, " "}));
}

TEST(BatchFile, SolverCommandIsTheProgramPathOrInTestModeTheHomeSolver) {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    AppState app(dialogs, {dir.path()});
    app.config.ProgramPath = "  /opt/solver/target ";
    EXPECT_EQ(solverCommand(app.fs, app.config), "\"/opt/solver/target\"");
    app.config.testing = true;
    app.config.homeDir = "/h";
    EXPECT_EQ(solverCommand(app.fs, app.config), "\"/h/program/zolter\"");
}

TEST(BatchFile, PathsWithAQuoteOrPercentAreRefusedOthersPass) {
    for (const char* safe : {"/home/a b/Temp", "/d/Température/ü", "/x/a&b;c'd", "/p/(1)!^"})
        EXPECT_EQ(batchPathProblem(safe), "") << safe;
    for (const char* unsafe : {"/home/say \"hi\"/Temp", "/d/100%/x", "/d/%TEMP%"}) {
        std::string problem = batchPathProblem(unsafe);
        EXPECT_NE(problem.find(unsafe), std::string::npos) << "names the path: " << problem;
    }
}

} // namespace
} // namespace vardex
