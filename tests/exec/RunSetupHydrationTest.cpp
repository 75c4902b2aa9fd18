// Equivalent age and convective faces set up through the windows travel through a saved set-up:
// reopened, the set-up gives the solver the same input, byte for byte, and run in the window and
// without windows it gives the same results.

#ifdef VARDEX_ZOLTER

#include <gtest/gtest.h>

#include <sstream>

#include "exec/HeadlessRun.h"
#include "exec/RunFixture.h"
#include "exec/RunSetupFile.h"

namespace vardex {
namespace {

using testing::RunFixture;

// The solver's input for chunk c without its first two lines (its own path and the time written).
std::string chunkInput(RunFixture& f, int c) {
    Cexec& e = f.run->exec();
    e.putBounds(c);
    const std::string path = f.file("Temp/check." + std::to_string(c));
    e.write_Tempfile(e.chunkTypes[std::size_t(c - 1)], path, c);
    std::string text = testing::readFile(path);
    for (int line = 0; line < 2; ++line) text.erase(0, text.find("\r\n") + 2);
    return text;
}

TEST(RunSetUpHydration,
     EquivalentAgeAndConvectionMadeInTheWindowsReopenToTheSameSolverInputAndTheSameResults) {
    RunFixture f;
    f.openModel();
    f.dialogs.inputAnswers.push_back("12");
    f.run->parameterClicked(4);
    f.run->showSource = [&f](frmSource& w) {
        w.chooseABt();
        w.toggleEquivalentAge(true);
        f.dialogs.inputAnswers.insert(f.dialogs.inputAnswers.end(), {"33826", "21.1"});
        w.editValue(kActivationEnergyBox);
        w.editValue(kReferenceTempBox);
    };
    f.run->concreteSource();
    std::ofstream(f.data("air 19.ts"), std::ios::binary) << testing::crlf({"2", "0,19", "200,19"});
    f.run->showConds = [&f](frmConds& w) {
        w.selectMaterial(0);
        f.dialogs.fileAnswers.push_back(f.data("soil.ts"));
        w.chooseSpecified();
        w.selectMaterial(1);
        w.chooseConvection();
        f.dialogs.fileAnswers.push_back(f.data("air 19.ts"));
        w.askTimeSeriesFile();
        f.dialogs.inputAnswers.insert(f.dialogs.inputAnswers.end(), {".181", "6", "3.5"});
        w.editFaceCell(0, 1);
        w.addChangeTime();
        w.editFaceCell(1, 6);
        w.selectMaterial(1);
        w.selectMaterial(0);
    };
    f.run->modelSpecifications();
    ASSERT_TRUE(f.itemEnabled("mnuExecute")) << ::testing::PrintToString(f.dialogs.messageTexts());
    const CBoundarytype& concrete = *f.run->exec().Boundx[1];
    ASSERT_TRUE(concrete.flagConvection);
    ASSERT_EQ(concrete.facePoints.size(), 2u);
    ASSERT_EQ(concrete.bndyTSpoints, 2);

    const std::string setup = f.data("tower hydration.vrs");
    f.dialogs.fileAnswers.push_back(setup);
    f.run->saveSetup();
    const std::string saved = testing::readFile(setup);
    EXPECT_NE(saved.find("\r\nequivalentage=True\r\nactivationenergy=            33826 \r\n"),
              std::string::npos)
        << saved;
    EXPECT_NE(saved.find("\r\nconvection=   True\r\nfacepoints=    2 \r\n"
                         "faces=         0             .181          8             8             8 "
                         "            0             8 \r\n"),
              std::string::npos)
        << saved;

    const std::string made[2] = {chunkInput(f, 1), chunkInput(f, 2)};
    for (const std::string& text : made) {
        EXPECT_NE(text.find("\r\nEquivalentAge=True\r\n"), std::string::npos);
        EXPECT_NE(text.find("\r\nConvection=   True\r\nFacePoints=    2 \r\n"), std::string::npos);
    }
    // Reopened in a fresh window.
    f.dialogs.fileAnswers.push_back(setup);
    f.run->openSetup();
    ASSERT_TRUE(f.itemEnabled("mnuExecute")) << ::testing::PrintToString(f.dialogs.messageTexts());
    EXPECT_EQ(chunkInput(f, 1), made[0]);
    EXPECT_EQ(chunkInput(f, 2), made[1]);

    f.run->execute();
    f.tickUntilDone();
    ASSERT_EQ(f.run->outcome(), RunOutcome::Completed)
        << ::testing::PrintToString(f.dialogs.messageTexts());
    std::ostringstream out;
    const std::string folder = f.file("headless run");
    ASSERT_EQ(runHeadless(f.app, f.posix, testing::headlessOptions(setup, folder), out), 0)
        << out.str();
    for (const char* name : {"tower.1", "tower.2", "TSeries.1", "TSeries.2", "Tmax.1", "Tmax.2",
                             "Summary.1", "Summary.2"}) {
        ASSERT_TRUE(f.app.fs.fileExists(f.file(name))) << name;
        EXPECT_EQ(testing::readFile(folder + "/" + name), testing::readFile(f.file(name))) << name;
    }
}

} // namespace
} // namespace vardex

#endif
