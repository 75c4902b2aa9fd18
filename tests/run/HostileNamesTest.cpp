// File names users really have (blanks, letters beyond ASCII, quotes, "&", ";", long paths)
// pass through the solver's input and the batch file unchanged.

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "platform/ProgramStarter.h"
#include "run/Cexec.h"
#include "run/SolverLaunchFiles.h"
#include "support/AppFixture.h"
#include "support/ModelTypes.h"
#include "text/KeyReader.h"

namespace vardex {
namespace {

namespace fs = std::filesystem;

// Folder names a user may well have, the last padding its path to 200 characters.
std::vector<std::string> hostileFolders(const std::string& home) {
    std::vector<std::string> names{"two words", "Température ü", "it's", "R&D; ok", "a 'b' & c;d"};
    const std::string base = home + "/";
    names.push_back(std::string(200 - base.size(), 'L'));
    return names;
}

TEST(HostileNames, TheTempFileNamesEveryPathAsItIs) {
    testing::AppFixture f;
    Cexec exec(f.app);
    testing::addType(f.app, f.home.path(), testing::TypeContent{});
    f.app.currentSubmodelName = "Type";
    exec.chunkTypes = {1};
    ASSERT_EQ(exec.alignSubMods(), AlignResult::Done);
    for (const std::string& name : hostileFolders(f.home.path())) {
        const std::string folder = f.home.file(name);
        fs::create_directories(folder);
        f.app.config.OutputDir = folder;
        exec.modelfile = folder + "/" + name + ".mod";
        const std::string temp = folder + "/tempfile.1";
        exec.write_Tempfile(1, temp, 1);

        KeyReader file(temp);
        EXPECT_EQ(file.getkeystring("MyName="), temp);
        EXPECT_EQ(file.getkeystring("modelfile="), exec.modelfile);
        EXPECT_EQ(file.getkeystring("OutputDirectory="), folder);
        EXPECT_EQ(file.getkeystring("output="), folder + "/" + name + ".1.out");
        EXPECT_EQ(exec.runName, name);
    }
}

TEST(HostileNames, TheBatchLineCarriesEveryWordThroughTheShellScriptUnchanged) {
    testing::TempDir home;
    for (const std::string& name : hostileFolders(home.path())) {
        const std::string folder = home.file(name);
        ASSERT_EQ(batchPathProblem(folder), "") << name;
        // A stand-in solver that writes down the arguments it was given, one per line.
        const std::string solver =
            home.write(name + "/solver's copy", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
        fs::permissions(solver, fs::perms::owner_all);
        const std::string temp = folder + "/tempfile.1";
        const std::string batch = home.file(name + "/" + kBatchFileName);
        writeBatchFile(batch,
                       solverCommandLine("\"" + solver + "\"", temp, "STDOUT.1", "clrthred.tmp"));

        const std::vector<BatchCommand> commands = parseBatchFile(testing::readFile(batch));
        ASSERT_EQ(commands.size(), 1u);
        EXPECT_EQ(commands[0], (BatchCommand{solver, temp, "STDOUT.1", "clrthred.tmp"}));
        const std::string script = home.write(name + "/project.sh", batchToShellScript(commands));
        // The script is started the way the starter starts it: its own path quoted for the shell.
        ASSERT_EQ(std::system(batchToShellScript({{"/bin/sh", script}}).c_str()), 0) << name;
        EXPECT_EQ(testing::readFile(solver + ".args"), temp + "\nSTDOUT.1\nclrthred.tmp\n") << name;
    }
}

} // namespace
} // namespace vardex
