#include "help/Help.h"

#include <string>

#include "app/MenuBar2.h"
#include "help/HelpLayout.h"
#include "help/PrintHelp.h"
#include "platform/Delegate.h"
#include "platform/Desktop.h"
#include "platform/EventNumber.h"
#include "platform/base/Text.h"

std::shared_ptr<Help> Help::Instance() {
    return fw::ImplicitInstance<Help>();
}

void Help::Layout() {
    MenuBar(MenuBar2::Instance());
    fw::SetProperties(*this, HelpLayout::WindowRecord());
}

void Help::CreateControls() {
    CreateControls0();
}

void Help::CreateControls0() {
    auto area = New<fw::TextArea>();
    area->Constructor();
    AddControl("TextArea1", area);
    ControlAs<fw::TextArea>("TextArea1")->LineSpacing(1.0);
    ControlAs<fw::TextArea>("TextArea1")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::TextArea>("TextArea1"), HelpLayout::TextArea1Record());
    ControlAs<fw::TextArea>("TextArea1")
        ->AddEventHandler(fw::kEventOpen,
                          fw::MakeDelegate(*this, &Help::TextArea1_Open, "( TextArea )"));

    auto button = New<fw::PushButton>();
    button->Constructor();
    AddControl("PushButton1", button);
    ControlAs<fw::PushButton>("PushButton1")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("PushButton1"), HelpLayout::PushButton1Record());
    ControlAs<fw::PushButton>("PushButton1")
        ->AddEventHandler(fw::kEventAction,
                          fw::MakeDelegate(*this, &Help::PushButton1_Action, "( PushButton )"));
}

void Help::AddMenuHandlers() {
    const auto self = fw::RuntimeCheckCast<Help>(shared_from_this());
    AddMenuHandler("FilePrintHelp",
                   fw::MenuDelegate{"(  ) as Boolean", self, [window = self.get()] {
                                        return window->FilePrintHelp_Action();
                                    }});
}

std::shared_ptr<fw::TextArea> Help::TextArea1() {
    return ControlAs<fw::TextArea>("TextArea1");
}
std::shared_ptr<fw::PushButton> Help::PushButton1() {
    return ControlAs<fw::PushButton>("PushButton1");
}

void Help::TextArea1_Open(fw::TextArea& /*area*/) {}

void Help::PushButton1_Action(fw::PushButton& /*button*/) {
    const int start = TextArea1()->SelStart();
    const int length = TextArea1()->SelLength();
    fw::MsgBox("Start: " + fw::Str(start) + " Length: " + fw::Str(length));
}

bool Help::FilePrintHelp_Action() {
    return PrintHelp();
}

std::shared_ptr<fw::MenuItem> Help::EditMenu() {
    return MenuItemAs<fw::MenuItem>("EditMenu");
}
std::shared_ptr<fw::MenuItem> Help::EditSelectAll() {
    return MenuItemAs<fw::MenuItem>("EditSelectAll");
}
std::shared_ptr<fw::MenuItem> Help::EditSeparator2() {
    return MenuItemAs<fw::MenuItem>("EditSeparator2");
}
std::shared_ptr<fw::MenuItem> Help::EditClear() {
    return MenuItemAs<fw::MenuItem>("EditClear");
}
std::shared_ptr<fw::MenuItem> Help::EditPaste() {
    return MenuItemAs<fw::MenuItem>("EditPaste");
}
std::shared_ptr<fw::MenuItem> Help::EditCopy() {
    return MenuItemAs<fw::MenuItem>("EditCopy");
}
std::shared_ptr<fw::MenuItem> Help::EditCut() {
    return MenuItemAs<fw::MenuItem>("EditCut");
}
std::shared_ptr<fw::MenuItem> Help::EditSeparator1() {
    return MenuItemAs<fw::MenuItem>("EditSeparator1");
}
std::shared_ptr<fw::MenuItem> Help::EditUndo() {
    return MenuItemAs<fw::MenuItem>("EditUndo");
}
std::shared_ptr<fw::MenuItem> Help::FileMenu() {
    return MenuItemAs<fw::MenuItem>("FileMenu");
}
std::shared_ptr<fw::QuitMenuItem> Help::FileQuit() {
    return MenuItemAs<fw::QuitMenuItem>("FileQuit");
}
std::shared_ptr<fw::MenuItem> Help::FilePrintHelp() {
    return MenuItemAs<fw::MenuItem>("FilePrintHelp");
}
