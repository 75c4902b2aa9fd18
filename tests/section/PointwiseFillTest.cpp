#include <initializer_list>
#include <utility>

#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "support/RecordingCanvas.h"

namespace vardex {
namespace {

using testing::kConcrete;
using testing::kSoil;
using testing::PaintFixture;
using testing::RecordingCanvas;

TEST(PointwiseFill, DraggingPaintsTheZonesWithTheNearestCentres) {
    PaintFixture f;
    f.fillAll(kSoil);
    f.painter.currentMaterial = kConcrete;
    const std::int32_t grey = f.section.materials[kConcrete].color;
    RecordingCanvas canvas;

    f.pointwise.mousePressed(2.4, 3.6, canvas);
    EXPECT_TRUE(f.painter.mouseDown);
    EXPECT_EQ(f.zone(2, 4), kConcrete);
    EXPECT_EQ(f.painter.colors.color(2, 4), grey);
    ASSERT_EQ(canvas.ops.size(), 1u);
    EXPECT_EQ(canvas.ops[0].kind, testing::DrawOp::Point);
    EXPECT_EQ(std::pair(canvas.ops[0].x1, canvas.ops[0].y1), std::pair(2.4, 3.6));

    // Halves go to the even neighbour.
    f.pointwise.mouseMoved(2.5, 7.5, canvas);
    EXPECT_EQ(f.zone(2, 8), kConcrete);
    f.pointwise.mouseMoved(3.5, 4.5, canvas);
    EXPECT_EQ(f.zone(4, 4), kConcrete);
    EXPECT_FALSE(f.section.unsaved);

    f.pointwise.mouseReleased();
    EXPECT_FALSE(f.painter.mouseDown);
    EXPECT_TRUE(f.section.unsaved);
    EXPECT_EQ(f.view.redraws, 1);

    // Moving with the button up paints nothing.
    f.pointwise.mouseMoved(9.0, 9.0, canvas);
    EXPECT_EQ(f.zone(9, 9), kSoil);
    EXPECT_EQ(canvas.ops.size(), 3u);
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(PointwiseFill, TheOuterHalvesOfEdgeZonesAreIgnored) {
    PaintFixture f;
    f.fillAll(kSoil);
    f.painter.currentMaterial = kConcrete;
    RecordingCanvas canvas;
    const std::initializer_list<std::pair<double, double>> outside{
        {0.7, 5.0}, {10.3, 5.0}, {5.0, 0.51}, {5.0, 10.5}, {-3.0, -3.0}, {1e300, 5.0}};
    for (auto [x, y] : outside) f.pointwise.mousePressed(x, y, canvas);
    for (int j = 1; j <= 10; ++j)
        for (int i = 1; i <= 10; ++i) EXPECT_EQ(f.zone(i, j), kSoil);
    EXPECT_TRUE(canvas.ops.empty());

    // The outer centres themselves still count.
    f.pointwise.mouseMoved(1.0, 10.0, canvas);
    EXPECT_EQ(f.zone(1, 10), kConcrete);
}

TEST(PointwiseFill, WithoutMaterialsAPressWarnsAndStillPaints) {
    PaintFixture f;
    f.section.materials[kSoil].name.clear();
    RecordingCanvas canvas;
    f.pointwise.mousePressed(5.0, 5.0, canvas);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text, "NEED TO OPEN A MATERIALS FILE");
    EXPECT_EQ(f.dialogs.messages[0].title, "Section Page . . .");
    EXPECT_EQ(f.zone(5, 5), kSoil);
    f.pointwise.mouseMoved(6.0, 5.0, canvas);
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.zone(6, 5), kSoil);
}

} // namespace
} // namespace vardex
