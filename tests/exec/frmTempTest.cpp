// The temperature display: reading a field, its colour scale, the layers and the chunks of a run.

#include <gtest/gtest.h>

#include "app/Filters.h"
#include "exec/frmTemp.h"
#include "support/AppFixture.h"
#include "support/RecordingCanvas.h"

namespace vardex {
namespace {

using testing::crlf;
using testing::DrawOp;

struct TempFixture : testing::AppFixture {
    testing::RecordingCanvas picture{400, 400};
    testing::RecordingCanvas scale{20, 400};

    std::unique_ptr<frmTemp> open(DisplaySource source) {
        auto window = std::make_unique<frmTemp>(app, dialogs, picture, scale, std::move(source));
        window->load();
        return window;
    }
    DisplaySource model(const std::string& file, int nx, int ny, int nz, double dx = 0.5,
                        double dy = 0.5) {
        DisplaySource source;
        source.viewMode = "model";
        source.fileName = home.file("data/pier.mod");
        source.chunks.push_back({file, static_cast<std::int16_t>(nx), static_cast<std::int16_t>(ny),
                                 static_cast<std::int16_t>(nz), dx, dy, 1.0});
        return source;
    }
    // Colours of the cells drawn since the picture was last cleared, row by row.
    std::vector<std::int32_t> cells() const {
        std::vector<std::int32_t> colours;
        for (const DrawOp& op : picture.sinceClear(DrawOp::CellGrid))
            colours.insert(colours.end(), op.cells.begin(), op.cells.end());
        return colours;
    }
};

std::vector<std::string> tickLabels(const frmTemp& w) {
    std::vector<std::string> labels;
    for (const LegendTick& t : w.state().legend.ticks) labels.push_back(t.label);
    return labels;
}

TEST(FrmTemp, FullRangeIsTheDefaultAndSpreadsThirtyClassesFromLowestToHighest) {
    TempFixture f;
    // 10 20 / 40 70: step (70 - 10) / 30 = 2, level i = 10 + 2 (i - 1); class colour g(i) =
    // round(255 i / 30) halves to even, (g, g, 255 - round(g / 3)).
    // 10: class 1, g = 8, blue 252. 20: class 6, g = 51, blue 238. 40: class 16, g = 136, blue
    // 210. 70, the highest: class 30, g = 255, blue 170; no cell lies beyond either end.
    auto w = f.open(f.model(f.home.write("t.out", crlf({"10 20", "40 70"})), 2, 2, 1));
    EXPECT_EQ(w->state().cboScale.listIndex, 0);
    EXPECT_EQ(w->state().cboScale.items[0], "Full range");
    const ColourScale& s = w->shown()->scale;
    EXPECT_FLOAT_EQ(s.bottom(), 10);
    EXPECT_FLOAT_EQ(s.top, 70);
    EXPECT_FLOAT_EQ(s.levels[5], 20);
    EXPECT_EQ(f.cells(), (std::vector<std::int32_t>{rgb(8, 8, 252), rgb(51, 51, 238),
                                                    rgb(136, 136, 210), rgb(255, 255, 170)}));
    // Six labelled levels over the bar, bottom first, with the unit in the title.
    const ScaleLegend& legend = w->state().legend;
    EXPECT_EQ(legend.title, "Full range, \u00B0C");
    EXPECT_EQ(tickLabels(*w),
              (std::vector<std::string>{"10.0", "22.0", "34.0", "46.0", "58.0", "70.0"}));
    EXPECT_DOUBLE_EQ(legend.ticks[1].fraction, 0.2);
    EXPECT_EQ(legend.above, "red: above 70.0 \u00B0C (0 cells)");
    EXPECT_EQ(legend.below, "magenta: below 10.0 \u00B0C (0 cells)");

    // In US units the same levels read in degrees Fahrenheit.
    f.app.units.set(UnitSystem::US);
    EXPECT_EQ(w->state().legend.title, "Full range, \u00B0F");
    EXPECT_EQ(tickLabels(*w),
              (std::vector<std::string>{"50.0", "71.6", "93.2", "114.8", "136.4", "158.0"}));
    EXPECT_EQ(w->state().legend.above, "red: above 158.0 \u00B0F (0 cells)");
}

TEST(FrmTemp, AUniformFieldGetsOneDegreeAroundItsValueOnTheFullRange) {
    TempFixture f;
    auto w = f.open(f.model(f.home.write("t.out", crlf({"20 20", "20 20"})), 2, 2, 1));
    EXPECT_FLOAT_EQ(w->shown()->scale.bottom(), 19.5f);
    EXPECT_FLOAT_EQ(w->shown()->scale.top, 20.5f);
    EXPECT_EQ(f.cells(), std::vector<std::int32_t>(4, w->shown()->scale.colours[15]));
}

TEST(FrmTemp, TheHoveredCellIsReadOutWithItsIndexAndModelCoordinatesFromACommaSeparatedFile) {
    TempFixture f;
    DisplaySource source =
        f.model(f.home.write("t.out", crlf({"10,20", "40 ,70", "1, 2", "3 4"})), 2, 2, 2);
    source.chunks[0].z0 = 4; // the chunk stands on another 4 m high
    auto w = f.open(source);
    ASSERT_EQ(w->shown()->layer, 1);
    // Commas separate as blanks do. Cell (2, 1) covers x 1..2 and y 0..1 of the picture; cells
    // are 0.5 x 0.5 x 1 m.
    w->hover(1.5, 0.5);
    EXPECT_EQ(w->state().status, "20.0 \u00B0C  at cell (2, 1, 1)  x = 0.75, y = 0.25, z = 4.5 m");
    w->VScroll1_Change(2);
    w->hover(0.2, 1.9);
    EXPECT_EQ(w->state().status, "3.0 \u00B0C  at cell (1, 2, 2)  x = 0.25, y = 0.75, z = 5.5 m");
    f.app.units.set(UnitSystem::US);
    w->hover(0.2, 1.9);
    // 3 C = 37.4 F; 0.25 m = 0.820 ft, 0.75 m = 2.461 ft, 5.5 m = 18.045 ft.
    EXPECT_EQ(w->state().status,
              "37.4 \u00B0F  at cell (1, 2, 2)  x = 0.82, y = 2.461, z = 18.045 ft");
    // Beyond the grid, or once the pointer leaves, nothing is read out.
    w->hover(2.5, 0.5);
    EXPECT_EQ(w->state().status, "");
    w->hover(1.5, 0.5);
    w->leave();
    EXPECT_EQ(w->state().status, "");
}

TEST(FrmTemp, ADisplayClosedBeforeAUnitChangeIsNoLongerTold) {
    TempFixture f;
    int changes = 0;
    {
        auto w = f.open(f.model(f.home.write("t.out", crlf({"1 2", "3 4"})), 2, 2, 1));
        w->onChange = [&] { ++changes; };
        f.app.units.set(UnitSystem::US);
        EXPECT_EQ(changes, 1);
    }
    f.app.units.set(UnitSystem::SI);
    EXPECT_EQ(changes, 1);
}

TEST(FrmTemp, TheSpecifiedScaleStaysAChoiceAndMarksCellsBeyondItsEnds) {
    TempFixture f;
    // 2 x 2 cells, one layer: 10 20 / 30 60.
    // average = 120 / 4 = 30; deviations 20, 10, 0, 30: mean 15; maximum 60, minimum 10.
    // spread = 15 * 4.5 = 67.5; centre = (60 + 30 + 10) / 3 = 33.333;
    // lowest = round(33.333 - 33.75) = round(-.417) = 0;
    // step = round(67.5 * 3.1 / 30) \ 3 = round(6.975) \ 3 = 7 \ 3 = 2; level i = 2 i.
    // Label2 = level 1 = 2, Label3 = level 30 = 60.
    // g(i) = round(255 i / 30) = round(8.5 i), halves to even; colour (g, g, 255 - round(g / 3)).
    // 10: highest level reached is 10 (i = 5): g = round(42.5) = 42, blue 255 - 14 = 241.
    // 20: i = 10: g = 85, blue 255 - round(28.33) = 227.
    // 30: i = 15: g = round(127.5) = 128, blue 255 - round(42.67) = 212.
    // 60: i = 30: g = 255, blue 255 - 85 = 170.
    auto w = f.open(f.model(f.home.write("t.out", crlf({"10 20", "30 60"})), 2, 2, 1));
    w->cboScale_Click(1);
    const CrossSection& s = *w->shown();
    EXPECT_FLOAT_EQ(s.field.average, 30);
    EXPECT_FLOAT_EQ(s.scale.meanDeviation, 15);
    EXPECT_FLOAT_EQ(s.scale.lowest, 0);
    EXPECT_FLOAT_EQ(s.scale.step, 2);
    // Its bar runs from level 1 to the top of class 30: 2 to 62.
    EXPECT_FLOAT_EQ(s.scale.top, 62);
    EXPECT_EQ(w->state().legend.title, "Specified scale, \u00B0C");
    EXPECT_EQ(tickLabels(*w),
              (std::vector<std::string>{"2.0", "14.0", "26.0", "38.0", "50.0", "62.0"}));
    EXPECT_EQ(f.cells(), (std::vector<std::int32_t>{rgb(42, 42, 241), rgb(85, 85, 227),
                                                    rgb(128, 128, 212), rgb(255, 255, 170)}));
    // The scale shows the thirty class colours on its own background.
    auto classes = f.scale.sinceClear(DrawOp::FilledBox);
    ASSERT_EQ(classes.size(), 30u);
    EXPECT_EQ(classes[4].color, rgb(42, 42, 241));
    EXPECT_EQ(f.scale.ops[1].kind, DrawOp::Clear);
    EXPECT_EQ(f.scale.ops[1].color, rgb(20, 20, 250));
    // Cells fill the picture's scale of nx by ny: one grid of 2 by 2 unit cells from (0, 0).
    auto grids = f.picture.sinceClear(DrawOp::CellGrid);
    ASSERT_EQ(grids.size(), 1u);
    EXPECT_EQ(grids[0].x1, 0);
    EXPECT_EQ(grids[0].y1, 0);
    EXPECT_EQ(grids[0].x2, 1); // cell width
    EXPECT_EQ(grids[0].y2, 1); // cell height
    EXPECT_EQ(grids[0].columns, 2);
    EXPECT_EQ(grids[0].rows, 2);
    EXPECT_EQ(w->state().Text1, "pier");
}

TEST(FrmTemp, AUniformFieldFallsBelowTheSpecifiedScale) {
    TempFixture f;
    // Spread 0: step 0.25, lowest 20, level 1 = 20.25 is above every cell: all six lie below
    // the scale and take the end colour the legend names, not class 1's.
    auto w = f.open(f.model(f.home.write("t.out", crlf({"20 20 20", "20 20 20"})), 3, 2, 1));
    w->cboScale_Click(1);
    EXPECT_FLOAT_EQ(w->shown()->scale.step, 0.25f);
    EXPECT_EQ(tickLabels(*w).front(), "20.2"); // 20.25 to one decimal, half to even
    EXPECT_EQ(tickLabels(*w).back(), "27.8");  // 20.25 + 30 x 0.25 = 27.75
    EXPECT_EQ(f.cells(), std::vector<std::int32_t>(6, kBelowColour));
    EXPECT_EQ(w->state().legend.below, "magenta: below 20.2 \u00B0C (6 cells)");
    // One cell far above the rest: mean deviation 320 / 9, spread 160, centre 86.67, lowest 7,
    // step 17 \ 3 = 5, levels 12 to 157 and top 162; the 200 cell is red.
    auto hot = f.open(
        f.model(f.home.write("h.out", crlf({"20 20 20", "20 20 20", "20 20 200"})), 3, 3, 1));
    hot->cboScale_Click(1);
    EXPECT_EQ(f.cells().back(), kAboveColour);
    EXPECT_NE(hot->state().legend.above.find("(1 cell)"), std::string::npos);
    // Back to the full range, nothing lies beyond.
    hot->cboScale_Click(0);
    EXPECT_EQ(f.cells().back(), hot->shown()->scale.colours.back());
}

TEST(FrmTemp, FourByTwoSquareCellsAreTwiceAsWideAsHigh) {
    TempFixture f;
    auto w = f.open(f.model(f.home.write("t.out", crlf({"1 2 3 4", "5 6 7 8"})), 4, 2, 1));
    EXPECT_DOUBLE_EQ(w->state().aspect, 2);
    EXPECT_EQ(f.picture.scaleWidth(), 4);
    EXPECT_EQ(f.picture.scaleHeight(), 2);
    EXPECT_EQ(f.cells().size(), 8u);
    // Cells twice as long along y halve it.
    auto tall = f.open(f.model(f.home.file("t.out"), 4, 2, 1, 0.5, 1.0));
    EXPECT_DOUBLE_EQ(tall->state().aspect, 1);
}

TEST(FrmTemp, TheScrollBarAndTheWheelStartInTheMiddleLayerAndStopAtTheEnds) {
    TempFixture f;
    auto w = f.open(f.model(
        f.home.write("t.out", crlf({"1 1", "1 1", "20 20", "20 20", "40 40", "40 40"})), 2, 2, 3));
    EXPECT_EQ(w->state().VScroll1.value, 2); // (3 + 1) \ 2
    EXPECT_EQ(w->state().VScroll1.max, 3);
    EXPECT_EQ(w->state().VScroll1.largeChange, 5);
    const auto middle = f.cells();
    w->VScroll1_Change(3);
    EXPECT_EQ(w->state().txtLayer, "3");
    const auto top = f.cells();
    ASSERT_EQ(top.size(), 4u);
    EXPECT_NE(top, middle);
    EXPECT_EQ(top[0], w->shown()->scale.colourOf(40));
    EXPECT_EQ(w->shown()->cellColours[8], top[0]); // (1, 1, 3) remembered
    w->VScroll1_Change(4);                         // beyond the layers: nothing happens
    EXPECT_EQ(w->state().txtLayer, "3");
    w->wheel(5); // away from the user: up the scroll bar, no further than layer 1
    EXPECT_EQ(w->state().VScroll1.value, 1);
    EXPECT_EQ(w->state().txtLayer, "1");
    w->wheel(-5);
    EXPECT_EQ(w->state().VScroll1.value, 3);
    EXPECT_EQ(f.cells()[0], w->shown()->scale.colourOf(40));

    // One layer: a bar from one to one.
    auto flat = f.open(f.model(f.home.write("f.out", crlf({"1 2", "3 4"})), 2, 2, 1));
    EXPECT_EQ(flat->state().VScroll1.min, 1);
    EXPECT_EQ(flat->state().VScroll1.max, 1);
    EXPECT_EQ(flat->state().VScroll1.value, 1);
    EXPECT_EQ(flat->state().txtnz, "1");
}

TEST(FrmTemp, AShortFileOrAnItemThatIsNoTemperatureIsNamedByPlaceAndShowsNoHalfReadField) {
    TempFixture f;
    const std::pair<std::string, std::string> cases[] = {
        {crlf({"1 2", "3 4", "5 6"}), "ends before layer 2, row 2, column 1"},
        {crlf({"1 2", "3 4", "5 6", "7"}), "ends before layer 2, row 2, column 2"},
        {"", "ends before layer 1, row 1, column 1"},
        {crlf({"1 x", "3 4", "5 6", "7 8"}), "layer 1, row 1, column 2"},
        {crlf({"1 1E+39", "3 4", "5 6", "7 8"}), "layer 1, row 1, column 2"}};
    for (const auto& [text, place] : cases) {
        f.dialogs.messages.clear();
        f.picture.ops.clear();
        auto w = f.open(f.model(f.home.write("t.out", text), 2, 2, 2));
        ASSERT_EQ(f.dialogs.messages.size(), 1u) << text;
        EXPECT_EQ(f.dialogs.messages[0].title, "Temperature Data");
        EXPECT_NE(f.dialogs.messages[0].text.find(place), std::string::npos)
            << f.dialogs.messages[0].text;
        EXPECT_EQ(w->shown(), nullptr);
        EXPECT_TRUE(f.cells().empty());
    }
}

TEST(FrmTemp, CrossSectionAsksForTheFileAndTheGrid) {
    TempFixture f;
    DisplaySource ready;
    ready.viewMode = "Ready";
    auto w = f.open(ready);
    EXPECT_TRUE(f.picture.ops.empty()); // nothing drawn in another mode
    DisplaySource sounding;
    sounding.viewMode = "sounding"; // and no trace without a sounding
    f.open(sounding);
    EXPECT_TRUE(f.picture.sinceClear(DrawOp::Point).empty());

    f.dialogs.fileAnswers = {f.home.write("t.out", crlf({"1 2 3", "4 5 6"}))};
    f.dialogs.inputAnswers = {"3", "2", "1"};
    w->mnuCross();
    ASSERT_EQ(f.dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(f.dialogs.fileRequests[0].request.filter, filters::kOutput);
    ASSERT_EQ(f.dialogs.prompts.size(), 3u);
    EXPECT_EQ(f.dialogs.prompts[0].prompt, "NX=");
    EXPECT_EQ(f.dialogs.prompts[1].prompt, "NY=");
    EXPECT_EQ(f.dialogs.prompts[2].prompt, "NZ=");
    EXPECT_EQ(w->state().txtnx, "3");
    EXPECT_DOUBLE_EQ(w->state().aspect, 1.5); // cell sizes unknown: taken as square
    EXPECT_EQ(f.cells().size(), 6u);

    // The grid is known now; a failed read keeps what is shown.
    const auto before = w->state().legend.ticks;
    f.dialogs.fileAnswers = {f.home.write("short.out", crlf({"1 2 3"}))};
    w->mnuCross();
    EXPECT_EQ(f.dialogs.prompts.size(), 3u);
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(w->shown()->outputFile, f.home.file("t.out"));
    EXPECT_EQ(w->state().legend.ticks.back().label, before.back().label);
    EXPECT_EQ(w->sections().size(), 1u);

    // A grid without cells is refused, not divided by.
    auto fresh = f.open(ready);
    f.dialogs.fileAnswers = {f.home.file("t.out")};
    f.dialogs.inputAnswers = {"3", "2", "0"};
    fresh->mnuCross();
    EXPECT_EQ(fresh->shown(), nullptr);
    EXPECT_EQ(f.dialogs.messages.size(), 2u);

    // No file chosen: the window closes.
    f.dialogs.fileAnswers.clear();
    w->mnuCross();
    EXPECT_TRUE(w->state().closed);
}

} // namespace
} // namespace vardex
