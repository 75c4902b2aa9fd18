#pragma once
// A drawing area: keeps the drawing as a list of operations in user coordinates and paints it
// scaled to the widget; mouse events are handed on in user coordinates.

#include <functional>
#include <vector>

#include <QImage>
#include <QWidget>

#include "platform/Canvas.h"

namespace vardex::gui {

class CanvasWidget : public QWidget, public Canvas {
    Q_OBJECT
  public:
    explicit CanvasWidget(QWidget* parent = nullptr);

    void setScale(double left, double top, double right, double bottom) override;
    double scaleWidth() const override;
    double scaleHeight() const override;
    void clear(std::int32_t background) override;
    void line(double x1, double y1, double x2, double y2, std::int32_t color, int width) override;
    void box(double x1, double y1, double x2, double y2, std::int32_t color, int width) override;
    void filledBox(double x1, double y1, double x2, double y2, std::int32_t color) override;
    void point(double x, double y, std::int32_t color) override;
    void text(double x, double y, const std::string& text, std::int32_t color,
              TextAnchor anchor) override;
    // The grid as one image, scaled to its cells without smoothing.
    void cellGrid(double left, double top, double cellWidth, double cellHeight, int columns,
                  int rows, const std::vector<std::int32_t>& colours) override;

    // Mouse events in user coordinates (button: 1 left, 2 right).
    std::function<void(double x, double y, int button)> onMouseDown;
    std::function<void(double x, double y, int button)> onMouseMove;
    std::function<void(double x, double y, int button)> onMouseUp;
    // The pointer left the drawing area.
    std::function<void()> onMouseLeave;
    // The wheel turned over the drawing area: notches, positive away from the user. Without a
    // handler the event goes on to the parent.
    std::function<void(int notches)> onWheel;

    // Width over height the widget keeps when laid out; 0 lets it stretch freely.
    void setAspectRatio(double ratio);
    bool hasHeightForWidth() const override { return aspect_ > 0; }
    int heightForWidth(int width) const override;

    // Line widths count in this many user units (x direction) instead of pixels, so a drawing
    // whose lines are meant to fill bands keeps doing so at any size; 0 keeps pixels.
    void setLineWidthUnit(double userUnits) { lineWidthUnit_ = userUnits; }

    QPointF toUser(const QPointF& pixel) const;
    QPointF toPixel(double x, double y) const;
    int operationCount() const { return static_cast<int>(ops_.size()); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    struct Op {
        enum Kind { Line, Box, FilledBox, Point, Image, Text } kind;
        double x1, y1, x2, y2;
        std::int32_t color;
        int width; // for an image: its index in images_; for a text: its index in texts_
        TextAnchor anchor = TextAnchor::Left;
    };
    void add(const Op& op);

    bool scaled_ = false;
    double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
    std::int32_t background_ = 16777215;
    std::vector<Op> ops_;
    std::vector<QImage> images_;
    std::vector<QString> texts_;
    int wheelAngle_ = 0; // eighths of a degree not yet a whole notch (fine-grained wheels)
    double aspect_ = 0;
    double lineWidthUnit_ = 0;
};

} // namespace vardex::gui
