#pragma once
// Plain states of the controls a controller shows through its view.

#include <string>
#include <vector>

namespace vardex {

struct MenuItemState {
    std::string name;
    std::string caption;
    bool enabled = true;
    bool visible = true;
    std::string tip = {}; // tooltip and status tip, e.g. why the item is disabled
    bool checkable = false;
    bool checked = false;
};

struct MenuState {
    std::string name;
    std::string caption;
    bool enabled = true;
    std::vector<MenuItemState> items;

    MenuItemState* item(const std::string& itemName) {
        for (MenuItemState& i : items)
            if (i.name == itemName) return &i;
        return nullptr;
    }
};

// Finds a menu or an item of any menu by name; null when none.
inline MenuState* findMenu(std::vector<MenuState>& menus, const std::string& name) {
    for (MenuState& m : menus)
        if (m.name == name) return &m;
    return nullptr;
}
inline MenuItemState* findMenuItem(std::vector<MenuState>& menus, const std::string& name) {
    for (MenuState& m : menus)
        if (MenuItemState* i = m.item(name)) return i;
    return nullptr;
}

struct LabelState {
    std::string caption;
    bool visible = true;
};

struct ListState {
    std::vector<std::string> items;
    int listIndex = -1; // -1: nothing selected
};

} // namespace vardex
