#pragma once
// A read-only text box that reports a click: the set-up windows ask for a box's value in a
// prompt rather than taking keystrokes.

#include <functional>

#include <QLineEdit>
#include <QMouseEvent>

namespace vardex::gui {

class ClickableBox : public QLineEdit {
  public:
    explicit ClickableBox(QWidget* parent = nullptr) : QLineEdit(parent) { setReadOnly(true); }
    std::function<void()> onClick;

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QLineEdit::mouseReleaseEvent(event);
        if (event->button() == Qt::LeftButton && onClick) onClick();
    }
};

} // namespace vardex::gui
