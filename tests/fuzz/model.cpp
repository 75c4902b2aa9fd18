// A model file, read by the model builder with its drawing attached.

#include "FuzzSupport.h"
#include "app/MainWindowState.h"
#include "model/ModelBuilder.h"
#include "support/RecordingCanvas.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vardex;
    const std::string path = fuzz::writeInput(data, size, "input.mod");
    fuzz::FuzzApp f;
    MainWindowState window;
    testing::RecordingCanvas canvas;
    ModelBuilder builder(f.app, window);
    builder.attachDrawing(&canvas);
    builder.read_modfile(path);
    return 0;
}
