// Summary.out: the highest temperature and the largest core-to-surface difference per time point,
// checked against the fields the solver wrote.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>

#include "Cases.h"
#include "TempFileText.h"
#include "TestFiles.h"

namespace zolter {
namespace {

namespace fs = std::filesystem;

using test::slurp;

std::vector<double> numbers(const std::string& text, char separator) {
    std::string spaced = text;
    for (char& c : spaced)
        if (c == separator || c == '\r') c = ' ';
    std::istringstream in(spaced);
    std::vector<double> values;
    for (double v; in >> v;) values.push_back(v);
    return values;
}

struct Summary {
    int count = 0;
    std::vector<std::vector<double>> rows; // time, peak, i, j, k, difference, core ijk, surface ijk
};

Summary readSummary(const fs::path& p) {
    std::istringstream in(slurp(p));
    Summary s;
    std::string line;
    std::getline(in, line);
    s.count = std::stoi(line);
    while (std::getline(in, line))
        if (!line.empty() && line != "\r") s.rows.push_back(numbers(line, ','));
    return s;
}

class ThermalSummaryProgram : public ::testing::Test {
  protected:
    void expectLastLineFromTheField(const SolverInput& in);

    void run(const SolverInput& in) {
        ASSERT_EQ(program_.run(tempFileText(in)), 0) << program_.log();
    }

    test::ProgramFolder program_;
    const fs::path& dir_ = program_.dir;
};

// Heat-producing block inside a ring of soil, so the concrete has a surface of its own.
SolverInput blockInSoil(const std::string& faces) {
    SolverInput in = test::block(6, 5, 4, 0.1, test::concrete(1.0), 20.0);
    in.materials.push_back({"soil", 1.2, 0.8, 1800.0, 0.0});
    std::vector<int> section(30, 2);
    for (int j = 1; j <= 3; ++j)
        for (int i = 1; i <= 4; ++i) section[std::size_t(i + 6 * j)] = 1;
    in.sections = {section};
    in.faces = faces;
    in.boundaries = {test::held(2, 5.0)};
    in.hydration.qCementitious = 300.0;
    in.hydration.concreteRho = 2400.0;
    in.times = {0.63, 0.0, 12.0, 3.0, 1e-6, 60};
    return in;
}

TEST_F(ThermalSummaryProgram,
       AnInsulatedConcreteBlockPeaksAtItsAdiabaticTemperatureWithNoDifference) {
    SolverInput in = test::block(4, 3, 3, 0.2, test::concrete(1.0), 15.0);
    in.hydration.qCementitious = 250.0;
    in.hydration.concreteRho = 2400.0;
    in.times = {0.63, 0.0, 24.0, 6.0, 1e-9, 60};
    run(in);
    const Summary s = readSummary(dir_ / "Summary.out");
    ASSERT_EQ(s.count, 5); // the start and four steps
    ASSERT_EQ(s.rows.size(), 5u);
    // Every cell holds the adiabatic temperature: the field's peak is any cell's value.
    const std::vector<double> field = numbers(slurp(dir_ / "shaft"), ' ');
    for (const std::vector<double>& row : s.rows) EXPECT_EQ(row.size(), 12u);
    EXPECT_EQ(s.rows[0][0], 0.0);
    EXPECT_EQ(s.rows[0][1], 15.0);
    EXPECT_EQ(s.rows[4][0], 24.0);
    EXPECT_NEAR(s.rows[4][1], field[0], 1e-5);
    EXPECT_GT(s.rows[4][1], 30.0);
    // Insulated faces are not surfaces: no difference, no cells named.
    for (const std::vector<double>& row : s.rows) {
        EXPECT_EQ(row[5], 0.0);
        EXPECT_EQ(row[6], 0.0);
    }
}

// Runs the block in soil and checks the last line of Summary.out against the final field: the
// concrete's surface is its soil border only.
void ThermalSummaryProgram::expectLastLineFromTheField(const SolverInput& in) {
    run(in);
    const Summary s = readSummary(dir_ / "Summary.out");
    ASSERT_EQ(static_cast<int>(s.rows.size()), s.count);
    const std::vector<double>& last = s.rows.back();
    EXPECT_EQ(last[0], 12.0);

    const std::vector<double> field = numbers(slurp(dir_ / "shaft"), ' ');
    ASSERT_EQ(field.size(), 6u * 5u * 4u);
    auto at = [&](int i, int j, int k) { return field[std::size_t(i + 6 * j + 30 * k)]; };
    auto isConcrete = [&](int i, int j, int) {
        return i >= 0 && i < 6 && j >= 0 && j < 5 && in.sections[0][std::size_t(i + 6 * j)] == 1;
    };
    // The peak and its cell.
    double peak = -1e9;
    int pi = 0, pj = 0, pk = 0;
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 5; ++j)
            for (int i = 0; i < 6; ++i)
                if (at(i, j, k) > peak) {
                    peak = at(i, j, k);
                    pi = i, pj = j, pk = k;
                }
    EXPECT_NEAR(last[1], peak, 1e-5);
    EXPECT_EQ(last[2], pi + 1);
    EXPECT_EQ(last[3], pj + 1);
    EXPECT_EQ(last[4], pk + 1);

    // Surface: concrete next to soil, or on the held bottom face (the soil holds the record, so
    // concrete on face 5 is not held there: the concrete's surface is its soil border only).
    auto onSurface = [&](int i, int j, int k) {
        return !isConcrete(i - 1, j, k) || !isConcrete(i + 1, j, k) || !isConcrete(i, j - 1, k) ||
               !isConcrete(i, j + 1, k);
    };
    // Walk each of the six directions to the first surface cell; the nearest counts.
    double largest = 0;
    const int step[6][3] = {{-1, 0, 0}, {1, 0, 0}, {0, -1, 0}, {0, 1, 0}, {0, 0, -1}, {0, 0, 1}};
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 5; ++j)
            for (int i = 0; i < 6; ++i) {
                if (!isConcrete(i, j, k)) continue;
                double best = std::numeric_limits<double>::infinity(), difference = 0;
                for (const auto& d : step) {
                    int a = i, b = j, c = k, n = 0;
                    while (a >= 0 && a < 6 && b >= 0 && b < 5 && c >= 0 && c < 4 &&
                           isConcrete(a, b, c)) {
                        if (onSurface(a, b, c)) {
                            if (n * 0.1 < best) {
                                best = n * 0.1;
                                difference = std::abs(at(i, j, k) - at(a, b, c));
                            }
                            break;
                        }
                        a += d[0], b += d[1], c += d[2], ++n;
                    }
                }
                largest = std::max(largest, difference);
            }
    EXPECT_GT(largest, 0.01);
    EXPECT_NEAR(last[5], largest, 2e-5);
    // The core cell is inside the block, its surface cell on the block's border.
    EXPECT_FALSE(onSurface(int(last[6]) - 1, int(last[7]) - 1, int(last[8]) - 1));
    EXPECT_TRUE(onSurface(int(last[9]) - 1, int(last[10]) - 1, int(last[11]) - 1));
}

TEST_F(ThermalSummaryProgram, TheLastLineAgreesWithTheFinalFieldComputedIndependently) {
    // Soil around the block, and the bottom face held, so the block cools from its sides (through
    // the soil) and the bottom.
    expectLastLineFromTheField(blockInSoil("IIIIDI"));
}

TEST_F(ThermalSummaryProgram, OfSeveralRecordsOfOneMaterialTheFirstDecidesWhetherItIsHeld) {
    // The concrete's first record has no held temperature, so the solve does not hold the
    // concrete on the bottom face: the bottom is no surface of the concrete, whatever the second
    // record says.
    SolverInput in = blockInSoil("IIIIDI");
    BoundaryRecord free = test::held(1, 20.0);
    free.dirichlet = false;
    in.boundaries.push_back(free);
    in.boundaries.push_back(test::held(1, 20.0, {{0.0, 0.0}}));
    expectLastLineFromTheField(in);
}

} // namespace
} // namespace zolter
