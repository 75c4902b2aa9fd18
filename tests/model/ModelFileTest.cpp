#include <filesystem>

#include <gtest/gtest.h>

#include "mainwindow/mdifrmMain.h"
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

TEST(ModelFile, NoChunksChunkTypesBeyondTheTypesOrTooManyChunksAreBadFiles) {
    FileFixture f;
    std::string many;
    for (int i = 0; i < 81; ++i) many += i ? ",1" : "1";
    for (const std::string& path : {f.model(0, "", {"Base"}), f.model(2, "1,3", {"Base", "Shaft"}),
                                    f.model(81, many, {"Base"})}) {
        f.dialogs.messages.clear();
        EXPECT_FALSE(f.builder.read_modfile(path));
        EXPECT_EQ(f.dialogs.messageTexts(),
                  std::vector<std::string>{"a bad file to read\r\n" + path});
        EXPECT_TRUE(f.app.chunkList.empty());
    }
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

TEST(MainWindowFileCommands, AFailedOpenLeavesThePreviousModelAndSaveDoesNotTouchTheBadFile) {
    FileFixture f;
    std::string good = f.model(3, "1,2,1", {"Base", "Shaft"});
    f.dialogs.fileAnswers = {good};
    f.main.openModel();
    f.dialogs.inputAnswers = {"Renamed"};
    f.main.modelNameClicked(); // an unsaved change, which must survive the failed open
    const MainWindowState before = f.main.state();
    const ModelState modelBefore = f.builder.model();
    const std::vector<std::int16_t> chunksBefore = f.app.chunkList;

    std::string text = f.home.read("shaft.mod");
    text.replace(text.find("submodels=     3 "), 17, "submodels=     three");
    std::string bad = f.home.write("bad copy.mod", text);
    f.dialogs.messages.clear();
    f.dialogs.fileAnswers = {bad};
    f.main.openModel();

    EXPECT_EQ(f.dialogs.messageTexts(), std::vector<std::string>{"a bad file to read\r\n" + bad});
    const MainWindowState& w = f.main.state();
    EXPECT_EQ(w.modelFilePath, good);
    EXPECT_EQ(w.lblModfile, good);
    EXPECT_EQ(w.modelName, "Renamed");
    EXPECT_FALSE(w.saved);
    EXPECT_EQ(w.cboprofilename.items, before.cboprofilename.items);
    EXPECT_EQ(w.txtTotChunks, before.txtTotChunks);
    EXPECT_EQ(f.app.chunkList, chunksBefore);
    EXPECT_EQ(f.app.submodelList.count(), 2);
    EXPECT_EQ(f.builder.model().totalLength, modelBefore.totalLength);
    EXPECT_EQ(f.builder.model().chunkSlots[50].type, 2);

    // Save writes the model that is shown, to its own file; the bad file stays as it was.
    ASSERT_TRUE(f.main.saveModel());
    EXPECT_EQ(f.home.read("bad copy.mod"), text);
    f.dialogs.messages.clear();
    FileFixture g;
    ASSERT_TRUE(g.builder.read_modfile(good)) << g.dialogs.messageTexts().at(0);
    EXPECT_EQ(g.app.chunkList, chunksBefore);
    EXPECT_EQ(g.main.state().modelName, "Renamed");
}

TEST(MainWindowFileCommands, AModelThatCouldNotBeOpenedAgainIsNotWritten) {
    FileFixture f;
    f.main.newModel();
    f.dialogs.fileAnswers = {f.writeProfile("Base", 2)};
    f.dialogs.colorAnswers = {255};
    f.builder.addType(); // a type, but no chunk placed
    f.dialogs.inputAnswers = {"No chunks"};
    f.main.modelNameClicked();
    std::string path = f.home.file("empty.mod");
    f.dialogs.messages.clear();
    f.dialogs.fileAnswers = {path};
    EXPECT_FALSE(f.main.saveModelAs());
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_FALSE(f.dialogs.messages.empty());
    EXPECT_NE(f.dialogs.messages.back().text.find("no chunks"), std::string::npos);
    EXPECT_NE(f.dialogs.messages.back().text.find(path), std::string::npos);
    EXPECT_EQ(f.main.state().modelFilePath, "");
    EXPECT_FALSE(f.main.state().saved);
}

TEST(MainWindowFileCommands, OpeningOverALoadedModelAsksForNoLengthEstimate) {
    FileFixture f;
    f.dialogs.fileAnswers = {f.model(2, "1,2", {"Base", "Shaft"})};
    f.main.openModel();
    std::string second = f.home.file("second.mod");
    std::filesystem::copy_file(f.home.file("shaft.mod"), second);
    f.dialogs.fileAnswers = {second};
    f.main.openModel();
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.messages.at(0).text;
    EXPECT_TRUE(f.dialogs.prompts.empty()) << f.dialogs.prompts.at(0).prompt;
    EXPECT_EQ(f.main.state().lblModfile, second);
    EXPECT_EQ(f.main.state().txtModLength, "4.0");
}

TEST(MainWindowFileCommands, ACancelledColourChooserLeavesAVisibleColourAndAColourRedraws) {
    FileFixture f;
    f.main.newModel();
    f.dialogs.fileAnswers = {f.writeProfile("Base", 2), f.writeProfile("Shaft", 2)};
    f.dialogs.inputAnswers = {"10"};
    f.builder.addType(); // chooser cancelled
    f.builder.addType(); // chooser cancelled
    const ModelState& m = f.builder.model();
    EXPECT_NE(m.typeColors[0], kWhite);
    EXPECT_NE(m.typeColors[1], kWhite);
    EXPECT_NE(m.typeColors[0], m.typeColors[1]);
    f.builder.mouseUp(0, 495);
    f.dialogs.colorAnswers = {rgb(0, 0, 255)};
    f.builder.chooseColor();
    std::vector<testing::DrawOp> lines = f.drawing.sinceClear(testing::DrawOp::Line);
    ASSERT_GE(lines.size(), 3u);
    // The chunk's lines, then the two across its ends.
    EXPECT_EQ(lines[lines.size() - 3].color, rgb(0, 0, 255));
}

// Exit and the window's close button settle unsaved changes the same way.
struct UnsavedCase {
    const char* name;
    bool closeButton;
    MessageAnswer answer;
    bool hasFile;
    bool ends;
    bool written;
};

class ClosingWithUnsavedChanges : public ::testing::TestWithParam<UnsavedCase> {};

TEST_P(ClosingWithUnsavedChanges, AsksYesNoCancelFirst) {
    const UnsavedCase c = GetParam();
    FileFixture f;
    std::string path = f.model(1, "1", {"Base"});
    if (c.hasFile) {
        f.dialogs.fileAnswers = {path};
        f.main.openModel();
    } else {
        f.main.newModel();
        f.dialogs.fileAnswers = {f.writeProfile("Base", 2)};
        f.dialogs.inputAnswers = {"10"};
        f.builder.addType();
        f.builder.mouseUp(0, 495);
    }
    f.dialogs.inputAnswers = {"Changed"};
    f.main.modelNameClicked();
    const std::string fileBefore = f.home.read("shaft.mod");
    f.dialogs.messages.clear();
    f.dialogs.yesNoCancelAnswers = {c.answer};
    bool quit = false;
    f.main.onQuit = [&] { quit = true; };

    bool ends = c.closeButton ? f.main.closeRequested() : (f.main.exitProgram(), quit);

    ASSERT_FALSE(f.dialogs.messages.empty());
    EXPECT_EQ(f.dialogs.messages[0].text, "Save changes to the model?");
    EXPECT_EQ(f.dialogs.messages[0].title, "Model");
    EXPECT_EQ(f.dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(ends, c.ends);
    if (c.hasFile) {
        EXPECT_EQ(f.home.read("shaft.mod") != fileBefore, c.written);
        // Ending remembers the model's folder for the next start.
        if (c.ends) {
            EXPECT_EQ(f.app.config.UserDir, f.home.path());
        }
    }
    if (!c.ends) {
        EXPECT_EQ(f.main.state().modelName, "Changed");
        EXPECT_FALSE(f.main.state().saved);
        EXPECT_FALSE(f.app.submodelList.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainWindowFileCommands, ClosingWithUnsavedChanges,
    ::testing::Values(
        UnsavedCase{"ExitYesSavesToItsFileAndEnds", false, MessageAnswer::Yes, true, true, true},
        UnsavedCase{"ExitNoEndsWithoutWriting", false, MessageAnswer::No, true, true, false},
        UnsavedCase{"ExitCancelKeepsEverything", false, MessageAnswer::Cancel, true, false, false},
        UnsavedCase{"CloseYesSavesToItsFileAndEnds", true, MessageAnswer::Yes, true, true, true},
        UnsavedCase{"CloseNoEndsWithoutWriting", true, MessageAnswer::No, true, true, false},
        UnsavedCase{"CloseCancelKeepsEverything", true, MessageAnswer::Cancel, true, false, false},
        // Yes without a file runs Save As; its dialog cancelled keeps the program open.
        UnsavedCase{"ExitYesWithoutAFileAndSaveAsCancelledStays", false, MessageAnswer::Yes, false,
                    false, false},
        UnsavedCase{"CloseYesWithoutAFileAndSaveAsCancelledStays", true, MessageAnswer::Yes, false,
                    false, false}),
    [](const ::testing::TestParamInfo<UnsavedCase>& info) { return info.param.name; });

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
