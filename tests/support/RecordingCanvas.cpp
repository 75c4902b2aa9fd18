#include "support/RecordingCanvas.h"

#include <cmath>

namespace vardex::testing {
namespace {

DrawOp makeOp(DrawOp::Kind kind, double x1, double y1, double x2, double y2, std::int32_t color,
              int width) {
    DrawOp op{};
    op.kind = kind;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    op.color = color;
    op.width = width;
    return op;
}

} // namespace

void RecordingCanvas::setScale(double left, double top, double right, double bottom) {
    ops.push_back(makeOp(DrawOp::Scale, left, top, right, bottom, 0, 0));
    width_ = std::abs(right - left);
    height_ = std::abs(bottom - top);
}

void RecordingCanvas::clear(std::int32_t background) {
    ops.push_back(makeOp(DrawOp::Clear, 0, 0, 0, 0, background, 0));
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2, std::int32_t color,
                           int width) {
    ops.push_back(makeOp(DrawOp::Line, x1, y1, x2, y2, color, width));
}

void RecordingCanvas::box(double x1, double y1, double x2, double y2, std::int32_t color,
                          int width) {
    ops.push_back(makeOp(DrawOp::Box, x1, y1, x2, y2, color, width));
}

void RecordingCanvas::filledBox(double x1, double y1, double x2, double y2, std::int32_t color) {
    ops.push_back(makeOp(DrawOp::FilledBox, x1, y1, x2, y2, color, 0));
}

void RecordingCanvas::point(double x, double y, std::int32_t color) {
    ops.push_back(makeOp(DrawOp::Point, x, y, x, y, color, 0));
}

void RecordingCanvas::text(double x, double y, const std::string& text, std::int32_t color,
                           TextAnchor anchor) {
    DrawOp op = makeOp(DrawOp::Text, x, y, x, y, color, 0);
    op.text = text;
    op.anchor = anchor;
    ops.push_back(op);
}

void RecordingCanvas::cellGrid(double left, double top, double cellWidth, double cellHeight,
                               int columns, int rows, const std::vector<std::int32_t>& colors) {
    DrawOp op = makeOp(DrawOp::CellGrid, left, top, cellWidth, cellHeight, 0, 0);
    op.columns = columns;
    op.rows = rows;
    op.cells = colors;
    ops.push_back(std::move(op));
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
