#include "app/StartupCheck.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "mainwindow/Startup.h"
#include "support/CurrentFolder.h"
#include "support/Doubles.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedDialogs;
using testing::TempDir;

struct CheckFixture {
    TempDir home;
    TempDir elsewhere;
    ScriptedDialogs dialogs;
    FileSystem files;
    std::unique_ptr<Cstartup> config;
    CheckFixture() {
        config = std::make_unique<Cstartup>(files, dialogs, std::vector<std::string>{home.path()});
        dialogs.messages.clear();
    }
    void check() { startupCheck(*config, files, dialogs); }
};

TEST(StartupCheck, DataDirectoryFromTheDataPathAndTheSolverBesideIt) {
    CheckFixture f;
    testing::CurrentFolder cwd(f.elsewhere.path());
    std::string data = f.home.write("data/a.mts", "x");
    f.home.write("program/target", "x");
    f.config->DataPath = data;
    f.config->DataDir = "/no/such/folder";
    f.check();
    EXPECT_EQ(f.config->DataDir, f.home.file("data"));
    EXPECT_EQ(f.config->homeDir, f.home.path());
    EXPECT_EQ(f.config->ProgramPath, f.home.file("program/target"));
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(StartupCheck, AnExistingProgramPathIsKept) {
    CheckFixture f;
    fs::create_directories(f.home.file("data"));
    f.config->DataDir = f.home.file("data");
    f.config->ProgramPath = f.elsewhere.write("solver", "x");
    f.check();
    EXPECT_EQ(f.config->ProgramPath, f.elsewhere.file("solver"));
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(StartupCheck, MissingSolverIsReported) {
    CheckFixture f;
    fs::create_directories(f.home.file("data"));
    f.config->DataDir = f.home.file("data");
    f.check();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    const std::string& text = f.dialogs.messages[0].text;
    EXPECT_TRUE(text.starts_with("Cannot find program file")) << text;
    EXPECT_NE(text.find(f.home.file("program/target")), std::string::npos) << text;
    EXPECT_NE(text.find("./run.sh"), std::string::npos) << text;
    EXPECT_NE(text.find("cmake --build build --target zolter"), std::string::npos) << text;
}

TEST(StartupCheck, AMissingSolverIsSaidOnceAStartThoughTheCheckRunsAtEveryConfigurationWrite) {
    TempDir home;
    fs::create_directories(home.file("data"));
    home.write("data/a.mts", "x");
    ScriptedDialogs dialogs;
    AppState app(dialogs, {home.path()});
    app.config.DataDir = home.file("data");
    dialogs.messages.clear();
    app.startupCheck();
    app.config.write_startup();
    app.config.write_startup();
    EXPECT_EQ(dialogs.messageTexts(),
              std::vector<std::string>{missingSolverMessage(home.file("program/target"))});

    // Once it is there, the check finds it and the configuration names it.
    home.write("program/target", "x");
    app.config.write_startup();
    EXPECT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(app.config.ProgramPath, home.file("program/target"));
}

TEST(StartupCheck, NoDataAnywhereIsReportedAndTheCheckStops) {
    CheckFixture f;
    testing::CurrentFolder cwd(f.elsewhere.path());
    f.config->homeDir.clear();
    f.check();
    EXPECT_EQ(f.dialogs.messageTexts(),
              (std::vector<std::string>{"Cannot find homedir", "Cannot find the data directory"}));
    for (const auto& m : f.dialogs.messages) EXPECT_EQ(m.title, "Vardex");
}

TEST(StartupCheck, AMaterialsFileInTheCurrentFolderLocatesTheData) {
    CheckFixture f;
    std::string mts = f.elsewhere.write("data/local.mts", "x");
    testing::CurrentFolder cwd(f.elsewhere.file("data"));
    f.config->materialfile = "none.mts";
    f.check();
    EXPECT_EQ(f.config->DataDir, f.elsewhere.file("data"));
    EXPECT_EQ(f.config->homeDir, f.elsewhere.path());
}

TEST(StartupSequence, NoConfigurationAndNoMaterialsFile) {
    TempDir home, cwdDir;
    testing::CurrentFolder cwd(cwdDir.path());
    ScriptedDialogs dialogs;
    testing::RecordingSettingsStore settings;
    AppState app(dialogs, {home.path()});
    mdifrmMain main(app, settings);
    std::vector<std::string> order;
    startVardex(app, main, [&] { order.push_back("window shown"); });
    order.insert(order.begin(), dialogs.messages.at(0).text);
    for (std::size_t i = 1; i < dialogs.messages.size(); ++i)
        order.push_back(dialogs.messages[i].text);
    EXPECT_EQ(order, (std::vector<std::string>{"initialization file problem", "window shown",
                                               "Cannot find the data directory"}));
    EXPECT_EQ(app.runMarker, " ");
}

} // namespace
} // namespace vardex
