#include "platform/ProgramStarter.h"

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "platform/PosixProgramStarter.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

TEST(BatchFile, CallLinesBecomeCommandsWithQuotedWordsKeptTogether) {
    std::string text = "@echo off\r\n"
                       "call \"/h/my programs/zolter\" \"/h/Temp/tempfile.1\" STDOUT.1 clrthred.tmp"
                       "      \r\n"
                       " \r\n"
                       "rem anything else is ignored\r\n"
                       "CALL /bin/true\r\n";
    std::vector<BatchCommand> commands = parseBatchFile(text);
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0], (BatchCommand{"/h/my programs/zolter", "/h/Temp/tempfile.1", "STDOUT.1",
                                         "clrthred.tmp"}));
    EXPECT_EQ(commands[1], BatchCommand{"/bin/true"});
}

// Polls until the program ends (or about ten seconds pass).
ProgramStatus awaitEnd(StartedProgram& program) {
    for (int i = 0; i < 1000 && program.running(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return program.status();
}

TEST(PosixProgramStarter, RunsTheCallsInTheWorkingFolderAndKnowsTheirEnd) {
    testing::TempDir dir;
    std::string batch = dir.write("project.bat", "@echo off\r\n"
                                                 "call /usr/bin/touch \"first file\"\r\n"
                                                 "call /bin/mv \"first file\" done\r\n");
    PosixProgramStarter starter;
    auto program = starter.startBatch(batch, dir.path());
    ProgramStatus end = awaitEnd(*program);
    EXPECT_EQ(end.state, ProgramStatus::State::Exited);
    EXPECT_EQ(end.code, 0);
    EXPECT_TRUE(std::filesystem::exists(dir.file("done")));

    auto failing = starter.startBatch(dir.write("fail.bat", "call /bin/false\r\n"), dir.path());
    EXPECT_EQ(awaitEnd(*failing).describe(), "exit status 1");
}

TEST(PosixProgramStarter, AMissingProgramOrCommandFileIsNotStarted) {
    testing::TempDir dir;
    PosixProgramStarter starter;
    auto missing = starter.startBatch(
        dir.write("a.bat", "call \"" + dir.file("no such") + "\" x\r\n"), dir.path());
    EXPECT_EQ(missing->status().state, ProgramStatus::State::NotStarted);
    EXPECT_EQ(missing->status().describe(),
              "could not be started: " + dir.file("no such") + ": No such file or directory");
    EXPECT_EQ(starter.startBatch(dir.file("none.bat"), dir.path())->status().state,
              ProgramStatus::State::NotStarted);
    auto noFolder = starter.startBatch(dir.write("b.bat", "call /bin/true\r\n"), dir.file("gone"));
    EXPECT_EQ(noFolder->status().state, ProgramStatus::State::NotStarted);
}

TEST(PosixProgramStarter, StoppingEndsTheProgramAndWhatItStarted) {
    testing::TempDir dir;
    PosixProgramStarter starter;
    // Two calls run through a shell, which starts the sleep as a child of its own.
    auto program = starter.startBatch(
        dir.write("a.bat", "call /bin/sleep 30\r\ncall /usr/bin/touch after\r\n"), dir.path());
    EXPECT_TRUE(program->running());
    program->stop();
    ProgramStatus end = awaitEnd(*program);
    EXPECT_EQ(end.state, ProgramStatus::State::Signalled);
    EXPECT_EQ(end.describe(), "ended by signal 15");
    EXPECT_FALSE(std::filesystem::exists(dir.file("after")));
}

} // namespace
} // namespace vardex
