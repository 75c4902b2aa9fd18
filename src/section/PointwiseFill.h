#pragma once
// Painting with the mouse: the zone under the pointer takes the current material while the
// button is down. Positions are in grid units, where zone (i, j) is centred on the point (i, j).

namespace vardex {

class Canvas;
class Dialogs;
class PainterView;
struct PainterState;
struct SectionEditorState;

class PointwiseFill {
  public:
    PointwiseFill(Dialogs& dialogs, SectionEditorState& section, PainterState& painter,
                  PainterView& view);

    void mousePressed(double x, double y, Canvas& canvas);
    void mouseMoved(double x, double y, Canvas& canvas);
    // Redraws every zone in its colour and marks the section unsaved.
    void mouseReleased();

  private:
    // Paints the zone whose centre is nearest; positions beyond the outer centres are ignored.
    void paintAt(double x, double y, Canvas& canvas);

    Dialogs& dialogs_;
    SectionEditorState& section_;
    PainterState& painter_;
    PainterView& view_;
};

} // namespace vardex
