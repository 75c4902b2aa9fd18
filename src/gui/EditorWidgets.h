#pragma once
// Small pieces the editor views share: text conversion, colour swatches, menus from their states
// and clicks on read-only boxes.

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QFrame>
#include <QMenuBar>
#include <QObject>

#include "platform/Controls.h"

namespace vardex::gui {

inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// A framed rectangle showing one colour.
QFrame* makeSwatch(QWidget* parent, const char* name);
void paintSwatch(QFrame* swatch, std::int32_t color);

// A menu bar built from menu states; menus without items become actions of their own.
class EditorMenus {
  public:
    EditorMenus(QMenuBar* bar, const std::vector<MenuState>& menus);
    QAction* action(const std::string& name) const;
    void onTriggered(const std::string& name, std::function<void()> command);
    void render(const std::vector<MenuState>& menus);

  private:
    std::map<std::string, QAction*> actions_;
    std::map<std::string, QMenu*> menus_;
};

// Runs a command when the watched widget is clicked (released).
class ClickFilter : public QObject {
  public:
    ClickFilter(QWidget* watched, std::function<void()> command);
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void()> command_;
};

} // namespace vardex::gui
