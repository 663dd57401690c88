#include "platform/MenuBarView.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform/MenuBar.h"
#include "platform/QtText.h"
#include "platform/QuitMenuItem.h"
#include "platform/Runtime.h"

namespace fw {

namespace {

// "Cmd+P" is the platform's command key with P: Ctrl on Linux and Windows,
// the Command key on macOS (where Qt's Ctrl means Command).
QKeySequence ShortcutOf(const MenuItem& item) {
    const auto& shortcut = item.KeyboardShortcut();
    if (!shortcut || shortcut->empty()) {
        return {};
    }
    std::string keys = *shortcut;
    if (keys.rfind("Cmd+", 0) == 0) {
        keys = "Ctrl+" + keys.substr(4);
    }
    return QKeySequence(ToQString(keys), QKeySequence::PortableText);
}

void AddItems(QMenu* menu, const std::shared_ptr<MenuItem>& parent,
              const std::weak_ptr<Window>& front) {
    for (int i = 0; i < parent->Count(); ++i) {
        const std::shared_ptr<MenuItem> item = parent->Item(i);
        if (item->IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (item->Count() > 0) {
            AddItems(menu->addMenu(ToQString(item->Text())), item, front);
            continue;
        }
        QAction* action = menu->addAction(ToQString(item->Text()));
        action->setShortcut(ShortcutOf(*item));
        // Qt would move entries it takes for About or Quit into the macOS
        // application menu by their text; only the quit item belongs there.
        action->setMenuRole(dynamic_cast<const QuitMenuItem*>(item.get()) != nullptr
                                ? QAction::QuitRole
                                : QAction::NoRole);
        action->setObjectName(ToQString(item->Name()));
        const std::weak_ptr<MenuItem> weakItem = item;
        QObject::connect(action, &QAction::triggered, action, [weakItem, front] {
            Dispatch([&] {
                if (auto chosen = weakItem.lock()) {
                    MenuCommand(front.lock(), *chosen);
                }
            });
        });
    }
    QObject::connect(
        menu, &QMenu::aboutToShow, menu, [menu, parent = std::weak_ptr(parent), front] {
            Dispatch([&] {
                auto entries = parent.lock();
                if (!entries) {
                    return;
                }
                for (QAction* action : menu->actions()) {
                    if (action->isSeparator() || action->menu() != nullptr) {
                        continue;
                    }
                    if (auto item = entries->Lookup(FromQString(action->objectName()))) {
                        action->setEnabled(MenuItemEnabled(front.lock(), *item));
                    }
                }
            });
        });
}

}  // namespace

QMenuBar* CreateMenuBarView(const std::shared_ptr<MenuBar>& bar,
                            const std::weak_ptr<Window>& front) {
    auto* view = new QMenuBar();
    for (int i = 0; i < bar->Count(); ++i) {
        const std::shared_ptr<MenuItem> menu = bar->Item(i);
        QMenu* qmenu = view->addMenu(ToQString(menu->Text()));
        qmenu->setObjectName(ToQString(menu->Name()));
        AddItems(qmenu, menu, front);
    }
    return view;
}

}  // namespace fw
