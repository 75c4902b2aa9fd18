#include "section/PointwiseFill.h"

#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "section/PainterState.h"
#include "section/PainterView.h"
#include "section/SectionEditorState.h"
#include "text/NumberText.h"

namespace vardex {

PointwiseFill::PointwiseFill(Dialogs& dialogs, SectionEditorState& section, PainterState& painter,
                             PainterView& view)
    : dialogs_(dialogs), section_(section), painter_(painter), view_(view) {}

void PointwiseFill::mousePressed(double x, double y, Canvas& canvas) {
    if (section_.materials[1].name.empty())
        dialogs_.inform("NEED TO OPEN A MATERIALS FILE", "Section Page . . .");
    painter_.mouseDown = true;
    paintAt(x, y, canvas);
}

void PointwiseFill::mouseMoved(double x, double y, Canvas& canvas) {
    if (painter_.mouseDown) paintAt(x, y, canvas);
}

void PointwiseFill::mouseReleased() {
    painter_.mouseDown = false;
    view_.redrawGrid();
    section_.unsaved = true;
}

void PointwiseFill::paintAt(double x, double y, Canvas& canvas) {
    if (!(x >= 1.0 && x <= section_.nx && y >= 1.0 && y <= section_.ny)) return;
    const int i = static_cast<int>(roundHalfEven(x));
    const int j = static_cast<int>(roundHalfEven(y));
    const std::int16_t a = painter_.currentMaterial;
    const std::int32_t color = section_.materials[a].color;
    section_.values.setValue(i, j, a);
    painter_.colors.setColor(i, j, color);
    canvas.point(x, y, color);
}

} // namespace vardex
