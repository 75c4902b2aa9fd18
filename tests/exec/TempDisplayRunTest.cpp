// A two-chunk run through the real solver, collected by the execution window, then shown chunk by
// chunk.

#ifdef VARDEX_ZOLTER

#include <sstream>

#include <gtest/gtest.h>

#include "exec/DisplaySource.h"
#include "exec/RunFixture.h"
#include "exec/frmTemp.h"
#include "support/RecordingCanvas.h"

namespace vardex {
namespace {

// The numbers of a field file, in file order.
std::vector<float> numbers(const std::string& path) {
    std::istringstream in(testing::readFile(path));
    std::vector<float> values;
    for (float v; in >> v;) values.push_back(v);
    return values;
}

TEST(TempDisplayRun, TheFieldsOfATwoChunkSolverRunAreShownChunkByChunk) {
    testing::RunFixture f;
    f.setUp();
    f.run->execute();
    f.tickUntilDone();
    ASSERT_EQ(f.run->outcome(), RunOutcome::Completed) << f.run->failure();

    const Cexec& exec = f.run->exec();
    testing::RecordingCanvas picture(500, 300), scale(20, 300);
    f.dialogs.messages.clear();
    frmTemp window(
        f.app, f.dialogs, picture, scale,
        modelDisplaySource(f.app, "model", exec.modelfile, exec.runName, exec.chunkTypes));
    window.load();
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.messages.at(0).text;
    EXPECT_EQ(window.state().Text1, "tower");
    ASSERT_EQ(window.sections().size(), 2u);
    EXPECT_EQ(window.state().cboChunk.items, (std::vector<std::string>{"Chunk 1", "Chunk 2"}));

    for (int k = 1; k <= 2; ++k) {
        const CrossSection& s = window.sections()[k - 1];
        EXPECT_EQ(numbers(f.file("tower." + std::to_string(k))), s.field.values()) << k;
        // The concrete in the middle heated itself above the soil held at 15 to 20 C.
        EXPECT_GT(s.field.at(2, 2, 1), 20.0f);
        EXPECT_GT(s.scale.maximum, s.scale.minimum);
    }
    EXPECT_DOUBLE_EQ(window.sections()[0].aspect, 4 * 0.5 / (3 * 0.5));
    EXPECT_EQ(window.sections()[0].nz, 2);
    EXPECT_EQ(window.sections()[1].nz, 3);
    // The last chunk is the one shown, in its middle layer.
    EXPECT_EQ(window.state().VScroll1.max, 3);
    EXPECT_EQ(window.state().txtLayer, "2");
    ASSERT_EQ(picture.sinceClear(testing::DrawOp::CellGrid).size(), 1u);
    EXPECT_EQ(picture.sinceClear(testing::DrawOp::CellGrid)[0].cells.size(), 12u);

    window.cboChunk_Click(0);
    EXPECT_EQ(window.state().VScroll1.max, 2);
    EXPECT_EQ(window.state().txtLayer, "1");
    ASSERT_EQ(picture.sinceClear(testing::DrawOp::CellGrid).size(), 1u);
}

} // namespace
} // namespace vardex

#endif
