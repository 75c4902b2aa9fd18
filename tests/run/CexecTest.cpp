#include "run/Cexec.h"

#include <gtest/gtest.h>

#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace vardex {
namespace {

using testing::crlf;

struct ExecFixture {
    testing::TempDir dir;
    testing::ScriptedDialogs dialogs;
    AppState app{dialogs, {dir.path()}};
    ExecFixture() {
        app.config.testing = true;
        dialogs.messages.clear();
    }
};

std::string runFile(const std::string& bound, const std::vector<std::string>& series) {
    std::string text = crlf({"[run]", "modelfile= /m/shaft.mod", "starttime= 0", "endtime= 96",
                             "alpha= .63", "dtmax= 3", "errmax= .003", "itmax= 22.5",
                             ("bound= " + bound).c_str(), "[source]", "[timeseries]"});
    text += "series= " + std::to_string(series.size()) + "\r\n";
    for (const std::string& file : series) text += "file= " + file + "\r\n";
    return text + "\r\n";
}

// The other defaults stand in the solver input's exact layout.
TEST(Cexec, ANewRecordHasInsulatedFacesAndEmptiesTheSharedSubModelList) {
    ExecFixture f;
    f.app.selectedSubmodel = 3;
    f.app.runMarker = "x";
    Cexec e(f.app);
    for (int face = 1; face <= 6; ++face) EXPECT_EQ(e.faceFlag(face), "I");
    EXPECT_EQ(e.itmax, 23);
    EXPECT_EQ(f.app.runMarker, " ");
    EXPECT_EQ(f.app.selectedSubmodel, 0);
}

TEST(Cexec, RunFileSetsTheFacesRoundsItmaxToEvenAndReadsTheBoundarySeries) {
    ExecFixture f;
    std::string ts = f.dir.write("air.ts", crlf({"2", "0,20", "10,25"}));
    Cexec e(f.app);
    e.execfile = f.dir.write("run.rx", runFile("NNDDNN", {ts}));
    e.read_exec();
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_EQ(e.modelfile, "/m/shaft.mod");
    EXPECT_EQ(e.itmax, 22); // 22.5 rounds to the even neighbour
    std::string faces;
    for (int face = 1; face <= 6; ++face) faces += e.faceFlag(face);
    EXPECT_EQ(faces, "NNDDNN");
    EXPECT_EQ(e.numTS, 1);
    ASSERT_EQ(e.Boundx.size(), 1u);
    EXPECT_EQ(e.Boundx[0]->bndyTSfile, ts);
    EXPECT_EQ(e.Boundx[0]->bndyTSpoints, 4); // extended over the run

    // 23.5 rounds to the even neighbour above.
    std::string text = runFile("IIIIII", {});
    text.replace(text.find("22.5"), 4, "23.5");
    e.execfile = f.dir.write("run.rx", text);
    e.read_exec();
    EXPECT_EQ(e.itmax, 24);
}

TEST(Cexec, NoSeriesEmptiesTheBoundariesAndAShortFaceTextLeavesBlanks) {
    ExecFixture f;
    Cexec e(f.app);
    e.Boundx.push_back(std::make_shared<CBoundarytype>());
    e.execfile = f.dir.write("run.rx", runFile("DD", {}));
    e.read_exec();
    EXPECT_TRUE(e.Boundx.empty());
    EXPECT_EQ(e.faceFlag(2), "D");
    EXPECT_EQ(e.faceFlag(3), " ");
    EXPECT_EQ(e.faceFlag(6), " ");
}

TEST(Cexec, AMissingKeyIsNamedAndReadingStops) {
    ExecFixture f;
    Cexec e(f.app);
    std::string text = runFile("NNNNNN", {});
    text.erase(text.find("dtmax= 3\r\n"), 10);
    e.execfile = f.dir.write("run.rx", text);
    e.read_exec();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_NE(f.dialogs.messages[0].text.find("\"dtmax=\""), std::string::npos);
    EXPECT_EQ(e.alpha, 0.63f);  // read before the missing key
    EXPECT_EQ(e.errmax, 0.003); // never reached: the default stays
    EXPECT_EQ(e.faceFlag(1), "I");
}

TEST(Cexec, PutBoundsCopiesAChunkRowOfTheFaceTable) {
    ExecFixture f;
    Cexec e(f.app);
    const char* letters = "DNDNDN";
    for (int face = 1; face <= 6; ++face)
        e.setChunkFace(2, face, std::string(1, letters[face - 1]));
    e.putBounds(2);
    std::string faces;
    for (int face = 1; face <= 6; ++face) faces += e.faceFlag(face);
    EXPECT_EQ(faces, "DNDNDN");
    EXPECT_THROW(e.putBounds(17), std::out_of_range);
    EXPECT_THROW(e.LbndyTSfile(6, "x"), std::out_of_range);
    EXPECT_THROW(e.letRecLocus(51, 1, 1), std::out_of_range);
}

TEST(Cexec, ANumberThatDoesNotFitItsFieldIsABadRunFile) {
    for (const auto& [key, value] :
         std::vector<std::pair<std::string, std::string>>{{"alpha= .63", "alpha= 1E+39"},
                                                          {"endtime= 96", "endtime= 1E+400"},
                                                          {"itmax= 22.5", "itmax= 40000"}}) {
        ExecFixture f;
        Cexec e(f.app);
        std::string text = runFile("NNNNNN", {});
        text.replace(text.find(key), key.size(), value);
        e.execfile = f.dir.write("run.rx", text);
        e.read_exec();
        EXPECT_EQ(f.dialogs.messageTexts(),
                  std::vector<std::string>{"bad run file to read: " + e.execfile})
            << value;
        EXPECT_EQ(e.faceFlag(1), "I") << value; // reading stopped before the faces
    }
}

} // namespace
} // namespace vardex
