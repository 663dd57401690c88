#include "app/MenuBar2.h"

#include <array>

#include "app/MenuEntry.h"

namespace {

using C = MenuEntry::Class;

std::shared_ptr<MenuBar2>& ImplicitInstance() {
    static std::shared_ptr<MenuBar2> instance;
    return instance;
}

constexpr std::array<MenuEntry, 3> kFileMenu = {{
    {"", "FileMenu", C::MenuItem, "&File", ""},
    {"FileMenu", "FilePrintHelp", C::MenuItem, "Print Help", "Cmd+P"},
    {"FileMenu", "FileQuit", C::QuitMenuItem, "&Quit", "Cmd+Q"},
}};

constexpr std::array<MenuEntry, 9> kEditMenu = {{
    {"", "EditMenu", C::MenuItem, "&Edit", ""},
    {"EditMenu", "EditUndo", C::MenuItem, "&Undo", "Cmd+Z"},
    {"EditMenu", "EditSeparator1", C::MenuItem, "-", ""},
    {"EditMenu", "EditCut", C::MenuItem, "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", C::MenuItem, "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", C::MenuItem, "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", C::MenuItem, "&Delete", ""},
    {"EditMenu", "EditSeparator2", C::MenuItem, "-", ""},
    {"EditMenu", "EditSelectAll", C::MenuItem, "Select &All", "Cmd+A"},
}};

}  // namespace

std::shared_ptr<MenuBar2> MenuBar2::Instance() {
    if (!ImplicitInstance()) {
        auto bar = std::make_shared<MenuBar2>();
        bar->Constructor();
        ImplicitInstance() = std::move(bar);
    }
    return ImplicitInstance();
}

void MenuBar2::Release() {
    auto old = std::move(ImplicitInstance());
}

void MenuBar2::Constructor() {
    Untitled0();
    Untitled1();
}

void MenuBar2::Untitled0() {
    for (const MenuEntry& row : kFileMenu) {
        BuildMenuEntry(*this, row);
    }
}

void MenuBar2::Untitled1() {
    for (const MenuEntry& row : kEditMenu) {
        BuildMenuEntry(*this, row);
    }
}
