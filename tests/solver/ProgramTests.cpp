// The zolter program end to end: command line, output files, marker and exit status.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "Cases.h"
#include "TempFileText.h"
#include "TestFiles.h"

namespace zolter {
namespace {

namespace fs = std::filesystem;

using test::slurp;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        out.push_back(l);
    }
    return out;
}

class Program : public ::testing::Test {
  protected:
    int run(const std::string& tempText) { return program_.run(tempText); }
    std::string marker() const { return program_.marker(); }
    std::string log() const { return program_.log(); }

    test::ProgramFolder program_;
    const fs::path& dir_ = program_.dir;
};

SolverInput smallCase() {
    return test::smallChunk();
}

TEST_F(Program, ARunWithEquivalentAgeAndConvectiveFacesPassesItsChecksAndSaysWhatItUsed) {
    // A block under an open top and formwork stripped at 4 h, its base on no-flow ground.
    SolverInput in = test::block(4, 4, 6, 0.15, test::concrete(1.0), 13.33);
    in.faces = "DDDDDD";
    test::insulatedBlockSource(in.hydration);
    in.boundaries = {test::convective(
        1, 19.0, {{0.0, {.181, .181, .181, .181, 0, 8}}, {4.0, {8, 8, 8, 8, 0, 8}}},
        {{0.0, 19.0}, {10.0, 15.0}})};
    in.times = {0.63, 0.0, 10.0, 1.5, 0.003, 23};
    ASSERT_EQ(run(tempFileText(in)), 0) << log();
    EXPECT_EQ(marker(), "OK\r\n") << log();
    EXPECT_NE(log().find("convective, 2 row(s) of face coefficients"), std::string::npos);
    EXPECT_NE(log().find("age: equivalent age, activation energy 33826 J/mol"), std::string::npos);
    // A step lands on the change at 4 h.
    EXPECT_NE(slurp(dir_ / "Center.out").find("\r\n4,"), std::string::npos);
}

TEST_F(Program, WritesTheFieldsHistoryLogAndMarker) {
    std::ofstream(dir_ / "temp" / "Series.pr", std::ios::binary)
        << " 2 \r\n 1  1  1 \r\n 4  3  2 \r\n";
    ASSERT_EQ(run(tempFileText(smallCase())), 0) << log();
    EXPECT_EQ(marker(), "OK\r\n");
    // nz blocks of ny lines of nx numbers, in the file named after the model and at output=.
    const std::vector<std::string> field = lines(slurp(dir_ / "shaft"));
    ASSERT_EQ(field.size(), 2u * 3u);
    for (const std::string& l : field) {
        std::istringstream in(l);
        int count = 0;
        for (double v; in >> v;) ++count;
        EXPECT_EQ(count, 4) << l;
    }
    EXPECT_EQ(slurp(dir_ / "out" / "sub" / "shaft.1.out"), slurp(dir_ / "shaft"));
    const std::vector<std::string> tmax = lines(slurp(dir_ / "Tmax.out"));
    ASSERT_EQ(tmax.size(), 6u);
    // Layer 1, row 2 is concrete (started at 25 C and heating): its highest is at least 25.
    EXPECT_GE(std::stod(lines(slurp(dir_ / "Tmax.out"))[1]), 25.0);
    // History: start and the three steps (2.5, 2.5, 1 h); centre cell then the two points.
    const std::vector<std::string> h = lines(slurp(dir_ / "Center.out"));
    ASSERT_EQ(h.size(), 5u);
    EXPECT_EQ(h[0], "4");
    EXPECT_EQ(h[1].substr(0, 2), "0,");
    EXPECT_EQ(h[4].substr(0, 2), "6,");
    EXPECT_EQ(std::count(h[2].begin(), h[2].end(), ','), 3);
    // Point (1, 1, 1) is concrete placed at 25 C; point (4, 3, 2) soil at its record's 12 C.
    EXPECT_EQ(h[1], "0,25.00000,25.00000,12.00000");
    const std::string l = log();
    EXPECT_NE(l.find("grid: 4 x 3 x 2"), std::string::npos);
    EXPECT_NE(l.find("step 3  t= 6 h  dt= 1 h"), std::string::npos) << l;
    EXPECT_NE(l.find("wall time"), std::string::npos);
    // The chunk's heat balance and temperature range, within their bounds.
    EXPECT_NE(l.find("heat balance: released "), std::string::npos) << l;
    EXPECT_NE(l.find("temperatures: lowest "), std::string::npos) << l;
}

TEST_F(Program, ARunWhoseHeatBalanceFailsKeepsItsOutputsAndWarnsInItsMarkerAfterOK) {
    // The test seam: the cells lose 1 % of the heat released.
    ::setenv("ZOLTER_TEST_LOSE_HEAT", "0.01", 1);
    const int status = run(tempFileText(smallCase()));
    ::unsetenv("ZOLTER_TEST_LOSE_HEAT");
    ASSERT_EQ(status, 0) << log();
    const std::string warning =
        "WARNING: the heat balance is off by 1 % of the heat released (0.1 % allowed)";
    EXPECT_EQ(marker(), "OK\r\n" + warning + "\r\n");
    EXPECT_NE(log().find(warning), std::string::npos) << log();
    EXPECT_NE(log().find("ZOLTER_TEST_LOSE_HEAT"), std::string::npos) << log();
    EXPECT_EQ(lines(slurp(dir_ / "Center.out")).size(), 5u);
}

TEST_F(Program, WithoutARecordingIndexFileOnlyTheCentreIsRecorded) {
    ASSERT_EQ(run(tempFileText(smallCase())), 0);
    const std::vector<std::string> h = lines(slurp(dir_ / "Center.out"));
    ASSERT_GE(h.size(), 2u);
    EXPECT_EQ(std::count(h[1].begin(), h[1].end(), ','), 1);
    EXPECT_NE(log().find("centre cell only"), std::string::npos);
}

TEST_F(Program, AStepThatDoesNotConvergeIsHalvedAndTheLogSaysSo) {
    // More cells than the coarsest level holds, so one iteration is not always enough.
    SolverInput in = test::block(9, 8, 7, 0.1, test::concrete(1.0), 25.0);
    in.materials.push_back({"soil", 1.2, 0.8, 1800.0, 0.0});
    in.sections[0][0] = 2;
    in.faces = "DDDDDD";
    in.boundaries = {test::held(1, 12.0, {{0.0, 0.0}})};
    in.times = {0.63, 0.0, 6.0, 2.5, 1e-5, 1};
    ASSERT_EQ(run(tempFileText(in)), 0) << log();
    EXPECT_EQ(marker(), "OK\r\n");
    EXPECT_NE(log().find("did not converge within itmax; halved"), std::string::npos) << log();
    // The run still ends on the end time.
    const std::vector<std::string> h = lines(slurp(dir_ / "Center.out"));
    EXPECT_EQ(h.back().substr(0, 2), "6,");
}

TEST_F(Program, AStepThatCannotConvergeIsHalvedAndFinallyFails) {
    SolverInput in = smallCase();
    in.times.errmax = 1e-30;
    in.times.itmax = 1;
    test::expectFailed(program_, run(tempFileText(in)), "did not converge");
}

struct Fault {
    const char* name;
    std::string (*edit)(std::string);
    const char* reason;
};

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string keyLine(std::string text, const std::string& key, const std::string& value) {
    const std::size_t at = text.find("\r\n" + key) + 2;
    const std::size_t end = text.find("\r\n", at);
    return text.replace(at, end - at, key + value);
}

const Fault kFaults[] = {
    {"missing_file", [](std::string) { return std::string(); }, "cannot open the temp file"},
    {"truncated_file", [](std::string t) { return t.substr(0, t.find("[Sectiongeometry]") + 20); },
     "ends"},
    {"short_grid_row", [](std::string t) { return replaced(t, "2,2,2,2\r\n", "2,2,2\r\n"); },
     "row 1 of section 2 holds 3 numbers, not 4"},
    {"material_without_block", [](std::string t) { return replaced(t, "1,1,1,1", "1,1,7,1"); },
     "material number 7"},
    {"zero_density", [](std::string t) { return keyLine(t, "density=", "      0 "); }, "density"},
    {"zero_specific_heat", [](std::string t) { return keyLine(t, "specific heat=", " 0 "); },
     "specific heat"},
    {"nz_without_sections", [](std::string t) { return keyLine(t, "sectionfiles=", " 0 "); },
     "no sections"},
    {"zero_step",
     [](std::string t) { return replaced(t, " 2.5           .003", " 0             .003"); },
     "dtmax must be positive"},
    {"end_before_start",
     [](std::string t) {
         return replaced(t, " 0             6             2.5", " 9             6             2.5");
     },
     "end time must be after the start time"},
};

class Faults : public Program, public ::testing::WithParamInterface<Fault> {};

TEST_P(Faults, EndTheRunWithTheReasonInLogAndMarker) {
    test::expectFailed(program_, run(GetParam().edit(tempFileText(smallCase()))),
                       GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(Input, Faults, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zolter
