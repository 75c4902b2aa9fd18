#include "section/Composites.h"

#include <cmath>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "submodel/Ccomp.h"

namespace vardex {
namespace {

using testing::kClay;
using testing::kConcrete;
using testing::kSand;
using testing::kSoil;
using testing::PaintFixture;

TEST(CompositeShare, BandsSharesAndColoursFollowTheTable) {
    // The lower bound of each band; the formula itself decides exactly at a bound.
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
    EXPECT_EQ(shareIndex(kFullCoverage), 5);
    EXPECT_EQ(shareIndex(0.5f), 3);
}

TEST(GetCompval, TheSameMixtureIsMadeOnce) {
    PaintFixture f;
    std::int16_t first = get_compval(f.app, f.section, kSand, 0.3f, kClay); // share index 2
    EXPECT_EQ(first, 31);
    EXPECT_EQ(f.nameOf(31), get_compkey(kSand, "sand", kClay, "clay", 2));
    // The same two materials in the same share, and the same mixture seen from the other side.
    EXPECT_EQ(get_compval(f.app, f.section, kSand, 0.4f, kClay), first);
    EXPECT_EQ(get_compval(f.app, f.section, kClay, 0.7f, kSand), first); // share index 4
    EXPECT_EQ(f.app.compositeList.count(), 1);

    // Another share is another composite, with the next number.
    EXPECT_EQ(get_compval(f.app, f.section, kSand, 0.5f, kClay), 32);
    EXPECT_EQ(f.app.compositeList.count(), 2);
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(GetCompval, PropertiesAreShareWeightedAndTheRecordJoinsTheList) {
    PaintFixture f;
    f.section.materials[31].characteristicSize = 0.25f;                     // left as it was
    std::int16_t n = get_compval(f.app, f.section, kConcrete, 0.3f, kSoil); // q 0.33
    ASSERT_EQ(n, 31);
    const Material& mix = f.section.materials[31];
    EXPECT_FLOAT_EQ(mix.conductivity, 1.33f); // 0.33 * 2.0 + 0.67 * 1.0
    EXPECT_FLOAT_EQ(mix.specificHeat, 0.866f);
    EXPECT_FLOAT_EQ(mix.density, 1998.0f);
    EXPECT_FLOAT_EQ(mix.heatProduction, 1.32f);
    EXPECT_EQ(mix.color, rgb(204, 204, 170));
    EXPECT_FLOAT_EQ(mix.characteristicSize, 0.25f);

    const Ccomp& record = *f.app.compositeList.item(1);
    EXPECT_EQ(record.key, mix.name);
    EXPECT_EQ(record.number, 31);
    EXPECT_EQ(record.color, mix.color);
    EXPECT_EQ(record.conductivity, mix.conductivity);
    EXPECT_EQ(record.specificHeat, mix.specificHeat);
    EXPECT_EQ(record.density, mix.density);
    EXPECT_EQ(record.heatProduction, mix.heatProduction);
}

TEST(GetCompval, ACompositeOverAnOldCompositeSlotMixesTheOldValues) {
    // Zones of a section begun before still hold 31 after the list was emptied: the new
    // composite takes slot 31 and must mix what slot 31 held, not itself.
    PaintFixture f;
    f.section.materials[31] = {"old", 0, 4.0f, 1.0f, 1000.0f, 0.0f, 0.0f};
    ASSERT_EQ(get_compval(f.app, f.section, kConcrete, 0.5f, 31), 31);
    EXPECT_FLOAT_EQ(f.section.materials[31].conductivity, 3.0f);
    EXPECT_EQ(f.nameOf(31), get_compkey(kConcrete, "Concrete", 31, "old", 3));
}

TEST(GetCompval, TheSeventiethCompositeIsRefused) {
    PaintFixture f;
    for (int k = 4; k <= 30; ++k) f.section.materials[k].name = "m" + std::to_string(k);
    // 69 mixtures of material 1 with 14 others in five shares.
    const float fractions[] = {0.1f, 0.3f, 0.5f, 0.7f, 0.9f};
    int made = 0;
    for (std::int16_t b = 2; b <= 15 && made < 69; ++b)
        for (float fraction : fractions)
            if (made < 69) {
                ASSERT_EQ(get_compval(f.app, f.section, kSoil, fraction, b), 31 + made);
                ++made;
            }
    ASSERT_EQ(f.app.compositeList.count(), 69);
    EXPECT_TRUE(f.dialogs.messages.empty());

    EXPECT_EQ(get_compval(f.app, f.section, kSoil, 0.9f, 15), 15);
    ASSERT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(f.dialogs.messages[0].text,
              "There are too many cooks in the kitchen!\r\nComposites are greater than 100.");
    EXPECT_EQ(f.dialogs.messages[0].title, kDefaultTitle);
    EXPECT_EQ(f.app.compositeList.count(), 69);

    // Mixtures already made are still found.
    EXPECT_EQ(get_compval(f.app, f.section, kSoil, 0.1f, 2), 31);
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
}

TEST(GetCmember, FindsOnlyTheCompositesOfTheList) {
    PaintFixture f;
    std::string key = get_compkey(kSand, "sand", kClay, "clay", 3);
    EXPECT_EQ(get_Cmember(f.app, f.section, key), std::nullopt);
    // A plain material or a slot left from an earlier section is not a composite of the list.
    f.section.materials[30].name = key;
    f.section.materials[32].name = key;
    f.app.compositeList.add(std::make_shared<Ccomp>());
    EXPECT_EQ(get_Cmember(f.app, f.section, key), std::nullopt);
    f.section.materials[31].name = key;
    EXPECT_EQ(get_Cmember(f.app, f.section, key), 31);
}

TEST(ZoneRule, ThresholdsDecideBetweenWholeCompositeAndUntouched) {
    PaintFixture f;
    f.fillAll(kSoil);
    applyZoneRule(f.app, f.section, kConcrete, 1, 1, std::nextafter(kFullCoverage, 1.0f));
    EXPECT_EQ(f.zone(1, 1), kConcrete);
    applyZoneRule(f.app, f.section, kConcrete, 2, 1, kFullCoverage);
    EXPECT_EQ(f.zone(2, 1), 31);
    EXPECT_EQ(f.nameOf(31), get_compkey(kConcrete, "Concrete", kSoil, "Soil", 5));
    applyZoneRule(f.app, f.section, kConcrete, 3, 1, std::nextafter(kNoCoverage, 1.0f));
    EXPECT_EQ(f.zone(3, 1), 32);
    applyZoneRule(f.app, f.section, kConcrete, 4, 1, kNoCoverage);
    EXPECT_EQ(f.zone(4, 1), kSoil);
    EXPECT_EQ(f.app.compositeList.count(), 2);
}

TEST(ZoneRule, APartlyCoveredZoneOfTheSameMaterialOrUnfilledStays) {
    PaintFixture f;
    f.section.values.setValue(1, 1, kConcrete);
    applyZoneRule(f.app, f.section, kConcrete, 1, 1, 0.5f);
    EXPECT_EQ(f.zone(1, 1), kConcrete);
    // An unfilled zone has nothing to mix with: it takes the material only when wholly covered.
    applyZoneRule(f.app, f.section, kConcrete, 2, 1, 0.5f);
    EXPECT_EQ(f.zone(2, 1), 0);
    applyZoneRule(f.app, f.section, kConcrete, 2, 1, 0.95f);
    EXPECT_EQ(f.zone(2, 1), kConcrete);
    EXPECT_TRUE(f.app.compositeList.empty());
}

} // namespace
} // namespace vardex
