#include "app/Cstartup.h"

#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "support/CurrentFolder.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

namespace fs = std::filesystem;
using testing::ScriptedDialogs;
using testing::TempDir;

// A home folder with everything the start-up check looks for.
struct Home {
    TempDir dir;
    Home() {
        fs::create_directories(dir.file("data"));
        fs::create_directories(dir.file("Temp"));
        fs::create_directories(dir.file("Output"));
        dir.write("program/target", "#!/bin/sh\n");
    }
    std::string path(const char* name) const { return dir.file(name); }
};

// A configuration file in the written order; keys not given are empty.
std::string configurationFile(std::map<std::string, std::string> values) {
    std::string text = "x\r\nRevised\r\n\r\n";
    for (const char* key :
         {"ProgramPath=", "DataPath=", "DataDir=", "TempDir=", "UserDir=", "OutputDir=", "",
          "[parameters]", "nx=", "ny=", "dx=", "dy=", "testing=", "", "[Files]",
          "materialfile=", "sectionfile=", "", ""})
        text += std::string(key) + values[key] + "\r\n";
    return text;
}

TEST(Cstartup, NoConfigurationFileKeepsTheDefaults) {
    TempDir home;
    ScriptedDialogs dialogs;
    Cstartup config(FileSystem(), dialogs, {home.path()});
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"initialization file problem"});
    EXPECT_EQ(config.homeDir, home.path());
    EXPECT_EQ(config.iniFile, home.file("Vardex.ini"));
    EXPECT_EQ(config.nx, 40);
    EXPECT_EQ(config.ny, 40);
    EXPECT_EQ(config.dx, 0.04);
    EXPECT_EQ(config.dy, 0.04);
    EXPECT_EQ(config.materialfile, "materials.mts"); // empty data directory joined with the name
    EXPECT_EQ(config.TempDir, "");                   // the folder check did not run
}

TEST(Cstartup, HomeIsTheLastExistingCandidate) {
    TempDir c, e;
    std::string d = c.file("missing");
    ScriptedDialogs dialogs;
    // The platform lists its first choice again last, so it wins whenever it exists.
    Cstartup both(FileSystem(), dialogs, {c.path(), d, e.path(), c.path()});
    EXPECT_EQ(both.homeDir, c.path());
    Cstartup onlyE(FileSystem(), dialogs, {d, e.path(), d});
    EXPECT_EQ(onlyE.homeDir, e.path());
    Cstartup none(FileSystem(), dialogs, {d});
    EXPECT_EQ(none.homeDir, "");
}

TEST(Cstartup, WrittenFileReadsBackToTheSameFields) {
    Home home;
    ScriptedDialogs dialogs;
    {
        AppState app(dialogs, {home.dir.path()});
        Cstartup& c = app.config;
        c.DataDir = home.path("data");
        c.DataPath = home.dir.write("data/a.mts", "x");
        c.UserDir = home.path("data");
        c.ProgramPath = home.path("program/target");
        c.nx = 12;
        c.ny = 7;
        c.dx = 0.5;
        c.dy = 0.125;
        c.materialfile = home.path("data/a.mts");
        c.sectionfile = "/x/y.sec";
        c.modelFileName = [] { return std::string("/m/model.mod"); };
        c.write_startup();
    }
    dialogs.messages.clear();
    AppState again(dialogs, {home.dir.path()});
    const Cstartup& r = again.config;
    EXPECT_EQ(r.ProgramPath, home.path("program/target"));
    EXPECT_EQ(r.DataPath, home.path("data/a.mts"));
    EXPECT_EQ(r.DataDir, home.path("data"));
    EXPECT_EQ(r.UserDir, home.path("data"));
    EXPECT_EQ(r.TempDir, home.path("Temp"));
    EXPECT_EQ(r.OutputDir, home.path("Output"));
    EXPECT_EQ(r.nx, 12);
    EXPECT_EQ(r.ny, 7);
    EXPECT_EQ(r.dx, 0.5);
    EXPECT_EQ(r.dy, 0.125);
    EXPECT_FALSE(r.testing);
    EXPECT_EQ(r.sectionfile, "/x/y.sec");
    // Creation replaces the file's materials file by the data directory's "materials.mts".
    EXPECT_EQ(r.materialfile, fs::path(home.path("data")) / "materials.mts");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Cstartup, TheFileLayoutIsTwentyFourLinesOfKeysAtPrintZones) {
    Home home;
    ScriptedDialogs dialogs;
    AppState app(dialogs, {home.dir.path()});
    Cstartup& c = app.config;
    c.ProgramPath = "/p/zolter";
    c.DataPath = "/d/a.mts";
    c.DataDir = "/d";
    c.TempDir = "/t";
    c.UserDir = "/u";
    c.OutputDir = "/o";
    c.nx = 40;
    c.dx = 0.04;
    c.materialfile = "/d/materials.mts";
    c.sectionfile = "";
    c.submodelfile = "/s.prf";
    c.execFileName = [] { return std::string("/e.rx"); };
    std::vector<std::string> lines = c.configurationLines();
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], c.iniFile);
    EXPECT_EQ(lines[1].substr(0, 14), "Revised       ");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "ProgramPath=  /p/zolter");
    EXPECT_EQ(lines[4], "DataPath=     /d/a.mts");
    EXPECT_EQ(lines[5], "DataDir=      /d");
    EXPECT_EQ(lines[8], "OutputDir=    /o");
    EXPECT_EQ(lines[10], "[parameters]");
    EXPECT_EQ(lines[11], "nx=            40 ");
    EXPECT_EQ(lines[13], "dx=            .04 ");
    EXPECT_EQ(lines[15], "testing=      False");
    EXPECT_EQ(lines[17], "[Files]");
    EXPECT_EQ(lines[18], "materialfile= /d/materials.mts");
    EXPECT_EQ(lines[19], "sectionfile=  ");
    EXPECT_EQ(lines[20], "submodelfile= /s.prf");
    EXPECT_EQ(lines[21], "modelfile=    ");
    EXPECT_EQ(lines[22], "execfile=     /e.rx");
    EXPECT_EQ(lines[23], "");

    c.write_startup();
    std::string text = testing::readFile(c.iniFile);
    EXPECT_NE(text.find("\r\n[parameters]\r\n"), std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

TEST(Cstartup, TestModeWritesNothingButStillRunsTheCheck) {
    Home home;
    std::string original =
        home.dir.write("Vardex.ini", configurationFile({{"ProgramPath=", "/nowhere"},
                                                        {"nx=", " 10"},
                                                        {"ny=", " 10"},
                                                        {"dx=", " .1"},
                                                        {"dy=", " .1"},
                                                        {"testing=", " True"}}));
    ScriptedDialogs dialogs;
    AppState app(dialogs, {home.dir.path()});
    ASSERT_TRUE(app.config.testing);
    EXPECT_EQ(app.config.nx, 10);
    std::string before = testing::readFile(original);
    app.config.DataDir = home.path("data");
    app.config.write_startup();
    EXPECT_EQ(testing::readFile(original), before);
    // The check ran: it found the solver beside the data folder.
    EXPECT_EQ(app.config.ProgramPath, home.path("program/target"));
}

TEST(Cstartup, MissingTempFolderIsOfferedOnce) {
    for (bool yes : {true, false}) {
        TempDir home;
        fs::create_directories(home.file("Output"));
        home.write("Vardex.ini", configurationFile({{"TempDir=", " /from/file"},
                                                    {"nx=", " 40"},
                                                    {"ny=", " 40"},
                                                    {"dx=", " .04"},
                                                    {"dy=", " .04"},
                                                    {"testing=", " False"}}));
        ScriptedDialogs dialogs;
        dialogs.yesNoAnswers = {yes};
        Cstartup config(FileSystem(), dialogs, {home.path()});
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, home.file("Temp") + "\r\ndoes not exist.  Create it?");
        EXPECT_EQ(dialogs.messages[0].title, "Create Folder");
        EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
        EXPECT_EQ(fs::is_directory(home.file("Temp")), yes);
        EXPECT_EQ(config.TempDir, yes ? home.file("Temp") : "/from/file");
        EXPECT_EQ(config.OutputDir, home.file("Output"));
    }
}

TEST(Cstartup, KeysOutOfOrderAreMisreadBecauseSearchesOnlyGoForward) {
    TempDir home;
    home.write("Vardex.ini",
               testing::crlf({"x", "DataPath=/d.mts", "ProgramPath=/p", "DataDir=/a", "TempDir=/b",
                              "UserDir=/c", "OutputDir=/o", "", "[parameters]", "nx= 3", "ny= 4",
                              "dx= 1", "dy= 1", "testing= False", "[Files]", "materialfile=m",
                              "sectionfile=s", "", ""}));
    ScriptedDialogs dialogs;
    Cstartup config(FileSystem(), dialogs, {home.path()});
    EXPECT_EQ(config.ProgramPath, "/p");
    // "DataPath=" stood before the line found for "ProgramPath=": the search runs on to the end.
    EXPECT_EQ(config.DataPath, "EOF");
    EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"initialization file problem"});
}

TEST(Cstartup, HalvesOfTheGridCountsRoundToEven) {
    TempDir home;
    fs::create_directories(home.file("Temp"));
    fs::create_directories(home.file("Output"));
    home.write("Vardex.ini", configurationFile({{"nx=", " 22.5"},
                                                {"ny=", " 23.5"},
                                                {"dx=", " .04"},
                                                {"dy=", " .04"},
                                                {"testing=", " 0"}}));
    ScriptedDialogs dialogs;
    Cstartup config(FileSystem(), dialogs, {home.path()});
    EXPECT_EQ(config.nx, 22);
    EXPECT_EQ(config.ny, 24);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Cstartup, AZoneSizeThatDoesNotFitASectionIsAReadFailureNotZeroOrInfinity) {
    for (const char* dx : {" 1E+400", " 1E+39", " -1D999"}) {
        TempDir home;
        home.write(
            "Vardex.ini",
            configurationFile(
                {{"nx=", " 20"}, {"ny=", " 20"}, {"dx=", dx}, {"dy=", " .5"}, {"testing=", " 0"}}));
        ScriptedDialogs dialogs;
        Cstartup config(FileSystem(), dialogs, {home.path()});
        EXPECT_EQ(dialogs.messageTexts(), std::vector<std::string>{"initialization file problem"})
            << dx;
        EXPECT_EQ(config.nx, 20);   // read before the failure
        EXPECT_EQ(config.dx, 0.04); // the default stays
        EXPECT_EQ(config.dy, 0.04);
    }
}

} // namespace
} // namespace vardex
