#pragma once

// Shows a framework MenuBar as a Qt menu bar of one window (framework internals).

#include <memory>

class QMenuBar;

namespace fw {

class MenuBar;
class Window;

// A new Qt menu bar for `bar`; commands go to `front` first.
QMenuBar* CreateMenuBarView(const std::shared_ptr<MenuBar>& bar,
                            const std::weak_ptr<Window>& front);

}  // namespace fw
