// How long one 80 x 80 layer of the temperature display takes from the controller's call to
// painted pixels: drawn as 6,400 filled boxes, or as one cell-grid image, and the whole scroll
// step of the display (colour lookup, drawing and painting).

#include <cstdlib>
#include <vector>

#include <QApplication>
#include <benchmark/benchmark.h>

#include "CanvasWidget.h"
#include "exec/frmTemp.h"
#include "platform/FileSystem.h"
#include "text/TextFileWriter.h"

using namespace vardex;

namespace {

constexpr int kCells = 80;

std::vector<std::int32_t> layerColours() {
    std::vector<std::int32_t> colours;
    for (int y = 0; y < kCells; ++y)
        for (int x = 0; x < kCells; ++x) colours.push_back(rgb(3 * x, 3 * y, 200));
    return colours;
}

gui::CanvasWidget& canvas() {
    static gui::CanvasWidget widget;
    widget.resize(640, 640);
    return widget;
}

void BM_LayerAsFilledBoxes(benchmark::State& state) {
    const auto colours = layerColours();
    gui::CanvasWidget& c = canvas();
    for (auto _ : state) {
        c.setScale(0, 0, kCells, kCells);
        c.clear(kWhite);
        for (int y = 0; y < kCells; ++y)
            for (int x = 0; x < kCells; ++x)
                c.filledBox(x, y, x + 1, y + 1, colours[y * kCells + x]);
        QImage painted = c.grab().toImage();
        benchmark::DoNotOptimize(painted.constBits());
    }
}
BENCHMARK(BM_LayerAsFilledBoxes)->Unit(benchmark::kMillisecond);

void BM_LayerAsOneImage(benchmark::State& state) {
    const auto colours = layerColours();
    gui::CanvasWidget& c = canvas();
    for (auto _ : state) {
        c.setScale(0, 0, kCells, kCells);
        c.clear(kWhite);
        c.cellGrid(0, 0, 1, 1, kCells, kCells, colours);
        QImage painted = c.grab().toImage();
        benchmark::DoNotOptimize(painted.constBits());
    }
}
BENCHMARK(BM_LayerAsOneImage)->Unit(benchmark::kMillisecond);

const std::string kFieldPath = "display_bench_field.out";

// Five decimals per temperature, as the solver writes its fields.
void writeField(const std::string& path) {
    TextFileWriter out(path);
    for (int z = 1; z <= kCells; ++z)
        for (int y = 1; y <= kCells; ++y) {
            std::string line;
            for (int x = 1; x <= kCells; ++x)
                line += std::to_string(20.123456 + x % 7 + z).substr(0, 8) + " ";
            out.line(line);
        }
    out.commit();
}

// Reading a whole 80 x 80 x 80 field as the display reads it.
void BM_ReadField(benchmark::State& state) {
    writeField(kFieldPath);
    for (auto _ : state) {
        TemperatureField field = readTemperatureField(kFieldPath, kCells, kCells, kCells);
        benchmark::DoNotOptimize(field.average);
    }
    FileSystem().deleteFile(kFieldPath);
}
BENCHMARK(BM_ReadField)->Unit(benchmark::kMillisecond);

// One scroll step of the display over an 80 x 80 x 80 field, painted.
void BM_DisplayScrollStep(benchmark::State& state) {
    const std::string path = kFieldPath;
    writeField(path);
    struct NoDialogs : Dialogs {
        MessageAnswer message(const std::string&, const std::string&, MessageButtons) override {
            return MessageAnswer::Ok;
        }
        std::string input(const std::string&, const std::string&, const std::string&) override {
            return {};
        }
        std::string openFile(const FileDialogRequest&) override { return {}; }
        SaveFileChoice chooseSaveFile(const FileDialogRequest&) override { return {}; }
        std::optional<std::int32_t> chooseColor(std::int32_t) override { return {}; }
    } dialogs;
    AppState app(dialogs, {});
    gui::CanvasWidget& picture = canvas();
    gui::CanvasWidget scale;
    DisplaySource source;
    source.viewMode = "model";
    source.chunks.push_back({path, kCells, kCells, kCells, 0.05, 0.05, 0.05});
    frmTemp display(app, dialogs, picture, scale, source);
    display.load();
    int layer = 1;
    for (auto _ : state) {
        display.VScroll1_Change(layer);
        layer = layer % kCells + 1;
        QImage painted = picture.grab().toImage();
        benchmark::DoNotOptimize(painted.constBits());
    }
    FileSystem().deleteFile(path);
}
BENCHMARK(BM_DisplayScrollStep)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
