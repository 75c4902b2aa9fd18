#include "run/RecordingPoints.h"

#include <gtest/gtest.h>

#include "run/frmRecs.h"
#include "submodel/Csubmodel.h"
#include "support/AppFixture.h"

namespace vardex {
namespace {

Csubmodel grid(int nx, int ny, int nz, float dx, float dy, float dz) {
    Csubmodel s;
    s.nx = static_cast<std::int16_t>(nx);
    s.ny = static_cast<std::int16_t>(ny);
    s.nz = static_cast<std::int16_t>(nz);
    s.dx = dx;
    s.dy = dy;
    s.dz = dz;
    return s;
}

RecordingPoints pointsAt(std::initializer_list<std::array<float, 3>> xyz) {
    RecordingPoints rec;
    for (const auto& p : xyz) rec.points.push_back({p, 0});
    return rec;
}

TEST(RecordingPoints, AHeightOnAChunkTopBelongsToTheChunkAbove) {
    Csubmodel base = grid(4, 4, 2, 0.5f, 0.5f, 0.5f);   // 0 .. 1 m
    Csubmodel column = grid(4, 4, 4, 0.5f, 0.5f, 0.5f); // 1 .. 3 m
    RecordingPoints rec = pointsAt({{1, 1, 0.0f}, {1, 1, 1.0f}, {1, 1, 3.0f}, {1, 1, 3.5f}});
    assignRecordingChunks(rec, {&base, &column});
    EXPECT_EQ(rec.chunkTops, (std::vector<float>{1.0f, 3.0f}));
    ASSERT_EQ(rec.count(), 3); // above the model: removed
    EXPECT_EQ(rec.points[0].chunk, 1);
    EXPECT_EQ(rec.points[1].chunk, 2);
    EXPECT_EQ(rec.points[2].chunk, 2);
    std::vector<ZoneIndex> inColumn = chunkZoneIndices(rec, 2, column);
    ASSERT_EQ(inColumn.size(), 2u);
    EXPECT_EQ(inColumn[0].zone, 1); // on the border: the column's first zone
    EXPECT_EQ(inColumn[1].zone, 4); // on the top: its last zone
    EXPECT_EQ(chunkZoneIndices(rec, 1, base).at(0).zone, 1);
}

TEST(RecordingPoints, AZoneBoundaryKeepsAPointInTheLowerZone) {
    Csubmodel s = grid(10, 10, 2, 0.04f, 0.04f, 1.0f);
    RecordingPoints rec = pointsAt({{0.04f, 0.2f, 1.0f}, {0.0401f, 0.2f, 1.0f}});
    assignRecordingChunks(rec, {&s});
    std::vector<ZoneIndex> zones = chunkZoneIndices(rec, 1, s);
    ASSERT_EQ(zones.size(), 2u);
    EXPECT_EQ(zones[0].column, 1);
    EXPECT_EQ(zones[1].column, 2);
    EXPECT_EQ(zones[0].row, 5);
    EXPECT_EQ(zones[0].zone, 1);
}

TEST(RecordingPoints, RepeatedPointsAndPointsBeyondTheGridAreRemoved) {
    Csubmodel s = grid(4, 2, 2, 0.5f, 0.5f, 1.0f); // 2 m by 1 m
    RecordingPoints rec = pointsAt(
        {{1, 0.5f, 1}, {1, 0.5f, 1}, {1, 0.5f, 1}, {2.5f, 0.5f, 1}, {1, 1.5f, 1}, {1, 0.7f, 1}});
    assignRecordingChunks(rec, {&s});
    ASSERT_EQ(rec.count(), 2);
    EXPECT_EQ(rec.points[1].xyz[1], 0.7f);
    EXPECT_TRUE(chunkZoneIndices(rec, 2, s).empty());
}

TEST(FrmRecs, PointsTypedInFeetAreStoredInMetres) {
    testing::AppFixture f;
    RecordingPoints rec;
    frmRecs window{f.app, rec};
    window.load();
    EXPECT_EQ(window.state().Label2, "in Meters");
    window.toggleUnits();
    EXPECT_EQ(window.state().Label2, "in Feet");
    for (int a = 0; a < 3; ++a) window.setText(a, "10");
    window.createPoint();
    EXPECT_EQ(window.state().Combo1.items, std::vector<std::string>{" 10 = Z,    10  10"});
    EXPECT_TRUE(window.state().deleteEnabled);
    window.close();
    EXPECT_TRUE(rec.usUnits);
    // The switch is the program's: every window shows feet now.
    EXPECT_TRUE(f.app.units.us());
    EXPECT_NEAR(rec.getCoord(1, 1), 3.048, 1e-5); // the international foot
    EXPECT_NEAR(rec.getCoord(1, 3), 3.048, 1e-5);

    // Shown in feet again, and not converted a second time.
    frmRecs again{f.app, rec};
    again.load();
    EXPECT_EQ(again.state().Combo1.items, std::vector<std::string>{" 10=Z,  10  10"});
    again.close();
    EXPECT_NEAR(rec.getCoord(1, 1), 3.048, 1e-5);

    // Switched back, the list shows the same point in metres.
    again.toggleUnits();
    EXPECT_FALSE(f.app.units.us());
    EXPECT_EQ(again.state().Label2, "in Meters");
    EXPECT_EQ(again.state().Combo1.items, std::vector<std::string>{" 3.048=Z,  3.048  3.048"});
}

TEST(FrmRecs, TheWindowOpensInTheProgramsUnits) {
    testing::AppFixture f;
    RecordingPoints rec = pointsAt({{3.048f, 6.096f, 0.3048f}});
    f.app.units.set(UnitSystem::US);
    frmRecs window{f.app, rec};
    window.load();
    EXPECT_TRUE(window.state().chkUS);
    EXPECT_EQ(window.state().Label2, "in Feet");
    EXPECT_EQ(window.state().Combo1.items, std::vector<std::string>{" 1=Z,  10  20"});
}

TEST(FrmRecs, APointAtZeroIsDroppedWhenTheWindowOpens) {
    testing::AppFixture f;
    RecordingPoints rec = pointsAt({{0, 1, 1}, {2, 1, 3}});
    frmRecs window{f.app, rec};
    window.load();
    EXPECT_EQ(window.state().Combo1.items, std::vector<std::string>{" 3=Z,  2  1"});
    EXPECT_EQ(rec.count(), 1);
}

TEST(FrmRecs, DeletingRemovesTheSelectedPointAndASeventeenthIsRefused) {
    testing::AppFixture f;
    RecordingPoints rec;
    frmRecs window{f.app, rec};
    window.load();
    for (int p = 1; p <= 17; ++p) {
        window.setText(0, std::to_string(p));
        window.setText(1, "1");
        window.setText(2, "2");
        window.createPoint();
    }
    EXPECT_EQ(rec.count(), 16);
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
    window.selectPoint(0);
    window.deletePoint();
    EXPECT_EQ(rec.count(), 15);
    EXPECT_EQ(rec.getCoord(1, 1), 2.0f);
    EXPECT_EQ(window.state().Combo1.items.size(), 15u);
    window.setText(0, "x");
    window.createPoint(); // not a number: nothing added
    EXPECT_EQ(rec.count(), 15);
}

} // namespace
} // namespace vardex
