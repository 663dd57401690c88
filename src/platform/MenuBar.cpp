#include "platform/MenuBar.h"

#include <QApplication>
#include <array>
#include <utility>

#include "platform/Application.h"
#include "platform/QuitMenuItem.h"
#include "platform/Runtime.h"
#include "platform/TextArea.h"
#include "platform/Window.h"

namespace fw {

namespace {

using Command = TextArea::EditCommand;

constexpr std::array<std::pair<std::string_view, Command>, 6> kEditItems = {{
    {"EditUndo", Command::Undo},
    {"EditCut", Command::Cut},
    {"EditCopy", Command::Copy},
    {"EditPaste", Command::Paste},
    {"EditClear", Command::Clear},
    {"EditSelectAll", Command::SelectAll},
}};

const Command* EditCommandOf(std::string_view name) {
    for (const auto& [itemName, command] : kEditItems) {
        if (itemName == name) {
            return &command;
        }
    }
    return nullptr;
}

// The text area that has the keyboard focus, in any open window.
std::shared_ptr<TextArea> FocusedTextArea() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) {
        return nullptr;
    }
    for (const auto& window : OpenWindows()) {
        for (const auto& control : window->Controls()) {
            auto area = std::dynamic_pointer_cast<TextArea>(control);
            if (area && area->Widget() == focus) {
                return area;
            }
        }
    }
    return nullptr;
}

bool IsQuitItem(const MenuItem& item) {
    return dynamic_cast<const QuitMenuItem*>(&item) != nullptr;
}

}  // namespace

void MenuCommand(const std::shared_ptr<Window>& front, const MenuItem& item) {
    const std::string& name = item.Name();
    if (front && front->RunMenuHandler(name)) {
        return;
    }
    if (Application* app = Application::Current(); app && app->RunMenuHandler(name)) {
        return;
    }
    if (IsQuitItem(item)) {
        Quit(0);
    } else if (const Command* command = EditCommandOf(name)) {
        if (auto area = FocusedTextArea()) {
            area->Edit(*command);
        }
    }
}

bool MenuItemEnabled(const std::shared_ptr<Window>& front, const MenuItem& item) {
    if (!item.AutoEnable() || item.Count() > 0 || IsQuitItem(item)) {
        return true;
    }
    const std::string& name = item.Name();
    if (front && front->HasMenuHandler(name)) {
        return true;
    }
    if (Application* app = Application::Current(); app && app->HasMenuHandler(name)) {
        return true;
    }
    if (const Command* command = EditCommandOf(name)) {
        auto area = FocusedTextArea();
        return area && area->CanEdit(*command);
    }
    return false;
}

}  // namespace fw
