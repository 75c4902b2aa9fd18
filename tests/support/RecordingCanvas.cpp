#include "support/RecordingCanvas.h"

#include <cmath>

namespace vardex::testing {

void RecordingCanvas::setScale(double left, double top, double right, double bottom) {
    ops.push_back({DrawOp::Scale, left, top, right, bottom, 0, 0});
    width_ = std::abs(right - left);
    height_ = std::abs(bottom - top);
}

void RecordingCanvas::clear(std::int32_t background) {
    ops.push_back({DrawOp::Clear, 0, 0, 0, 0, background, 0});
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2, std::int32_t color,
                           int width) {
    ops.push_back({DrawOp::Line, x1, y1, x2, y2, color, width});
}

void RecordingCanvas::box(double x1, double y1, double x2, double y2, std::int32_t color,
                          int width) {
    ops.push_back({DrawOp::Box, x1, y1, x2, y2, color, width});
}

void RecordingCanvas::filledBox(double x1, double y1, double x2, double y2, std::int32_t color) {
    ops.push_back({DrawOp::FilledBox, x1, y1, x2, y2, color, 0});
}

void RecordingCanvas::point(double x, double y, std::int32_t color) {
    ops.push_back({DrawOp::Point, x, y, x, y, color, 0});
}

std::vector<DrawOp> RecordingCanvas::sinceClear(DrawOp::Kind kind) const {
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Clear)
            found.clear();
        else if (op.kind == kind)
            found.push_back(op);
    }
    return found;
}

} // namespace vardex::testing
