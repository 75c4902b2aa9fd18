#include "section/Composites.h"

#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "materials/Ccomp.h"

namespace vardex {
namespace {

using testing::kClay;
using testing::kConcrete;
using testing::kSand;
using testing::kSoil;
using testing::PaintFixture;

TEST(CompositeShare, BandsSharesAndColoursFollowTheTable) {
    // Just inside each band's bounds; the formula itself decides exactly at a bound.
    const float bounds[] = {0.075f, 0.245f, 0.415f, 0.585f, 0.755f, 0.925f};
    const float shares[] = {0.16f, 0.33f, 0.50f, 0.67f, 0.84f};
    const int levels[] = {192, 204, 217, 230, 242};
    for (int s = 1; s <= 5; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(shareIndex(bounds[s - 1] + 1e-5f), s);
        EXPECT_EQ(shareIndex(bounds[s] - 1e-5f), s);
        EXPECT_FLOAT_EQ(shareOf(s), shares[s - 1]);
        EXPECT_EQ(compositeColor(shareOf(s)), rgb(levels[s - 1], levels[s - 1], 170));
    }
}

TEST(GetCompval, TheSameMixtureIsMadeOnce) {
    PaintFixture f;
    EXPECT_EQ(get_compval(f.dialogs, f.section, kSand, 0.3f, kClay), 31); // share index 2
    EXPECT_EQ(f.nameOf(31), get_compkey(kSand, "sand", kClay, "clay", 2));
    // The same share again, and the same mixture seen from the other side (share index 4).
    EXPECT_EQ(get_compval(f.dialogs, f.section, kSand, 0.4f, kClay), 31);
    EXPECT_EQ(get_compval(f.dialogs, f.section, kClay, 0.7f, kSand), 31);
    EXPECT_EQ(get_compval(f.dialogs, f.section, kSand, 0.5f, kClay), 32);
    EXPECT_EQ(f.section.composites.count(), 2);
}

TEST(GetCompval, PropertiesAreShareWeighted) {
    PaintFixture f;
    f.section.materials[31].characteristicSize = 0.25f;                       // left as it was
    ASSERT_EQ(get_compval(f.dialogs, f.section, kConcrete, 0.3f, kSoil), 31); // q 0.33
    const Material& mix = f.section.materials[31];
    EXPECT_FLOAT_EQ(mix.conductivity, 1.33f); // 0.33 * 2.0 + 0.67 * 1.0
    EXPECT_FLOAT_EQ(mix.specificHeat, 0.866f);
    EXPECT_FLOAT_EQ(mix.density, 1998.0f);
    EXPECT_FLOAT_EQ(mix.heatProduction, 1.32f);
    EXPECT_EQ(mix.color, rgb(204, 204, 170));
    EXPECT_FLOAT_EQ(mix.characteristicSize, 0.25f);
    const Ccomp& record = *f.section.composites.item(1);
    EXPECT_EQ(record.key, mix.name);
    EXPECT_EQ(record.number, 31);
    EXPECT_EQ(record.density, mix.density);

    // Zones of a section begun before may still hold 31 after the list was emptied: the new
    // composite in slot 31 mixes what slot 31 held.
    f.section.composites.clear();
    ASSERT_EQ(get_compval(f.dialogs, f.section, kConcrete, 0.5f, 31), 31);
    EXPECT_FLOAT_EQ(f.section.materials[31].conductivity, 0.5f * 2.0f + 0.5f * 1.33f);
}

TEST(GetCompval, TheSeventiethCompositeIsRefused) {
    PaintFixture f;
    for (int k = 4; k <= 30; ++k) f.section.materials[k].name = "m" + std::to_string(k);
    // 69 mixtures of material 1 with others in five shares.
    const float fractions[] = {0.1f, 0.3f, 0.5f, 0.7f, 0.9f};
    for (int made = 0; made < 69; ++made)
        ASSERT_EQ(get_compval(f.dialogs, f.section, kSoil, fractions[made % 5], 2 + made / 5),
                  31 + made);
    ASSERT_TRUE(f.dialogs.messages.empty());

    EXPECT_EQ(get_compval(f.dialogs, f.section, kSoil, 0.9f, 15), 15);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text,
              "There are too many cooks in the kitchen!\r\nComposites are greater than 100.");
    EXPECT_EQ(f.dialogs.messages[0].title, kDefaultTitle);
    EXPECT_EQ(f.section.composites.count(), 69);
    // Mixtures already made are still found.
    EXPECT_EQ(get_compval(f.dialogs, f.section, kSoil, 0.1f, 2), 31);
}

TEST(GetCmember, FindsOnlyTheCompositesOfTheSection) {
    PaintFixture f;
    std::string key = get_compkey(kSand, "sand", kClay, "clay", 3);
    // A plain material, or a slot left from an earlier section, is not a composite of the section.
    f.section.materials[30].name = key;
    f.section.materials[32].name = key;
    f.section.composites.add(std::make_shared<Ccomp>());
    EXPECT_EQ(get_Cmember(f.section, key), std::nullopt);
    f.section.materials[31].name = key;
    EXPECT_EQ(get_Cmember(f.section, key), 31);
}

TEST(ZoneRule, WholeCompositeOrUntouched) {
    PaintFixture f;
    f.fillAll(kSoil);
    f.section.values.setValue(5, 1, kConcrete);
    f.section.values.setValue(6, 1, 0);
    auto paint = [&](int i, float fraction) {
        applyZoneRule(f.dialogs, f.section, kConcrete, i, 1, fraction);
        return f.zone(i, 1);
    };
    EXPECT_EQ(paint(1, std::nextafter(kFullCoverage, 1.0f)), kConcrete);
    EXPECT_EQ(paint(2, kFullCoverage), 31);
    EXPECT_EQ(f.nameOf(31), get_compkey(kConcrete, "Concrete", kSoil, "Soil", 5));
    EXPECT_EQ(paint(3, std::nextafter(kNoCoverage, 1.0f)), 32);
    EXPECT_EQ(paint(4, kNoCoverage), kSoil);
    // Already the painted material: stays.
    EXPECT_EQ(paint(5, 0.5f), kConcrete);
    // Unfilled: nothing to mix with, so only a whole cover fills it.
    EXPECT_EQ(paint(6, 0.5f), 0);
    EXPECT_EQ(paint(6, 0.95f), kConcrete);
    EXPECT_EQ(f.section.composites.count(), 2);
}

} // namespace
} // namespace vardex
