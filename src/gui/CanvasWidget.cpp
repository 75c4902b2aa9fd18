#include "CanvasWidget.h"

#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace vardex::gui {
namespace {

QColor toQColor(std::int32_t color) {
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

int buttonNumber(Qt::MouseButtons buttons) {
    if (buttons & Qt::LeftButton) return 1;
    if (buttons & Qt::RightButton) return 2;
    return 0;
}

void drawText(QPainter& painter, QPointF at, const QString& text, TextAnchor anchor) {
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(text);
    double left = at.x() - width / 2;
    double baseline = at.y() + (metrics.ascent() - metrics.descent()) / 2;
    if (anchor == TextAnchor::Left) left = at.x();
    if (anchor == TextAnchor::Right) left = at.x() - width;
    if (anchor == TextAnchor::Top) baseline = at.y() + metrics.ascent();
    if (anchor == TextAnchor::Bottom) baseline = at.y() - metrics.descent();
    painter.drawText(QPointF(left, baseline), text);
}

} // namespace

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
    setMouseTracking(false);
    setMinimumSize(40, 40);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setSizePolicy(policy);
}

void CanvasWidget::setScale(double left, double top, double right, double bottom) {
    scaled_ = true;
    left_ = left;
    top_ = top;
    right_ = right;
    bottom_ = bottom;
    update();
}

double CanvasWidget::scaleWidth() const {
    return scaled_ ? std::abs(right_ - left_) : width();
}
double CanvasWidget::scaleHeight() const {
    return scaled_ ? std::abs(bottom_ - top_) : height();
}

void CanvasWidget::clear(std::int32_t background) {
    background_ = background;
    ops_.clear();
    images_.clear();
    texts_.clear();
    update();
}

void CanvasWidget::add(const Op& op) {
    ops_.push_back(op);
    update();
}

void CanvasWidget::line(double x1, double y1, double x2, double y2, std::int32_t color, int width) {
    add({Op::Line, x1, y1, x2, y2, color, width});
}

void CanvasWidget::box(double x1, double y1, double x2, double y2, std::int32_t color, int width) {
    add({Op::Box, x1, y1, x2, y2, color, width});
}

void CanvasWidget::filledBox(double x1, double y1, double x2, double y2, std::int32_t color) {
    add({Op::FilledBox, x1, y1, x2, y2, color, 1});
}

void CanvasWidget::point(double x, double y, std::int32_t color) {
    add({Op::Point, x, y, x, y, color, 3});
}

void CanvasWidget::text(double x, double y, const std::string& text, std::int32_t color,
                        TextAnchor anchor) {
    texts_.push_back(QString::fromStdString(text));
    add({Op::Text, x, y, x, y, color, static_cast<int>(texts_.size()) - 1, anchor});
}

void CanvasWidget::cellGrid(double left, double top, double cellWidth, double cellHeight,
                            int columns, int rows, const std::vector<std::int32_t>& colours) {
    if (columns < 1 || rows < 1 || colours.size() < static_cast<std::size_t>(columns) * rows)
        return;
    QImage image(columns, rows, QImage::Format_RGB32);
    for (int r = 0; r < rows; ++r) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(r));
        for (int c = 0; c < columns; ++c) {
            const std::int32_t colour = colours[static_cast<std::size_t>(r) * columns + c];
            line[c] = qRgb(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
        }
    }
    images_.push_back(std::move(image));
    add({Op::Image, left, top, left + columns * cellWidth, top + rows * cellHeight, 0,
         static_cast<int>(images_.size()) - 1});
}

void CanvasWidget::setAspectRatio(double ratio) {
    aspect_ = ratio;
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(ratio > 0);
    setSizePolicy(policy);
    updateGeometry();
}

int CanvasWidget::heightForWidth(int width) const {
    return aspect_ > 0 ? static_cast<int>(width / aspect_) : QWidget::heightForWidth(width);
}

QPointF CanvasWidget::toPixel(double x, double y) const {
    if (!scaled_) return {x, y};
    return {(x - left_) / (right_ - left_) * width(), (y - top_) / (bottom_ - top_) * height()};
}

QPointF CanvasWidget::toUser(const QPointF& pixel) const {
    if (!scaled_) return pixel;
    return {left_ + pixel.x() / width() * (right_ - left_),
            top_ + pixel.y() / height() * (bottom_ - top_)};
}

void CanvasWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(background_));
    for (const Op& op : ops_) {
        QPointF a = toPixel(op.x1, op.y1);
        QPointF b = toPixel(op.x2, op.y2);
        QPen pen(toQColor(op.color));
        double penWidth = op.width;
        if (lineWidthUnit_ > 0 && scaled_) penWidth *= lineWidthUnit_ * width() / scaleWidth();
        pen.setWidthF(std::max(1.0, penWidth));
        pen.setCapStyle(Qt::FlatCap);
        painter.setPen(pen);
        switch (op.kind) {
        case Op::Line:
            painter.drawLine(a, b);
            break;
        case Op::Box:
            painter.drawRect(QRectF(a, b).normalized());
            break;
        case Op::FilledBox:
            painter.fillRect(QRectF(a, b).normalized(), toQColor(op.color));
            break;
        case Op::Point:
            painter.drawEllipse(a, 1.5, 1.5);
            break;
        case Op::Image: {
            // Row 0 and column 0 stay at the grid's (left, top) corner whichever way the scale
            // runs.
            const QImage& image = images_[op.width];
            painter.drawImage(QRectF(a, b).normalized(),
                              image.mirrored(b.x() < a.x(), b.y() < a.y()));
            break;
        }
        case Op::Text:
            drawText(painter, a, texts_[op.width], op.anchor);
            break;
        }
    }
}

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
    QPointF p = toUser(event->position());
    if (onMouseDown) onMouseDown(p.x(), p.y(), buttonNumber(event->buttons()));
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* event) {
    QPointF p = toUser(event->position());
    if (onMouseMove) onMouseMove(p.x(), p.y(), buttonNumber(event->buttons()));
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* event) {
    QPointF p = toUser(event->position());
    if (onMouseUp) onMouseUp(p.x(), p.y(), buttonNumber(event->button()));
}

void CanvasWidget::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    if (onMouseLeave) onMouseLeave();
}

void CanvasWidget::wheelEvent(QWheelEvent* event) {
    if (!onWheel) {
        QWidget::wheelEvent(event);
        return;
    }
    // A notch is 15 degrees, 120 eighths; touch pads send smaller steps that add up.
    wheelAngle_ += event->angleDelta().y();
    const int notches = wheelAngle_ / 120;
    wheelAngle_ -= notches * 120;
    if (notches != 0) onWheel(notches);
    event->accept();
}

} // namespace vardex::gui
