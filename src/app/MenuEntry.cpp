#include "app/MenuEntry.h"

#include <memory>
#include <string>

#include "platform/AppleMenuItem.h"
#include "platform/MenuBar.h"
#include "platform/QuitMenuItem.h"
#include "platform/base/Exceptions.h"

void BuildMenuEntry(fw::MenuBar& bar, const MenuEntry& row) {
    std::shared_ptr<fw::MenuItem> entry;
    switch (row.kind) {
        case MenuEntry::Class::MenuItem:
            entry = std::make_shared<fw::MenuItem>();
            break;
        case MenuEntry::Class::AppleMenuItem:
            entry = std::make_shared<fw::AppleMenuItem>();
            break;
        case MenuEntry::Class::QuitMenuItem:
            entry = std::make_shared<fw::QuitMenuItem>();
            break;
    }
    entry->Constructor();
    entry->Name(std::string(row.name));
    entry->AutoEnable(true);
    entry->Text(std::string(row.text));
    if (!entry->IsSeparator()) {
        entry->KeyboardShortcut(std::string(row.keyboardShortcut));
    }
    if (row.parent.empty()) {
        bar.Append(entry);
        return;
    }
    const std::shared_ptr<fw::MenuItem> menu = bar.Child(row.parent);
    if (!menu) {
        throw fw::NilObjectException("The menu bar has no menu named '" + std::string(row.parent) +
                                     "'.");
    }
    menu->Append(entry);
}
