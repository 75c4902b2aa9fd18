#pragma once
// The editor windows inside the main window's child-window area: each editor's view in a child
// window of its own, shown when its editor opens and closed when its editor closes.

#include <map>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "mainwindow/EditorWindows.h"

namespace vardex::gui {

class EditorViews {
  public:
    EditorViews(EditorWindows& editors, QMdiArea* area);

    // The child window of an editor; null when it is not open.
    QMdiSubWindow* window(EditorKind kind) const;

  private:
    void show(EditorKind kind);
    void closed(EditorKind kind);

    EditorWindows& editors_;
    QMdiArea* area_;
    std::map<EditorKind, QPointer<QMdiSubWindow>> windows_;
};

} // namespace vardex::gui
