#pragma once
// A canvas that records every drawing operation, for assertions on what was drawn.

#include <string>
#include <vector>

#include "platform/Canvas.h"

namespace vardex::testing {

struct DrawOp {
    enum Kind { Scale, Clear, Line, Box, FilledBox, Point, CellGrid, Text } kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::int32_t color = 0;
    int width = 0;
    // A cell grid: its columns and rows and the colours row by row; x2, y2 hold the cell size.
    int columns = 0, rows = 0;
    std::vector<std::int32_t> cells;
    std::string text;
    TextAnchor anchor = TextAnchor::Left;
};

class RecordingCanvas : public Canvas {
  public:
    RecordingCanvas(double width = 1000, double height = 1000) : width_(width), height_(height) {}

    std::vector<DrawOp> ops;

    void setScale(double left, double top, double right, double bottom) override;
    double scaleWidth() const override { return width_; }
    double scaleHeight() const override { return height_; }
    void clear(std::int32_t background) override;
    void line(double x1, double y1, double x2, double y2, std::int32_t color, int width) override;
    void box(double x1, double y1, double x2, double y2, std::int32_t color, int width) override;
    void filledBox(double x1, double y1, double x2, double y2, std::int32_t color) override;
    void point(double x, double y, std::int32_t color) override;
    void text(double x, double y, const std::string& text, std::int32_t color,
              TextAnchor anchor) override;
    void cellGrid(double left, double top, double cellWidth, double cellHeight, int columns,
                  int rows, const std::vector<std::int32_t>& colors) override;

    // Operations of one kind since the last clear.
    std::vector<DrawOp> sinceClear(DrawOp::Kind kind) const;

  private:
    double width_;
    double height_;
};

} // namespace vardex::testing
