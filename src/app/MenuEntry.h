#pragma once

// One row of a menu bar's fixed data, and the builder step that makes it.

#include <string_view>

namespace fw {
class MenuBar;
}

struct MenuEntry {
    enum class Class { MenuItem, AppleMenuItem, QuitMenuItem };

    std::string_view parent;  // "" for a menu, which goes on the bar itself
    std::string_view name;
    Class kind;
    std::string_view text;
    std::string_view keyboardShortcut;  // "" where the row gives none
};

// Makes the entry, sets Name, AutoEnable True, Text and (except on separators)
// KeyboardShortcut, and appends it to the bar or to its menu, found by name
// among the bar's menus (NilObjectException when that menu is missing).
void BuildMenuEntry(fw::MenuBar& bar, const MenuEntry& row);
