#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "PaintFixture.h"
#include "materials/Ccomp.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

using testing::kConcrete;
using testing::kSoil;
using testing::PaintFixture;

const std::string kXPrompt =
    "FILL CENTER: Enter the X-origin coodinate ( -1 indicates a concentric cylinder)";
const std::string kYPrompt = "FILL CENTER: Enter the Y-origin coodinate";

// The zones that differ from material m, as (i, j, value).
std::vector<std::array<int, 3>> zonesOtherThan(const PaintFixture& f, std::int16_t m) {
    std::vector<std::array<int, 3>> found;
    for (int j = 1; j <= f.section.ny; ++j)
        for (int i = 1; i <= f.section.nx; ++i)
            if (f.zone(i, j) != m) found.push_back({i, j, f.zone(i, j)});
    return found;
}

void expectClosingSteps(const PaintFixture& f) {
    EXPECT_EQ(f.view.pointwiseSelected, 1);
    EXPECT_EQ(f.view.redraws, 1);
    EXPECT_EQ(f.view.objectFillsShown, 0);
}

TEST(SectionFill, EveryZoneTakesTheCurrentMaterialAndTheObjectFillsOpen) {
    PaintFixture f;
    f.section.nx = 3;
    f.section.ny = 2;
    f.painter.currentMaterial = kConcrete;
    f.paint.sectionFill();
    for (int j = 1; j <= 3; ++j)
        for (int i = 1; i <= 4; ++i)
            EXPECT_EQ(f.zone(i, j), i <= 3 && j <= 2 ? kConcrete : 0) << i << "," << j;
    EXPECT_EQ(f.painter.radius, -1.0f);
    EXPECT_TRUE(f.section.unsaved);
    EXPECT_EQ(f.view.pointwiseSelected, 1);
    EXPECT_EQ(f.view.objectFillsShown, 1);
    EXPECT_EQ(f.view.redraws, 1);
}

TEST(RectangularFill, AOneZoneBoxOnTheZoneEdgesFillsThatZoneOnly) {
    PaintFixture f;
    f.fillAll(kSoil);
    f.painter.currentMaterial = kConcrete;
    f.answer({"0.25", "0.25", "0.1", "0.1"});
    f.paint.rectangularFill();

    using Row = std::array<int, 3>;
    EXPECT_EQ(zonesOtherThan(f, kSoil), (std::vector<Row>{Row{3, 3, kConcrete}}));
    EXPECT_TRUE(f.section.unsaved);
    expectClosingSteps(f);

    // Prompts titled with the section's name, defaulting to the section's centre and size.
    ASSERT_EQ(f.dialogs.prompts.size(), 4u);
    const std::string expected[4][2] = {{kXPrompt, ".5"},
                                        {kYPrompt, ".5"},
                                        {"Fill: Enter Box X-Length", "1"},
                                        {"Fill: Enter Box Y-Length", "1"}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(f.dialogs.prompts[k].prompt, expected[k][0]);
        EXPECT_EQ(f.dialogs.prompts[k].defaultText, expected[k][1]);
        EXPECT_EQ(f.dialogs.prompts[k].title, "Pier");
    }
    EXPECT_TRUE(f.dialogs.messages.empty());
}

TEST(RectangularFill, AHalfCoveredZoneBecomesAnEvenComposite) {
    PaintFixture f;
    f.fillAll(kSoil);
    f.painter.currentMaterial = kConcrete;
    // x from 0.35 to 0.5: half of zone 4 and all of zone 5, in row 3.
    f.answer({"0.425", "0.25", "0.15", "0.1"});
    f.paint.rectangularFill();

    using Row = std::array<int, 3>;
    EXPECT_EQ(zonesOtherThan(f, kSoil), (std::vector<Row>{Row{4, 3, 31}, Row{5, 3, kConcrete}}));
    const Material& mix = f.section.materials[31];
    EXPECT_EQ(mix.name, get_compkey(kConcrete, "Concrete", kSoil, "Soil", 3));
    EXPECT_EQ(mix.color, rgb(217, 217, 170));
    EXPECT_FLOAT_EQ(mix.conductivity, 1.5f);

    // The same mixture elsewhere is the same composite.
    f.answer({"0.425", "0.75", "0.15", "0.1"});
    f.paint.rectangularFill();
    EXPECT_EQ(f.zone(4, 8), 31);
    EXPECT_EQ(f.zone(5, 8), kConcrete);
    EXPECT_EQ(f.section.composites.count(), 1);
}

TEST(RectangularFill, ANegativeXCentresTheBoxOnTheSection) {
    PaintFixture f;
    f.fillAll(kSoil);
    f.painter.currentMaterial = kConcrete;
    // 0.45 to 0.55 both ways: a quarter of each of the four middle zones.
    f.answer({"-1", "0.1", "0.1"});
    f.paint.rectangularFill();
    EXPECT_EQ(f.dialogs.prompts.size(), 3u); // no Y-origin
    using Row = std::array<int, 3>;
    EXPECT_EQ(zonesOtherThan(f, kSoil),
              (std::vector<Row>{Row{5, 5, 31}, Row{6, 5, 31}, Row{5, 6, 31}, Row{6, 6, 31}}));
    EXPECT_EQ(f.section.materials[31].name, get_compkey(kConcrete, "Concrete", kSoil, "Soil", 2));
}

TEST(RectangularFill, BoxesTooLargeOrOutsideOrWithoutAreaPaintNothing) {
    struct Case {
        std::initializer_list<std::string> answers;
        std::string message; // empty: none
        std::string title;
    };
    const Case cases[] = {
        {{"-1", "1.2", "0.5"}, "Length is too large", "Section Page . . ."},
        {{"-1", "0.5", "1.01"}, "Length is too large", "Section Page . . ."},
        {{"0.9", "0.5", "0.4", "0.4"}, "Box extends past section domain", kDefaultTitle},
        {{"0.5", "0.1", "0.4", "0.4"}, "Box extends past section domain", kDefaultTitle},
        {{"0.5", "0.5", "0", "0.4"}, "", ""},
        {{"0.5", "0.5", "0.4", "-0.2"}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(*c.answers.begin() + " " + *(c.answers.begin() + 1));
        PaintFixture f;
        f.fillAll(kSoil);
        f.painter.currentMaterial = kConcrete;
        f.answer(c.answers);
        f.paint.rectangularFill();
        EXPECT_TRUE(zonesOtherThan(f, kSoil).empty());
        EXPECT_FALSE(f.section.unsaved);
        if (c.message.empty()) {
            EXPECT_TRUE(f.dialogs.messages.empty());
        } else {
            ASSERT_EQ(f.dialogs.messages.size(), 1u);
            EXPECT_EQ(f.dialogs.messages[0].text, c.message);
            EXPECT_EQ(f.dialogs.messages[0].title, c.title);
        }
        expectClosingSteps(f);
    }
}

TEST(RectangularFill, ANonNumericAnswerEndsTheFillAtOnce) {
    const std::vector<std::string> valid{"0.5", "0.5", "0.4", "0.4"};
    for (std::size_t bad = 0; bad < valid.size(); ++bad) {
        for (const std::string& answer : {std::string(), std::string("abc"), std::string("1,5")}) {
            SCOPED_TRACE(std::to_string(bad) + " '" + answer + "'");
            PaintFixture f;
            f.fillAll(kSoil);
            f.painter.currentMaterial = kConcrete;
            for (std::size_t k = 0; k < bad; ++k) f.dialogs.inputAnswers.push_back(valid[k]);
            f.dialogs.inputAnswers.push_back(answer);
            f.dialogs.inputAnswers.push_back("0.4"); // never asked for
            f.paint.rectangularFill();
            EXPECT_EQ(f.dialogs.prompts.size(), bad + 1);
            EXPECT_TRUE(zonesOtherThan(f, kSoil).empty());
            EXPECT_FALSE(f.section.unsaved);
            EXPECT_TRUE(f.dialogs.messages.empty());
            expectClosingSteps(f);
        }
    }
}

TEST(RectangularFill, AcceptingTheDefaultsFillsTheWholeSection) {
    // Three zones of 0.12 m: the 32-bit width, printed ".36", reads back a little larger.
    PaintFixture f;
    f.section.nx = 3;
    f.section.ny = 3;
    f.section.dx = 0.12f;
    f.section.dy = 0.12f;
    const float width = 3 * f.section.dx;
    ASSERT_NE(static_cast<float>(std::stod(plainDigits(width))), width);

    f.fillAll(kSoil);
    f.painter.currentMaterial = kConcrete;
    const std::string centre = plainDigits(width / 2);
    f.answer({centre, centre, plainDigits(width), plainDigits(width)});
    f.paint.rectangularFill();
    EXPECT_TRUE(f.dialogs.messages.empty());
    EXPECT_TRUE(zonesOtherThan(f, kConcrete).empty());
}

} // namespace
} // namespace vardex
