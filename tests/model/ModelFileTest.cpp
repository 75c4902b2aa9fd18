#include <filesystem>

#include <gtest/gtest.h>

#include "app/mdifrmMain.h"
#include "support/MainWindowFixture.h"

namespace vardex {
namespace {

using testing::crlf;

struct FileFixture : testing::MainWindowFixture {
    std::string model(int chunks, const std::string& row, const std::vector<std::string>& types) {
        std::string text =
            crlf({"model file=   x", "Revised       now", "modelname=    Shaft",
                  "submodelfiles= " + std::to_string(types.size()) + " ",
                  "submodels=     " + std::to_string(chunks) + " ", "[submodelprofiles]", row});
        int color = 100;
        for (const std::string& type : types)
            text +=
                crlf({"[submodel]", "profilename= " + type, "profile=     " + writeProfile(type, 2),
                      "color=        " + std::to_string(color++) + " "});
        text += crlf({"[parameters]", "total time= 0 ", "[output]", "output= 0", "locus= "});
        return home.write("shaft.mod", text);
    }
};

TEST(ModelFile, AModelBuiltSavedAndOpenedAgainIsTheSameModel) {
    FileFixture f;
    f.main.newModel();
    std::string a = f.writeProfile("Base", 2);
    std::string b = f.writeProfile("Shaft", 3, " .5 ");
    f.dialogs.fileAnswers = {a};
    f.dialogs.colorAnswers = {255};
    f.dialogs.inputAnswers = {"10"};
    f.builder.addType();
    f.dialogs.fileAnswers = {b};
    f.dialogs.colorAnswers = {65280};
    f.builder.addType();
    f.builder.selectType(0);
    f.builder.mouseUp(0, 95);
    f.builder.selectType(1);
    f.builder.mouseUp(0, 395);
    f.builder.mouseUp(0, 795);
    f.dialogs.inputAnswers = {"Test column"};
    f.main.modelNameClicked();
    std::string path = f.home.file("column.mod");
    f.dialogs.fileAnswers = {path};
    f.main.saveModelAs();
    ASSERT_TRUE(f.main.state().saved);
    EXPECT_EQ(f.app.config.UserDir, f.home.path());

    FileFixture g;
    g.dialogs.fileAnswers = {path};
    g.main.openModel();
    EXPECT_TRUE(g.dialogs.messages.empty()) << g.dialogs.messages.at(0).text;
    const MainWindowState& w = g.main.state();
    EXPECT_EQ(w.modelName, "Test column");
    EXPECT_EQ(w.txtmodelName, "Test column");
    EXPECT_EQ(w.lblModfile, path);
    EXPECT_EQ(w.cboprofilename.items, (std::vector<std::string>{"Base", "Shaft"}));
    ASSERT_EQ(g.app.submodelList.count(), 2);
    EXPECT_EQ(g.app.submodelList.item(1)->smodfile, a);
    EXPECT_EQ(g.app.submodelList.item(2)->smodfile, b);
    EXPECT_EQ(g.builder.model().typeColors[0], 255);
    EXPECT_EQ(g.builder.model().typeColors[1], 65280);
    EXPECT_EQ(g.app.chunkList, (std::vector<std::int16_t>{1, 2, 2}));
    EXPECT_FLOAT_EQ(g.builder.model().totalLength, 2 + 1.5f + 1.5f);
    EXPECT_TRUE(w.saved);
    EXPECT_TRUE(w.panelVisible);
}

TEST(ModelFile, WrittenLayoutIsExact) {
    FileFixture f;
    f.main.newModel();
    f.dialogs.fileAnswers = {f.writeProfile("Base", 2)};
    f.dialogs.colorAnswers = {255};
    f.dialogs.inputAnswers = {"4"};
    f.builder.addType();
    f.builder.mouseUp(0, 495);
    f.dialogs.inputAnswers = {"Pier 4"};
    f.main.modelNameClicked();
    std::string path = f.home.file("pier.mod");
    ASSERT_TRUE(f.builder.write_modfile(path));
    std::string text = f.home.read("pier.mod");
    std::string revised = text.substr(text.find("\r\n") + 2);
    revised = revised.substr(0, revised.find("\r\n"));
    EXPECT_EQ(revised.substr(0, 14), "Revised       ");
    EXPECT_EQ(text, crlf({"model file=   " + path,
                          revised,
                          "modelname=    Pier 4",
                          "submodelfiles= 1 ",
                          "submodels=     1 ",
                          "[submodelprofiles]",
                          "1",
                          "[submodel]",
                          "profilename=  Base",
                          "profile=      " + f.home.file("Base.prf"),
                          "color=         255 ",
                          "[parameters]",
                          "total time= 0 ",
                          "start time= 0 ",
                          "Rparam_1= 0 ",
                          "Rparam_2= 0 ",
                          "Rparam_3= 0 ",
                          "[output]",
                          "output= 0",
                          "locus= "}));
    EXPECT_EQ(f.app.model.modelFileName, path);
}

TEST(ModelFile, NoChunksIsABadFile) {
    FileFixture f;
    std::string path = f.model(0, "", {"Base"});
    EXPECT_FALSE(f.builder.read_modfile(path));
    EXPECT_EQ(f.dialogs.messageTexts(), std::vector<std::string>{"a bad file to read\r\n" + path});
    EXPECT_TRUE(f.app.chunkList.empty());
}

TEST(ModelFile, AChunkCentredAtHalfAPercentBlowsUp) {
    FileFixture f;
    // 100 chunks of 2 m would not fit in a file; one 2 m chunk in a 200 m model does the same:
    // a 2 m type first, then a 198 m type: the first centre is at 1 / 200 = 0.5 percent.
    std::string text =
        crlf({"model file=   x", "Revised", "modelname=    Tall", "submodelfiles= 2 ",
              "submodels=     2 ", "[submodelprofiles]", "1,2", "[submodel]", "profilename=  Low",
              "profile=      " + f.writeProfile("Low", 2), "color=         1 ", "[submodel]",
              "profilename=  High", "profile=      " + f.writeProfile("High", 2, " 99 "),
              "color=         2 ", "[parameters]", "[output]", "locus= "});
    std::string path = f.home.write("tall.mod", text);
    EXPECT_FALSE(f.builder.read_modfile(path));
    EXPECT_EQ(f.dialogs.messageTexts(),
              (std::vector<std::string>{"BLOWUP HERE", "a bad file to read\r\n" + path}));
}

TEST(ModelFile, AMissingProfileIsReportedAndTheModelIsNotRead) {
    FileFixture f;
    std::string path = f.model(1, "1", {"Base"});
    std::filesystem::remove(f.home.file("Base.prf"));
    EXPECT_FALSE(f.builder.read_modfile(path));
    EXPECT_EQ(f.dialogs.messageTexts(),
              (std::vector<std::string>{"PROBLEM: submodel file=" + f.home.file("Base.prf"),
                                        "a bad file to read\r\n" + path}));
    EXPECT_EQ(f.app.submodelList.count(), 0);
}

TEST(ModelFile, ChunkTypesBeyondTheTypesOrTooManyChunksAreBadFiles) {
    FileFixture f;
    EXPECT_FALSE(f.builder.read_modfile(f.model(2, "1,3", {"Base", "Shaft"})));
    std::string many;
    for (int i = 0; i < 81; ++i) many += i ? ",1" : "1";
    EXPECT_FALSE(f.builder.read_modfile(f.model(81, many, {"Base"})));
    EXPECT_EQ(f.dialogs.messages.size(), 2u);
}

TEST(ModelFile, ReadingLaysTheChunksIntoSlotsByTheirCentres) {
    FileFixture f;
    ASSERT_TRUE(f.builder.read_modfile(f.model(3, "1,2,1", {"Base", "Shaft"})));
    const ModelState& m = f.builder.model();
    EXPECT_EQ(m.totalLength, 6);
    // Centres at 1, 3 and 5 m of 6 m: slots 17, 50 and 83.
    EXPECT_EQ(m.chunkSlots[17].type, 1);
    EXPECT_EQ(m.chunkSlots[50].type, 2);
    EXPECT_EQ(m.chunkSlots[50].bottom, 2);
    EXPECT_EQ(m.chunkSlots[83].top, 6);
    EXPECT_EQ(f.app.selectedSubmodel, 2);
    EXPECT_EQ(f.app.lastSubmodelNz, 2);
    EXPECT_EQ(f.app.currentSubmodelName, "Shaft");
}

TEST(ModelFile, EmptyPathIsABadModelFileName) {
    FileFixture f;
    EXPECT_FALSE(f.builder.write_modfile(""));
    EXPECT_EQ(f.dialogs.messages.at(0).text, "bad model file name");
    EXPECT_EQ(f.dialogs.messages.at(0).title, "Model");
}

TEST(MainWindowFileCommands, CancellingOpenKeepsTheModelAndSaveAsNeedsAName) {
    FileFixture f;
    f.main.newModel();
    f.dialogs.inputAnswers = {"Kept"};
    f.main.modelNameClicked();
    f.main.openModel(); // cancelled
    EXPECT_EQ(f.main.state().modelName, "Kept");
    EXPECT_FALSE(f.main.state().saved);
    f.main.saveModelAs(); // cancelled
    EXPECT_EQ(f.dialogs.messages.back().text, "Save again using a good filename");
    EXPECT_EQ(f.dialogs.messages.back().title, "Model");
}

TEST(MainWindowFileCommands, ExitWithAnUnsavedModelOffersTheSaveDialogFirst) {
    FileFixture f;
    f.main.newModel();
    f.dialogs.inputAnswers = {"Unsaved"};
    f.main.modelNameClicked();
    bool quit = false;
    f.main.onQuit = [&] { quit = true; };
    f.main.exitProgram();
    ASSERT_EQ(f.dialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(f.dialogs.fileRequests[0].save);
    EXPECT_EQ(f.dialogs.messages.back().text, "Save again using a good filename");
    EXPECT_TRUE(quit);
}

TEST(MainWindowFileCommands, NewModelShowsAnEmptyPanel) {
    FileFixture f;
    f.main.newModel();
    const MainWindowState& w = f.main.state();
    EXPECT_TRUE(w.panelVisible);
    EXPECT_TRUE(w.panelEnabled);
    EXPECT_TRUE(w.builderActive);
    EXPECT_EQ(w.txtZLayers, "0");
    EXPECT_EQ(w.txtModLength, "0");
    EXPECT_EQ(w.shpproColor, kWhite);
    EXPECT_TRUE(w.cboprofilename.items.empty());
}

} // namespace
} // namespace vardex
