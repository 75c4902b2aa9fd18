#include <array>
#include <string>

#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "materials/Ccomp.h"
#include "section/Cgeom.h"
#include "section/SectionFile.h"

namespace vardex {
namespace {

using testing::kConcrete;
using testing::kSoil;
using testing::PaintFixture;

using Grid = std::array<std::array<int, 10>, 10>; // [j - 1][i - 1]

Grid zones(const PaintFixture& f) {
    Grid g{};
    for (int j = 1; j <= 10; ++j)
        for (int i = 1; i <= 10; ++i) g[j - 1][i - 1] = f.zone(i, j);
    return g;
}

// Material 2 in a concentric cylinder of radius 0.25 over material 1, on 10 by 10 zones of 0.1 m.
void paintConcentricCylinder(PaintFixture& f) {
    f.fillAll(kSoil);
    f.painter.currentMaterial = kConcrete;
    f.answer({"-1", "0.25"});
    f.paint.cylindricalFill();
}

TEST(CylindricalFill, AConcentricCylinderOverTenByTenZones) {
    PaintFixture f;
    paintConcentricCylinder(f);

    // Zones whose far corner is within 0.25 m are 2, those whose near corner is 0.25 m or more
    // away are 1. Between, the crossing gives covered fractions of 0.096 (share index 1, 31),
    // 0.410 (share index 2, 32) and 0.873 (share index 5, 33).
    const Grid expected{{
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 31, 32, 32, 31, 1, 1, 1},
        {1, 1, 31, 33, 2, 2, 33, 31, 1, 1},
        {1, 1, 32, 2, 2, 2, 2, 32, 1, 1},
        {1, 1, 32, 2, 2, 2, 2, 32, 1, 1},
        {1, 1, 31, 33, 2, 2, 33, 31, 1, 1},
        {1, 1, 1, 31, 32, 32, 31, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
        {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
    }};
    EXPECT_EQ(zones(f), expected);
    ASSERT_EQ(f.section.composites.count(), 3);
    EXPECT_EQ(f.nameOf(31), get_compkey(kConcrete, "Concrete", kSoil, "Soil", 1));
    EXPECT_EQ(f.nameOf(32), get_compkey(kConcrete, "Concrete", kSoil, "Soil", 2));
    EXPECT_EQ(f.nameOf(33), get_compkey(kConcrete, "Concrete", kSoil, "Soil", 5));
    EXPECT_EQ(f.section.materials[33].color, rgb(242, 242, 170));

    EXPECT_TRUE(f.section.unsaved);
    EXPECT_EQ(f.painter.radius, 0.25f);
    EXPECT_EQ(f.view.pointwiseSelected, 1);
    EXPECT_EQ(f.view.redraws, 1);
    EXPECT_TRUE(f.dialogs.messages.empty());
    ASSERT_EQ(f.dialogs.prompts.size(), 2u); // no Y-origin
    EXPECT_EQ(f.dialogs.prompts[1].prompt, "FILL BODY RADIUS: Enter a cylindrical radius");
    EXPECT_EQ(f.dialogs.prompts[1].defaultText, "0");
    EXPECT_EQ(f.dialogs.prompts[1].title, "Pier");
}

TEST(CylindricalFill, AnUnfilledZoneStopsTheFillAndReleasesTheButton) {
    PaintFixture f;
    f.fillAll(kSoil);
    f.section.values.setValue(2, 5, 0);
    f.painter.currentMaterial = kConcrete;
    // Around (0.1, 0.5): zones (1, 5) and (1, 6) are crossed before column 2 is reached.
    f.answer({"0.1", "0.5", "0.1"});
    f.paint.cylindricalFill();
    EXPECT_EQ(f.dialogs.prompts.at(1).prompt, "FILL CENTER: Enter the Y-origin coodinate");

    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text,
              " Please fill the section before excising/filling a cylinder");
    EXPECT_EQ(f.dialogs.messages[0].title, "Section Page . . .");
    EXPECT_FALSE(f.painter.cylindricalFillDown);
    EXPECT_EQ(f.zone(1, 5), 31); // visited before the stop: kept
    EXPECT_EQ(f.zone(1, 6), 31);
    EXPECT_EQ(f.zone(2, 6), kSoil); // after the stop: untouched
    EXPECT_EQ(f.zone(2, 5), 0);
    // Zones did change, so the section must not pass for saved.
    EXPECT_TRUE(f.section.unsaved);
    EXPECT_EQ(f.view.pointwiseSelected, 1);
    EXPECT_EQ(f.view.redraws, 1);
}

TEST(CylindricalFill, ARadiusBeyondHalfTheSectionPaintsNothing) {
    PaintFixture f;
    f.section.ny = 4; // 0.4 m high
    f.fillAll(kSoil);
    f.painter.currentMaterial = kConcrete;
    f.answer({"-1", "0.25"});
    f.paint.cylindricalFill();
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text, ".25 is too large");
    EXPECT_EQ(f.dialogs.messages[0].title, "Section Page . . .");
    EXPECT_EQ(f.zone(5, 2), kSoil);
    EXPECT_FALSE(f.section.unsaved);
    EXPECT_EQ(f.view.redraws, 1);
}

TEST(CylindricalFill, ANonNumericAnswerEndsTheFillAtOnce) {
    const std::vector<std::string> valid{"0.5", "0.5", "0.3"};
    for (std::size_t bad = 0; bad < valid.size(); ++bad) {
        SCOPED_TRACE(bad);
        PaintFixture f;
        f.fillAll(kSoil);
        f.painter.currentMaterial = kConcrete;
        for (std::size_t k = 0; k < bad; ++k) f.dialogs.inputAnswers.push_back(valid[k]);
        f.dialogs.inputAnswers.push_back("x");
        f.dialogs.inputAnswers.push_back("0.3");
        f.paint.cylindricalFill();
        EXPECT_EQ(f.dialogs.prompts.size(), bad + 1);
        EXPECT_EQ(f.zone(5, 5), kSoil);
        EXPECT_FALSE(f.section.unsaved);
        EXPECT_TRUE(f.dialogs.messages.empty());
        EXPECT_EQ(f.view.pointwiseSelected, 1);
        EXPECT_EQ(f.view.redraws, 1);
    }
}

} // namespace
} // namespace vardex
