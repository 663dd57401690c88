#pragma once

#include "platform/MenuItem.h"

namespace fw {

class Window;

// The root of a menu tree: its children are the menus, shown in order.
class MenuBar : public MenuItem {
public:
    [[nodiscard]] std::string_view ClassName() const override { return "MenuBar"; }
};

// Carries out a chosen menu entry: the front window's handler of its name
// first, then the application's, stopping at the first that returns true;
// when none does, the framework's own action (the Edit items on the focused
// text area, quitting for a QuitMenuItem).
void MenuCommand(const std::shared_ptr<Window>& front, const MenuItem& item);
// Whether an AutoEnable entry is enabled now: a menu always; an item when a
// handler of its name is bound (front window or application), when it quits,
// or when its Edit command applies to the focused text area.
bool MenuItemEnabled(const std::shared_ptr<Window>& front, const MenuItem& item);

}  // namespace fw
