// A run set-up made through the windows (equivalent age, held and convective faces, recording
// points, limits) travels through a saved set-up: reopened, it gives the solver the same input,
// byte for byte, and run in the window and without windows it gives the same results.

#ifdef VARDEX_ZOLTER

#include <gtest/gtest.h>

#include <sstream>

#include "app/Cstartup.h"
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
     ASetUpMadeInTheWindowsReopensToTheSameSolverInputAndRunsToTheSameFilesWithoutWindows) {
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
    f.addRecordingPoints();
    f.run->limits = {30.0, 2.5};
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
    // The histories name the centre and each chunk's own recording point by place.
    const std::vector<HistorySource> sources = f.run->historySources();
    ASSERT_EQ(sources.size(), 2u);
    auto texts = [](const std::vector<PointPlace>& places) {
        std::vector<std::string> t;
        for (const PointPlace& p : places) t.push_back(p.text(DisplayUnits{}));
        return t;
    };
    EXPECT_EQ(texts(sources[0].labels),
              (std::vector<std::string>{"chunk 1 centre (0.75, 0.75, 0.25 m)",
                                        "chunk 1 point 1 (1.2, 0.7, 0.6 m)"}));
    EXPECT_EQ(texts(sources[1].labels),
              (std::vector<std::string>{"chunk 2 centre (0.75, 0.75, 1.75 m)",
                                        "chunk 2 point 2 (1.2, 0.7, 1.9 m)"}));

    // Without windows the run leaves the user's settings alone and collects the same files.
    const std::string ini = f.file(kIniFileName);
    std::ofstream(ini, std::ios::binary) << testing::readFile(ini) << "; the user's own line\r\n";
    const std::string iniBefore = testing::readFile(ini);
    std::ostringstream out;
    const std::string folder = f.file("headless run");
    ASSERT_EQ(runHeadless(f.app, f.posix, testing::headlessOptions(setup, folder), out), 0)
        << out.str();
    EXPECT_EQ(testing::readFile(ini), iniBefore);
    for (const char* name : {"tower.1", "tower.2", "TSeries.1", "TSeries.2", "Tmax.1", "Tmax.2",
                             "Summary.1", "Summary.2"}) {
        ASSERT_TRUE(f.app.fs.fileExists(f.file(name))) << name;
        EXPECT_EQ(testing::readFile(folder + "/" + name), testing::readFile(f.file(name))) << name;
    }
    // Each chunk is reported as it ends, before the completion; a sound run warns of nothing;
    // the saved limits came along: a 30 C peak limit the concrete's heat exceeds.
    const std::string printed = out.str();
    const std::size_t last = printed.find("chunk 2 of 2 done");
    ASSERT_NE(last, std::string::npos) << printed;
    EXPECT_LT(printed.find("chunk 1 of 2 done"), last) << printed;
    EXPECT_GT(printed.find("Completed all  2 sub-models included."), last) << printed;
    EXPECT_EQ(printed.find("WARNING"), std::string::npos) << printed;
    EXPECT_NE(printed.find("limits: 30.0 C peak, 2.5 C difference"), std::string::npos) << printed;
}

} // namespace
} // namespace vardex

#endif
