// The solver input the run set-up writes, run through the solver the way the batch file runs it.

#ifdef VARDEX_ZOLTER

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/ProgramStarter.h"
#include "run/Cexec.h"
#include "run/SolverLaunchFiles.h"
#include "support/AppFixture.h"
#include "support/CurrentFolder.h"
#include "support/ModelTypes.h"

namespace vardex {
namespace {

using testing::SectionContent;
using testing::TypeContent;

// Numbers of a field file: nz blocks of ny lines of nx numbers.
std::vector<std::vector<double>> fieldLines(const std::string& path) {
    std::istringstream in(testing::readFile(path));
    std::vector<std::vector<double>> lines;
    for (std::string line; std::getline(in, line);) {
        std::istringstream numbers(line);
        std::vector<double> values;
        for (double v; numbers >> v;) values.push_back(v);
        if (!values.empty()) lines.push_back(values);
    }
    return lines;
}

TEST(SolverRun, ATempFileOfTheRunSetUpRunsThroughTheSolver) {
    testing::AppFixture f;
    Cexec exec(f.app);
    TypeContent type;
    type.name = "Block";
    type.nz = 3;
    type.dz = 0.5f;
    type.layers = {1, 1, 1};
    type.sections = {SectionContent{
        "block",
        4,
        3,
        0.5f,
        0.5f,
        {{1, 1, 1, 1}, {1, 2, 2, 1}, {1, 1, 1, 1}},
        {{"Soil", 1.5f, 1.1f, 1800.0f, 0.0f}, {"Concrete", 2.6f, 0.92f, 2350.0f, 1.0f}}}};
    testing::addType(f.app, f.home.path(), type);
    exec.chunkTypes = {1};
    ASSERT_EQ(exec.alignSubMods(), AlignResult::Done);
    exec.Boundx[0]->flagDirichlet = true; // soil held at its initial temperature
    exec.Boundx[0]->initValue = 15.0f;
    exec.alignChkBounds();
    exec.putBounds(1);
    exec.endtime = 24;
    exec.itmax = 22;
    exec.modelfile = f.home.file("block.mod");

    testing::CurrentFolder cwd(f.home.path());
    std::string temp = f.app.fs.join(f.app.config.TempDir, "tempfile.1");
    exec.write_Tempfile(1, temp, 1);
    writeRecordingIndexFile(f.app.fs, f.app.fs.join(f.app.config.TempDir, kRecordingIndexFileName),
                            {{2, 2, 2}});
    std::string batch = f.home.file(kBatchFileName);
    writeBatchFile(batch,
                   solverCommandLine("\"" VARDEX_ZOLTER "\"", temp, "STDOUT.1", "clrthred.tmp"));
    std::string script =
        f.home.write("project.sh", batchToShellScript(parseBatchFile(testing::readFile(batch))));
    ASSERT_EQ(std::system(("/bin/sh " + script).c_str()), 0)
        << testing::readFile(f.home.file("STDOUT.1"));

    EXPECT_EQ(testing::readFile(f.home.file("clrthred.tmp")).substr(0, 2), "OK");
    // The final field, named after the model, in layers of rows.
    std::vector<std::vector<double>> field = fieldLines(f.home.file("block"));
    ASSERT_EQ(field.size(), 3u * 3u);
    for (const auto& row : field) EXPECT_EQ(row.size(), 4u);
    // The concrete heated itself above its placement temperature; the held soil edge did not.
    std::vector<std::vector<double>> tmax = fieldLines(f.home.file("Tmax.out"));
    ASSERT_EQ(tmax.size(), 9u);
    EXPECT_GT(tmax[4][1], exec.Src.placementTemp);
    EXPECT_TRUE(f.app.fs.fileExists(f.app.fs.join(f.app.config.OutputDir, "block.1.out")));
    EXPECT_TRUE(f.app.fs.fileExists(f.home.file("Center.out")));
}

} // namespace
} // namespace vardex

#endif
