// A two-chunk run through the real solver, collected as the execution control collects it, then
// shown chunk by chunk.

#ifdef VARDEX_ZOLTER

#include <cstdlib>
#include <sstream>

#include <gtest/gtest.h>

#include "exec/DisplaySource.h"
#include "exec/frmTemp.h"
#include "platform/ProgramStarter.h"
#include "run/Cexec.h"
#include "run/SolverLaunchFiles.h"
#include "support/AppFixture.h"
#include "support/CurrentFolder.h"
#include "support/ModelTypes.h"
#include "support/RecordingCanvas.h"

namespace vardex {
namespace {

using testing::SectionContent;
using testing::TypeContent;

// The numbers of a field file, in file order.
std::vector<float> numbers(const std::string& path) {
    std::istringstream in(testing::readFile(path));
    std::vector<float> values;
    for (float v; in >> v;) values.push_back(v);
    return values;
}

TypeContent type(const std::string& name, int nx, int ny, int nz, float dx) {
    TypeContent t;
    t.name = name;
    t.nz = nz;
    t.dz = 0.5f;
    t.layers.assign(nz, 1);
    std::vector<std::vector<int>> rows(ny, std::vector<int>(nx, 2));
    for (auto& row : rows) row.front() = row.back() = 1;
    t.sections = {SectionContent{
        name,
        nx,
        ny,
        dx,
        0.5f,
        rows,
        {{"Soil", 1.5f, 1.1f, 1800.0f, 0.0f}, {"Concrete", 2.6f, 0.92f, 2350.0f, 1.0f}}}};
    return t;
}

TEST(TempDisplayRun, TheFieldsOfATwoChunkSolverRunAreShownChunkByChunk) {
    testing::AppFixture f;
    Cexec exec(f.app);
    testing::addType(f.app, f.home.path(), type("footing", 5, 3, 2, 1.0f));
    testing::addType(f.app, f.home.path(), type("column", 4, 4, 3, 0.5f));
    exec.chunkTypes = {1, 2};
    ASSERT_EQ(exec.alignSubMods(), AlignResult::Done);
    exec.Boundx[0]->flagDirichlet = true;
    exec.Boundx[0]->initValue = 15.0f;
    exec.alignChkBounds();
    exec.endtime = 24;
    exec.itmax = 22;
    exec.modelfile = f.home.file("pier.mod");

    testing::CurrentFolder cwd(f.home.path());
    for (int run = 1; run <= 2; ++run) {
        exec.putBounds(run);
        const std::string temp = "tempfile." + std::to_string(run);
        const std::string marker = "marker." + std::to_string(run);
        exec.write_Tempfile(exec.chunkTypes[run - 1], temp, run);
        const std::string batch = f.home.file(kBatchFileName);
        writeBatchFile(batch, solverCommandLine("\"" VARDEX_ZOLTER "\"", temp,
                                                "stdout." + std::to_string(run), marker));
        std::string script = f.home.write(
            "project.sh", batchToShellScript(parseBatchFile(testing::readFile(batch))));
        ASSERT_EQ(std::system(("/bin/sh " + script).c_str()), 0);
        ASSERT_EQ(testing::readFile(f.home.file(marker)).substr(0, 2), "OK");
        // Collected under the chunk's number, as the execution control does.
        ASSERT_TRUE(f.app.fs.copyFile(exec.runName, exec.runName + "." + std::to_string(run)));
    }

    testing::RecordingCanvas picture(500, 300), scale(20, 300);
    DisplaySource source =
        modelDisplaySource(f.app, "model", exec.modelfile, exec.runName, exec.chunkTypes);
    frmTemp window(f.app, f.dialogs, picture, scale, source);
    window.load();
    EXPECT_TRUE(f.dialogs.messages.empty()) << f.dialogs.messages.at(0).text;
    EXPECT_EQ(window.state().Text1, "pier");
    ASSERT_EQ(window.sections().size(), 2u);
    EXPECT_EQ(window.state().cboChunk.items, (std::vector<std::string>{"Chunk 1", "Chunk 2"}));

    for (int k = 1; k <= 2; ++k) {
        const CrossSection& s = window.sections()[k - 1];
        const std::vector<float> file = numbers(f.home.file("pier." + std::to_string(k)));
        EXPECT_EQ(file, s.field.values()) << k;
        // The concrete in the middle heated itself above the held soil.
        EXPECT_GT(s.field.at(2, 2, 1), 15.0f);
        EXPECT_GT(s.scale.maximum, s.scale.minimum);
    }
    EXPECT_EQ(window.sections()[0].nx, 5);
    EXPECT_DOUBLE_EQ(window.sections()[0].aspect, 5 * 1.0 / (3 * 0.5));
    EXPECT_EQ(window.sections()[1].nz, 3);
    // The last chunk is the one shown, in its middle layer.
    EXPECT_EQ(window.state().txtnx, "4");
    EXPECT_EQ(window.state().txtLayer, "2");
    ASSERT_EQ(picture.sinceClear(testing::DrawOp::CellGrid).size(), 1u);
    EXPECT_EQ(picture.sinceClear(testing::DrawOp::CellGrid)[0].cells.size(), 16u);

    window.cboChunk_Click(0);
    EXPECT_EQ(window.state().txtnx, "5");
    EXPECT_EQ(window.state().VScroll1.max, 2);
    ASSERT_EQ(picture.sinceClear(testing::DrawOp::CellGrid).size(), 1u);
    EXPECT_EQ(picture.sinceClear(testing::DrawOp::CellGrid)[0].cells.size(), 15u);
}

} // namespace
} // namespace vardex

#endif
