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

TEST(FrmTemp, AHandCheckedFieldGetsItsLevelsLabelsAndColours) {
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
    const CrossSection& s = *w->shown();
    EXPECT_FLOAT_EQ(s.field.average, 30);
    EXPECT_FLOAT_EQ(s.scale.meanDeviation, 15);
    EXPECT_FLOAT_EQ(s.scale.lowest, 0);
    EXPECT_FLOAT_EQ(s.scale.step, 2);
    EXPECT_EQ(w->state().Label2, " 2");
    EXPECT_EQ(w->state().Label3, " 60");
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

TEST(FrmTemp, AUniformFieldTakesTheQuarterStepAndOneClass) {
    TempFixture f;
    // Spread 0: step 0.25, lowest 20, level 1 = 20.25 is above every cell: class 1, whose
    // g = round(8.5) = 8 and blue 255 - round(2.67) = 252.
    auto w = f.open(f.model(f.home.write("t.out", crlf({"20 20 20", "20 20 20"})), 3, 2, 1));
    EXPECT_FLOAT_EQ(w->shown()->scale.step, 0.25f);
    EXPECT_EQ(w->state().Label2, " 20.25");
    EXPECT_EQ(w->state().Label3, " 27.5");
    EXPECT_EQ(f.cells(), std::vector<std::int32_t>(6, rgb(8, 8, 252)));
}

TEST(FrmTemp, OneLayerGivesAScrollBarFromOneToOne) {
    TempFixture f;
    auto w = f.open(f.model(f.home.write("t.out", crlf({"1 2", "3 4"})), 2, 2, 1));
    const ScrollBarState& bar = w->state().VScroll1;
    EXPECT_EQ(bar.min, 1);
    EXPECT_EQ(bar.max, 1);
    EXPECT_EQ(bar.value, 1);
    EXPECT_EQ(w->state().txtLayer, "1");
    EXPECT_EQ(w->state().txtnz, "1");
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

TEST(FrmTemp, TheScrollBarStartsInTheMiddleAndChangesTheLayer) {
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
}

TEST(FrmTemp, CommasSeparateAsBlanksDo) {
    TempFixture f;
    auto w = f.open(f.model(f.home.write("t.out", crlf({"1,2,3", "4, 5 ,6"})), 3, 2, 1));
    const TemperatureField& t = w->shown()->field;
    EXPECT_EQ(t.at(3, 1, 1), 3);
    EXPECT_EQ(t.at(1, 2, 1), 4);
    EXPECT_EQ(t.at(2, 2, 1), 5);
    EXPECT_EQ(t.at(3, 2, 1), 6);
}

TEST(FrmTemp, AShortFileIsSaidAndShowsNoHalfReadField) {
    TempFixture f;
    const std::pair<std::string, std::string> cases[] = {
        {crlf({"1 2", "3 4", "5 6"}), "ends before layer 2, row 2, column 1"},
        {crlf({"1 2", "3 4", "5 6", "7"}), "ends before layer 2, row 2, column 2"},
        {"", "ends before layer 1, row 1, column 1"}};
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

TEST(FrmTemp, AnItemThatIsNoTemperatureIsSaid) {
    TempFixture f;
    for (const char* bad : {"1 x", "1 1E+39"}) {
        f.dialogs.messages.clear();
        auto w = f.open(f.model(f.home.write("t.out", crlf({bad, "3 4"})), 2, 2, 1));
        ASSERT_EQ(f.dialogs.messages.size(), 1u);
        EXPECT_NE(f.dialogs.messages[0].text.find("layer 1, row 1, column 2"), std::string::npos);
        EXPECT_EQ(w->shown(), nullptr);
    }
}

TEST(FrmTemp, CrossSectionAsksForTheFileAndTheGrid) {
    TempFixture f;
    DisplaySource ready;
    ready.viewMode = "Ready";
    auto w = f.open(ready);
    EXPECT_TRUE(f.picture.ops.empty()); // nothing drawn in another mode

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
    const auto before = w->state().Label3;
    f.dialogs.fileAnswers = {f.home.write("short.out", crlf({"1 2 3"}))};
    w->mnuCross();
    EXPECT_EQ(f.dialogs.prompts.size(), 3u);
    EXPECT_EQ(f.dialogs.messages.size(), 1u);
    EXPECT_EQ(w->shown()->outputFile, f.home.file("t.out"));
    EXPECT_EQ(w->state().Label3, before);
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

TEST(FrmTemp, SoundingModeDrawsTheTraceWhenThereIsASounding) {
    TempFixture f;
    DisplaySource source;
    source.viewMode = "sounding";
    f.open(source);
    EXPECT_TRUE(f.picture.sinceClear(DrawOp::Point).empty());
}

} // namespace
} // namespace vardex
