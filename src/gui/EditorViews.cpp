#include "EditorViews.h"

#include "MaterialsEditorView.h"
#include "SectionEditorView.h"
#include "SubmodelEditorView.h"

namespace vardex::gui {

EditorViews::EditorViews(EditorWindows& editors, QMdiArea* area) : editors_(editors), area_(area) {
    editors_.onShow = [this](EditorKind kind) { show(kind); };
    editors_.onClosed = [this](EditorKind kind) { closed(kind); };
}

QMdiSubWindow* EditorViews::window(EditorKind kind) const {
    auto it = windows_.find(kind);
    return it == windows_.end() ? nullptr : it->second.data();
}

void EditorViews::show(EditorKind kind) {
    QMdiSubWindow* sub = window(kind);
    if (!sub) {
        QWidget* view = nullptr;
        switch (kind) {
        case EditorKind::Materials:
            view = new MaterialsEditorView(*editors_.materials());
            break;
        case EditorKind::Section:
            view = new SectionEditorView(*editors_.section());
            break;
        case EditorKind::Submodel:
            view = new SubmodelEditorView(*editors_.submodel());
            break;
        }
        sub = area_->addSubWindow(view);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        // A new window starts inside the main window's area, whatever size it asked for.
        sub->resize(sub->size().boundedTo(area_->viewport()->size()));
        windows_[kind] = sub;
    }
    sub->show();
    area_->setActiveSubWindow(sub);
}

void EditorViews::closed(EditorKind kind) {
    // The editor closed inside one of its own commands: its window goes once that has returned.
    if (QMdiSubWindow* sub = window(kind))
        QMetaObject::invokeMethod(sub, &QMdiSubWindow::close, Qt::QueuedConnection);
    windows_.erase(kind);
}

} // namespace vardex::gui
