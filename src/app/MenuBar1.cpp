#include "app/MenuBar1.h"

#include <array>

#include "app/MenuEntry.h"

namespace {

using C = MenuEntry::Class;

std::shared_ptr<MenuBar1>& ImplicitInstance() {
    static std::shared_ptr<MenuBar1> instance;
    return instance;
}

// The bar's entries in building order: parent, name, class, text, shortcut.
constexpr std::array<MenuEntry, 4> kFileMenu = {{
    {"", "FileMenu", C::MenuItem, "&File", ""},
    {"FileMenu", "FilePrintHelp", C::MenuItem, "Print Help...", "Cmd+P"},
    {"FileMenu", "UntitledSeparator", C::MenuItem, "-", ""},
    {"FileMenu", "FileQuit", C::QuitMenuItem, "&Quit", "Cmd+Q"},
}};

constexpr std::array<MenuEntry, 9> kEditMenu = {{
    {"", "EditMenu", C::MenuItem, "&Edit", ""},
    {"EditMenu", "EditUndo", C::MenuItem, "&Undo", "Cmd+Z"},
    {"EditMenu", "UntitledMenu1", C::MenuItem, "-", ""},
    {"EditMenu", "EditCut", C::MenuItem, "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", C::MenuItem, "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", C::MenuItem, "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", C::MenuItem, "&Delete", ""},
    {"EditMenu", "UntitledMenu0", C::MenuItem, "-", ""},
    {"EditMenu", "EditSelectAll", C::MenuItem, "Select &All", "Cmd+A"},
}};

constexpr std::array<MenuEntry, 3> kCheckForUpdateMenu = {{
    {"", "CheckforUpdateMenu", C::AppleMenuItem, "Check for Update", ""},
    {"CheckforUpdateMenu", "CheckforUpdateCheckNow", C::MenuItem, "Check Now", ""},
    {"CheckforUpdateMenu", "CheckforUpdateAbout", C::AppleMenuItem, "About\u2026", ""},
}};

constexpr std::array<MenuEntry, 3> kHelpMenu = {{
    {"", "HelpMenu", C::MenuItem, "Help ", ""},
    {"HelpMenu", "HelpShow", C::MenuItem, "Show", ""},
    {"HelpMenu", "HelpAbout", C::AppleMenuItem, "About...", ""},
}};

}  // namespace

std::shared_ptr<MenuBar1> MenuBar1::Instance() {
    if (!ImplicitInstance()) {
        // Stored only once built, so a failed build leaves no half-made bar.
        auto bar = std::make_shared<MenuBar1>();
        bar->Constructor();
        ImplicitInstance() = std::move(bar);
    }
    return ImplicitInstance();
}

void MenuBar1::Release() {
    auto old = std::move(ImplicitInstance());
}

void MenuBar1::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MenuBar1::Untitled0() {
    for (const MenuEntry& row : kFileMenu) {
        BuildMenuEntry(*this, row);
    }
}

void MenuBar1::Untitled1() {
    for (const MenuEntry& row : kEditMenu) {
        BuildMenuEntry(*this, row);
    }
}

void MenuBar1::Untitled2() {
    for (const MenuEntry& row : kCheckForUpdateMenu) {
        BuildMenuEntry(*this, row);
    }
}

void MenuBar1::Untitled3() {
    for (const MenuEntry& row : kHelpMenu) {
        BuildMenuEntry(*this, row);
    }
}
