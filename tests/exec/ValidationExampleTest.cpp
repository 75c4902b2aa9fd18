// The bundled validation example (an insulated block with an a b t source and equivalent age)
// opens from its set-up ready to execute, hands the solver the block as described and runs.

#ifdef VARDEX_ZOLTER

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "exec/HeadlessRun.h"
#include "exec/RunFixture.h"
#include "support/Examples.h"

namespace vardex {
namespace {

TEST(ValidationExample,
     TheBundledBlockOpensReadyAndRunsInTheWindowAndWithoutWindowsToTheSameFilesWithinItsRise) {
    testing::RunFixture f;
    testing::layOutExamples(f.file("data"));
    f.dialogs.fileAnswers = {f.data("block.vrs")};
    f.run->openSetup();
    ASSERT_TRUE(f.itemEnabled("mnuExecute")) << ::testing::PrintToString(f.dialogs.messageTexts());
    Cexec& e = f.run->exec();
    EXPECT_EQ(f.run->chunkCount(), 1);
    EXPECT_EQ(e.endtime, 176.3);
    EXPECT_FALSE(e.concentric);
    ASSERT_EQ(e.Boundx.size(), 1u);
    const CBoundarytype& block = *e.Boundx[0];
    EXPECT_TRUE(block.flagConvection);
    EXPECT_EQ(block.bndyTSpoints, 2); // 19 C ambient beyond the run's end: not extended
    // The two recording points: the plan centre at .66 m and the top cell.
    EXPECT_EQ(f.run->state().txtP[5], " 2");

    e.putBounds(1);
    const std::string path = f.file("block.check");
    e.write_Tempfile(1, path, 1);
    const std::string text = testing::readFile(path);
    for (const char* lines :
         {"\r\nABtFlag=      True\r\nConcreteRho=   2298.4 \r\nPlacement=     13.33 \r\n"
          "Qcementitious= 84.198 \r\nsourceP1=      .742 \r\nsourceP2=      1.065 \r\n"
          "sourceP3=      17.483 \r\n",
          "\r\nEquivalentAge=True\r\nActivationEnergy=            33826 \r\n"
          "ReferenceTemperature=        21.1 \r\n[End Sources]\r\n",
          "\r\n[Boundaries]\r\nDDDDDD\r\n",
          "\r\nConvection=   True\r\nFacePoints=    1 \r\n"
          " 0             .181          .181          .181          .181          0             8 "
          "\r\n",
          "\r\nnx=            20 \r\nny=            20 \r\nnz=            20 \r\n"
          "dx=            .06095 \r\ndy=            .06095 \r\ndz=            .09145 \r\n",
          "\r\nthermal conductivity=        1.95 \r\nspecific heat= 1.075 \r\n"
          "density=       2298.4 \r\nheat production=             1 \r\n"})
        EXPECT_NE(text.find(lines), std::string::npos) << lines << "\n" << text;

    f.dialogs.messages.clear();
    f.run->execute();
    // A ceiling, not a wait: the sanitizer build on a loaded machine needs far longer than GCC.
    f.tickUntilDone(12000);
    ASSERT_EQ(f.dialogs.messageTexts(),
              std::vector<std::string>{"Completed all  1 sub-models included."});

    // All the heat the concrete can give, 84.198 kJ/kg * .742 / 1.075 kJ/(kg C), is a rise of
    // 58.1 C above 13.33 C: the block must heat well up but never beyond that.
    std::istringstream tmax(testing::readFile(f.file("Tmax.1")));
    double highest = 0;
    for (double t; tmax >> t;) highest = std::max(highest, t);
    EXPECT_GT(highest, 13.33 + 30.0);
    EXPECT_LT(highest, 13.33 + 58.2);

    std::ostringstream out;
    const std::string folder = f.file("from the set-up");
    ASSERT_EQ(
        runHeadless(f.app, f.posix, testing::headlessOptions(f.data("block.vrs"), folder), out), 0)
        << out.str();
    for (const char* name : {"block.1", "TSeries.1", "Summary.1", "Tmax.1"})
        EXPECT_EQ(testing::readFile(folder + "/" + name), testing::readFile(f.file(name))) << name;
}

} // namespace
} // namespace vardex

#endif
