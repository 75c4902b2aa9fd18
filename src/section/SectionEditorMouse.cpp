// Painting on the section grid with the mouse: zones under the pointer, boxes dragged from corner
// to corner and cylinders from centre to rim.

#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/AppState.h"
#include "section/SectionEditor.h"
#include "text/PrintForm.h"

namespace vardex {
namespace {

using namespace sectionCaptions;

// Draws nothing: the painters draw through a canvas even when no grid is attached.
class NoCanvas : public Canvas {
  public:
    void setScale(double, double, double, double) override {}
    double scaleWidth() const override { return 1; }
    double scaleHeight() const override { return 1; }
    void clear(std::int32_t) override {}
    void line(double, double, double, double, std::int32_t, int) override {}
    void box(double, double, double, double, std::int32_t, int) override {}
    void filledBox(double, double, double, double, std::int32_t) override {}
    void point(double, double, std::int32_t) override {}
    void text(double, double, const std::string&, std::int32_t, TextAnchor) override {}
};

NoCanvas noCanvas;

} // namespace

double SectionEditor::metresX(double x) const {
    return std::clamp(x - 0.5, 0.0, static_cast<double>(section_.nx)) * section_.dx;
}

double SectionEditor::metresY(double y) const {
    return std::clamp(y - 0.5, 0.0, static_cast<double>(section_.ny)) * section_.dy;
}

void SectionEditor::mouseDown(double x, double y, DragShape shape) {
    Canvas& canvas = grid_ ? *grid_ : noCanvas;
    // Boxes and cylinders need a filled section and a fill material, as their buttons do.
    if (shape != DragShape::Zones && (!window_.objectFillsEnabled || !window_.fillGroupEnabled))
        shape = DragShape::Zones;
    dragShape_ = shape;
    dragX_ = lastX_ = x;
    dragY_ = lastY_ = y;
    dragging_ = true;
    if (shape == DragShape::Zones) pointwise_.mousePressed(x, y, canvas);
    changed();
}

void SectionEditor::mouseMove(double x, double y) {
    if (!dragging_) return;
    if (dragShape_ == DragShape::Zones) {
        // A quick stroke reports few positions: the zones passed over in between are painted too.
        const int steps =
            static_cast<int>(std::ceil(2 * std::max(std::fabs(x - lastX_), std::fabs(y - lastY_))));
        for (int n = 1; n <= steps; ++n)
            pointwise_.mouseMoved(lastX_ + (x - lastX_) * n / steps,
                                  lastY_ + (y - lastY_) * n / steps, grid_ ? *grid_ : noCanvas);
        lastX_ = x;
        lastY_ = y;
    } else {
        drawDragOutline(x, y);
    }
}

void SectionEditor::drawDragOutline(double x, double y) {
    if (!grid_) return;
    redrawGrid();
    const std::int32_t color = section_.materials[painter_.currentMaterial].color;
    if (dragShape_ == DragShape::Box) {
        grid_->box(dragX_, dragY_, x, y, color, 2);
        return;
    }
    const double r = std::hypot(x - dragX_, y - dragY_);
    constexpr int kSegments = 48;
    for (int s = 0; s < kSegments; ++s) {
        const double a1 = 2 * std::numbers::pi * s / kSegments;
        const double a2 = 2 * std::numbers::pi * (s + 1) / kSegments;
        grid_->line(dragX_ + r * std::cos(a1), dragY_ + r * std::sin(a1), dragX_ + r * std::cos(a2),
                    dragY_ + r * std::sin(a2), color, 2);
    }
}

void SectionEditor::mouseUp(double x, double y) {
    if (!dragging_) return;
    dragging_ = false;
    if (dragShape_ == DragShape::Zones) {
        pointwise_.mouseReleased();
    } else {
        finishDrag(x, y);
    }
    changed();
}

void SectionEditor::finishDrag(double x, double y) {
    const double x1 = metresX(dragX_), y1 = metresY(dragY_);
    const double x2 = metresX(x), y2 = metresY(y);
    if (dragShape_ == DragShape::Box) {
        painter_.x0 = static_cast<float>((x1 + x2) / 2);
        painter_.y0 = static_cast<float>((y1 + y2) / 2);
        fills_.boxFill(static_cast<float>(std::fabs(x2 - x1) / 2),
                       static_cast<float>(std::fabs(y2 - y1) / 2));
    } else {
        painter_.x0 = static_cast<float>(x1);
        painter_.y0 = static_cast<float>(y1);
        const float R = static_cast<float>(std::hypot(x2 - x1, y2 - y1));
        painter_.radius = R;
        const float width = section_.nx * section_.dx, height = section_.ny * section_.dy;
        if (R <= width / 2 && R <= height / 2)
            fills_.cylinderFill(R);
        else
            app_.dialogs.inform(plainDigits(R) + " is too large", kMessageTitle);
    }
    selectPointwiseFill();
    redrawGrid();
}

} // namespace vardex
