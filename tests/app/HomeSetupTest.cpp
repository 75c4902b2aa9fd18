#include "app/HomeSetup.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::ScriptedDialogs;
using testing::TempDir;

std::vector<std::string> exampleNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(VARDEX_EXAMPLES_DIR))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// An installed Vardex beside a user's folders: <prefix>/share/vardex exists, the user's data
// folder does not yet.
struct Machine {
    TempDir root;
    std::string share = root.file("usr/share/vardex");
    // Blanks, &, #, \ and é: the examples must name each other by this path as it is.
    std::string userHome = root.file("home/R&D #2, back\\1slash & café/.local/share/vardex");
    InstalledFiles installed{VARDEX_EXAMPLES_DIR, root.write("usr/bin/zolter", "#!/bin/sh\n")};
    std::vector<std::string> candidates{share, userHome};
    Machine() { fs::create_directories(share); }
    std::string home(const char* name) const { return userHome + "/" + name; }
};

TEST(HomeSetup, AFirstStartMakesAHomeThatTheStartUpFindsComplete) {
    Machine m;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(
        setUpHomeOnFirstStart(FileSystem(), dialogs, m.candidates, m.userHome, m.installed));

    AppState app(dialogs, m.candidates);
    app.startupCheck();
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.messages.front().text;
    const Cstartup& c = app.config;
    EXPECT_EQ(c.homeDir, m.userHome);
    EXPECT_EQ(c.ProgramPath, m.installed.solver);
    EXPECT_EQ(c.DataDir, m.home("data"));
    EXPECT_EQ(c.UserDir, m.home("data"));
    EXPECT_EQ(c.TempDir, m.home("Temp"));
    EXPECT_EQ(c.OutputDir, m.home("Output"));
    EXPECT_EQ(c.materialfile, m.home("data/materials.mts"));

    for (const std::string& name : exampleNames()) {
        const std::string source = readFile(std::string(VARDEX_EXAMPLES_DIR) + "/" + name);
        EXPECT_EQ(readFile(m.home("data/") + name), replaceAll(source, "@DATA@", m.home("data")))
            << name;
    }
    EXPECT_NE(readFile(m.home("data/pier.mod"))
                  .find("profile=      " + m.home("data/column.prf") + "\r\n"),
              std::string::npos);
}

TEST(HomeSetup, AConfiguredHomeIsLeftAloneAndASecondSetUpKeepsTheUsersFiles) {
    Machine m;
    ScriptedDialogs dialogs;
    ASSERT_TRUE(
        setUpHomeOnFirstStart(FileSystem(), dialogs, m.candidates, m.userHome, m.installed));
    const std::string mine = "mine\r\n";
    for (const char* name : {"data/pier.mod", "Vardex.ini"})
        std::ofstream(m.home(name), std::ios::binary) << mine;
    EXPECT_FALSE(
        setUpHomeOnFirstStart(FileSystem(), dialogs, m.candidates, m.userHome, m.installed));
    // The set-up itself, run over a home that holds the user's files, fills only what is missing.
    fs::remove(m.home("data/heat.ts"));
    setUpHome(FileSystem(), m.userHome, m.installed);
    EXPECT_EQ(readFile(m.home("data/pier.mod")), mine);
    EXPECT_EQ(readFile(m.home("Vardex.ini")), mine);
    EXPECT_EQ(readFile(m.home("data/heat.ts")),
              readFile(std::string(VARDEX_EXAMPLES_DIR) + "/heat.ts"));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(HomeSetup, AProgramThatIsNotInstalledMakesNoHome) {
    Machine m;
    ScriptedDialogs dialogs;
    // Where it was built, no examples lie beside the program.
    m.installed.examples = m.root.file("usr/share/vardex/examples");
    EXPECT_FALSE(
        setUpHomeOnFirstStart(FileSystem(), dialogs, m.candidates, m.userHome, m.installed));
    EXPECT_FALSE(fs::exists(m.userHome));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(HomeSetup, AHomeThatCannotBeMadeIsReportedAndTheStartGoesOnWithoutOne) {
    Machine m;
    ScriptedDialogs dialogs;
    // A file where the home's parent folder should be.
    const std::string blocked = m.root.write("blocked", "") + "/vardex";
    EXPECT_FALSE(
        setUpHomeOnFirstStart(FileSystem(), dialogs, {m.share, blocked}, blocked, m.installed));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(
        dialogs.messages[0].text.rfind("Vardex could not set up its home folder " + blocked, 0), 0u)
        << dialogs.messages[0].text;
    EXPECT_NE(dialogs.messages[0].text.find("Cannot create the folder"), std::string::npos);
}

TEST(HomeSetup, TheInstalledFilesLieBesideTheProgramsFolder) {
    const InstalledFiles files = installedFiles(FileSystem(), "/opt/x/bin");
    EXPECT_EQ(files.examples, "/opt/x/share/vardex/examples");
    EXPECT_EQ(files.solver, "/opt/x/bin/zolter");
    EXPECT_EQ(installedDataFolder(FileSystem(), "/usr/bin"), "/usr/share/vardex");
}

// run.sh's set-up and the program's first start make the same home: the same Vardex.ini but for
// the date it was written, and the same examples.
TEST(HomeSetup, TheFirstStartAndTheScriptMakeTheSameHome) {
    TempDir root;
    const std::string byScript = root.file("by script");
    const std::string byProgram = root.file("by program");
    const std::string script =
        fs::path(VARDEX_EXAMPLES_DIR).parent_path() / "scripts/setup_home.sh";
    const std::string command =
        "'" + script + "' '" + byScript + "' '" + VARDEX_EXAMPLES_DIR + "' >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    // The script's home runs the solver it copies to program/target.
    setUpHome(FileSystem(), byProgram, {VARDEX_EXAMPLES_DIR, byProgram + "/program/target"});

    auto lines = [](const std::string& text) {
        std::vector<std::string> result;
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos;
             start = end + 2)
            result.push_back(text.substr(start, end - start));
        return result;
    };
    std::vector<std::string> expected =
        lines(replaceAll(readFile(byScript + "/Vardex.ini"), byScript, byProgram));
    std::vector<std::string> written = lines(readFile(byProgram + "/Vardex.ini"));
    ASSERT_EQ(written.size(), 24u);
    ASSERT_EQ(expected.size(), written.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        if (i != 1) {
            EXPECT_EQ(written[i], expected[i]) << "line " << i + 1;
        }
    EXPECT_EQ(written[1].substr(0, 14), expected[1].substr(0, 14));
    for (const std::string& name : exampleNames())
        EXPECT_EQ(readFile(byProgram + "/data/" + name),
                  replaceAll(readFile(byScript + "/data/" + name), byScript, byProgram))
            << name;
}

} // namespace
} // namespace vardex
