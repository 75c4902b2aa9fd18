// The summary reads the solver's padded field in place; it must find the same cells as from a
// plain copy in output order.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "Cases.h"
#include "ThermalSummary.h"

namespace zolter {
namespace {

TEST(ThermalSummaryLayout, AFieldReadInPlaceWithPaddingGivesTheSameLineAsItsCopy) {
    // Concrete in a corner of soil on a grid of unequal sides, so every axis has its own stride
    // and the nearest surfaces lie along all three directions.
    const int nx = 7, ny = 5, nz = 4;
    SolverInput in = test::block(nx, ny, nz, 0.1, test::concrete(1.0), 20.0);
    in.materials.push_back({"soil", 1.2, 0.8, 1800.0, 0.0});
    std::vector<int> concreteRows(std::size_t(nx * ny), 2);
    for (int j = 0; j < 4; ++j)
        for (int i = 1; i < 6; ++i) concreteRows[std::size_t(i + nx * j)] = 1;
    in.sections = {concreteRows, std::vector<int>(std::size_t(nx * ny), 2)};
    in.zoneSection = {1, 1, 1, 2};
    in.faces = "DIIIDI";
    in.boundaries = {test::held(1, 5.0)};

    // A field with one clear peak and differences that vary from cell to cell.
    std::vector<double> compact(std::size_t(nx * ny * nz));
    const int sy = nx + 2, sz = sy * (ny + 2);
    std::vector<double> padded(std::size_t(sz * (nz + 2)), -1e9); // ghosts must not be read
    for (int k = 0; k < nz; ++k)
        for (int j = 0; j < ny; ++j)
            for (int i = 0; i < nx; ++i) {
                const double v = 10.0 + 1.7 * i - 0.9 * j * j + 2.3 * k + (i * j * k == 12 ? 9 : 0);
                compact[std::size_t(i + nx * (j + ny * k))] = v;
                padded[std::size_t((i + 1) + sy * (j + 1) + sz * (k + 1))] = v;
            }

    ThermalSummary fromCopy(in), inPlace(in);
    fromCopy.record(2.5, compact);
    inPlace.record(2.5, padded.data() + 1 + sy + sz, {1, sy, sz});
    EXPECT_EQ(inPlace.text(), fromCopy.text());
    // The line names a core cell and its surface (the case has a difference to report).
    EXPECT_EQ(fromCopy.text().find(",0,0,0"), std::string::npos) << fromCopy.text();
    // Surfaces found along each direction are cells of the same grid line.
    for (std::size_t c = 0; c < compact.size(); ++c) {
        const std::int64_t s = fromCopy.nearestSurface(c);
        if (s < 0) continue;
        const std::int64_t d = s - std::int64_t(c);
        const bool sameRow = s / nx == std::int64_t(c) / nx;
        const bool sameColumn = d % nx == 0 && s / (nx * ny) == std::int64_t(c) / (nx * ny);
        const bool sameVertical = d % (nx * ny) == 0;
        EXPECT_TRUE(sameRow || sameColumn || sameVertical) << c << " -> " << s;
    }
}

TEST(ThermalSummaryLayout, OfCellsThatWriteTheSamePeakTheFirstInFileOrderIsNamed) {
    const int nx = 4, ny = 3, nz = 2;
    const SolverInput in = test::block(nx, ny, nz, 0.1, test::concrete(1.0), 20.0);
    // The peak's text and its cell from the line of one time point.
    auto peak = [&](const std::vector<double>& field) {
        ThermalSummary summary(in);
        summary.record(1.0, field);
        std::string line = summary.text();
        line = line.substr(line.find("\r\n") + 2);
        std::vector<std::string> parts;
        for (std::size_t at = 0, next; parts.size() < 5; at = next + 1) {
            next = line.find(',', at);
            parts.push_back(line.substr(at, next - at));
        }
        return parts[1] + " at " + parts[2] + "," + parts[3] + "," + parts[4];
    };
    std::vector<double> field(std::size_t(nx * ny * nz), 20.0);
    // Cells 6 and 17 write the same 35.12346; the later is hotter below the written digits.
    field[6] = 35.123456;
    field[17] = 35.1234561;
    EXPECT_EQ(peak(field), "35.12346 at 3,2,1");
    // A later cell that writes a higher value is named, however close.
    field[17] = 35.123465;
    EXPECT_EQ(peak(field), "35.12347 at 2,2,2");
    // Below zero too.
    std::fill(field.begin(), field.end(), -30.0);
    field[2] = -2.000004;
    field[9] = -2.0000001;
    EXPECT_EQ(peak(field), "-2.00000 at 3,1,1");
}

} // namespace
} // namespace zolter
