#pragma once
// The model-builder panel of the main window: sub-model types from profile files, chunks placed
// by clicks in the drawing, deletion, length adjustment, and the model file.

#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/MainWindowState.h"
#include "model/ModelState.h"
#include "platform/Canvas.h"
#include "submodel/Csubmodel.h"

namespace vardex {

// Scale of the model drawing picModel: width and height in its own units.
inline constexpr double kModelDrawingWidth = 180;
inline constexpr double kModelDrawingHeight = 990;
inline constexpr std::int32_t kChunkBorderColour = 0; // black, across a chunk's ends

class ModelBuilder {
  public:
    ModelBuilder(AppState& app, MainWindowState& window);

    // The drawing; nothing is drawn until one is attached. Its user scale is set here.
    void attachDrawing(Canvas* canvas);

    const ModelState& model() const { return model_; }

    // Panel actions.
    void selectType(int listIndex);
    void chooseColor(); // a click on the swatch: colour chooser for the selected type
    void addType();     // "Append a Sub - Model"
    void deleteType();  // " Delete a  Sub-Model"
    void mouseUp(double x, double y);
    void deleteChunkClicked(); // "Delete a Chunk": the next click deletes
    void adjust();             // "Adjust Model Length"
    void lengthEstimate();     // also a click on the total-length box

    // Internal steps the main window's commands use.
    void showType(int k);
    void drawModel();
    void getUnusedLength();
    void profileClear();
    void clearBuilder();
    void emptyChunkSlots() { model_.emptySlots(); }
    void setTotalLength(float length) { model_.totalLength = length; }

    // The builder's own part of a model, kept while another model is read so that a failed read
    // can put it back.
    struct Saved {
        ModelState model;
        std::shared_ptr<Csubmodel> current;
    };
    Saved save() const { return {model_, current_}; }
    void restore(const Saved& saved);

    // Checks that the model, as the writer would write it, reads back: an empty text when it
    // does, else what is wrong.
    std::string unreadableModelProblem() const;

    // Model file.
    bool read_modfile(const std::string& path);
    bool read_profile(const std::string& path);
    bool write_modfile(const std::string& path);

  private:
    void chooseColorFor(int k);
    // A colour that shows on the white drawing, different for neighbouring types.
    static std::int32_t defaultTypeColor(int k);
    void addChunk(double y);
    void deleteChunk(double y);
    // Slot of a click at drawing height y; 0 when the click is outside the slots.
    int slotAt(double y) const;
    void drawChunk(std::int32_t color, float bottom, float top);
    void changed() { window_.saved = false; }
    std::int16_t selected() const { return app_.selectedSubmodel; }
    void fail(const std::string& path);

    AppState& app_;
    MainWindowState& window_;
    ModelState model_;
    Canvas* drawing_ = nullptr;
    std::shared_ptr<Csubmodel> current_; // the window's current sub-model record
};

} // namespace vardex
