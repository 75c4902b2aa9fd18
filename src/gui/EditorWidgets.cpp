#include "EditorWidgets.h"

#include <QEvent>
#include <QMenu>

namespace vardex::gui {

QFrame* makeSwatch(QWidget* parent, const char* name) {
    auto* swatch = new QFrame(parent);
    swatch->setObjectName(name);
    swatch->setFixedSize(36, 22);
    paintSwatch(swatch, 16777215);
    return swatch;
}

void paintSwatch(QFrame* swatch, std::int32_t color) {
    swatch->setStyleSheet(QString("background-color: rgb(%1,%2,%3); border: 1px solid #555;")
                              .arg(color & 0xFF)
                              .arg((color >> 8) & 0xFF)
                              .arg((color >> 16) & 0xFF));
}

EditorMenus::EditorMenus(QMenuBar* bar, const std::vector<MenuState>& menus) {
    for (const MenuState& menu : menus) {
        if (menu.items.empty()) {
            QAction* action = bar->addAction(qs(menu.caption));
            action->setObjectName(qs(menu.name));
            actions_[menu.name] = action;
            continue;
        }
        QMenu* qmenu = bar->addMenu(qs(menu.caption));
        qmenu->setObjectName(qs(menu.name));
        menus_[menu.name] = qmenu;
        for (const MenuItemState& item : menu.items) {
            QAction* action = qmenu->addAction(qs(item.caption));
            action->setObjectName(qs(item.name));
            actions_[item.name] = action;
        }
    }
}

QAction* EditorMenus::action(const std::string& name) const {
    auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void EditorMenus::onTriggered(const std::string& name, std::function<void()> command) {
    QObject::connect(action(name), &QAction::triggered, action(name),
                     [command = std::move(command)] { command(); });
}

void EditorMenus::render(const std::vector<MenuState>& menus) {
    for (const MenuState& menu : menus) {
        if (auto it = menus_.find(menu.name); it != menus_.end())
            it->second->setEnabled(menu.enabled);
        else if (QAction* a = action(menu.name))
            a->setEnabled(menu.enabled);
        for (const MenuItemState& item : menu.items) {
            actions_.at(item.name)->setEnabled(item.enabled);
            actions_.at(item.name)->setVisible(item.visible);
        }
    }
}

ClickFilter::ClickFilter(QWidget* watched, std::function<void()> command)
    : QObject(watched), command_(std::move(command)) {
    watched->installEventFilter(this);
}

bool ClickFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        command_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vardex::gui
