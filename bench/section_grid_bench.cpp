// Speed of the section editor's grid while the user paints: an 80 by 80 section redrawn on a
// drawing area of 640 by 640 pixels, once as one image of cells (what the editor does) and once as
// one drawing operation per zone (what a plain canvas would do). One frame is 16.7 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "CanvasWidget.h"
#include "app/AppState.h"
#include "materials/MaterialsFile.h"
#include "section/SectionEditor.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

namespace {

using namespace vardex;

constexpr int kZones = 80;

struct Editor {
    testing::TempDir home;
    testing::ScriptedDialogs dialogs;
    AppState app{dialogs, {home.path()}};
    SectionEditor editor{app};
    gui::CanvasWidget grid;
    QImage frame{640, 640, QImage::Format_RGB32};

    Editor() {
        app.config.testing = true;
        const std::string mts = home.file("bench.mts");
        SaveFile(app, mts,
                 {{"Concrete", rgb(160, 160, 160), 2, 1, 2400, 1, 0},
                  {"Soil", rgb(120, 90, 40), 1, 0.8f, 1800, 0, 0}});
        app.config.materialfile = mts;
        app.config.nx = app.config.ny = kZones;
        app.config.dx = app.config.dy = 0.01;
        grid.resize(640, 640);
        editor.attachGrid(&grid);
        editor.windowOpens();
        editor.materialChosen(1);
        editor.sectionFillClicked();
        editor.materialChosen(0);
    }
    void show() {
        QPainter painter(&frame);
        grid.render(&painter);
    }
};

// One stroke across a row: the zones take the material as the pointer passes, then the whole
// grid is redrawn and shown.
void BM_PaintStrokeAndRedraw(benchmark::State& state) {
    Editor e;
    double row = 1;
    for (auto _ : state) {
        e.editor.mouseDown(1, row);
        for (int i = 2; i <= kZones; ++i) e.editor.mouseMove(i, row);
        e.editor.mouseUp(kZones, row);
        e.show();
        row = row >= kZones ? 1 : row + 1;
    }
}
BENCHMARK(BM_PaintStrokeAndRedraw)->Unit(benchmark::kMillisecond);

// The grid redrawn and shown, as after every fill.
void BM_RedrawAsOneImage(benchmark::State& state) {
    Editor e;
    std::vector<std::int32_t> cells(kZones * kZones, rgb(160, 160, 160));
    for (auto _ : state) {
        e.grid.clear(kWhite);
        e.grid.cellGrid(0.5, 0.5, 1, 1, kZones, kZones, cells);
        e.show();
    }
}
BENCHMARK(BM_RedrawAsOneImage)->Unit(benchmark::kMillisecond);

// The same drawn zone by zone, each a vertical mark of the pen width.
void BM_RedrawZoneByZone(benchmark::State& state) {
    Editor e;
    for (auto _ : state) {
        e.grid.clear(kWhite);
        for (int j = 1; j <= kZones; ++j)
            for (int i = 1; i <= kZones; ++i)
                e.grid.line(i, j - 0.37, i, j + 0.37, rgb(160, 160, 160), 8);
        e.show();
    }
}
BENCHMARK(BM_RedrawZoneByZone)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
