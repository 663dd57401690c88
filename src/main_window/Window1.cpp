#include "main_window/Window1.h"

#include "app/MenuBar1.h"
#include "codec/MessageCodec.h"
#include "codec/Module1.h"
#include "main_window/Window1Layout.h"
#include "platform/Desktop.h"
#include "platform/EventNumber.h"
#include "platform/Runtime.h"
#include "platform/base/Text.h"
#include "prefs/prefModule.h"

std::shared_ptr<Window1> Window1::Instance() {
    return fw::ImplicitInstance<Window1>();
}

void Window1::Layout() {
    MenuBar(MenuBar1::Instance());
    fw::SetProperties(*this, Window1Layout::WindowRecord());
}

void Window1::CreateControls() {
    CreateControls0();
}

void Window1::CreateControls0() {
    auto ef1 = New<fw::TextArea>();
    ef1->Constructor();
    AddControl("EF1", ef1);
    ControlAs<fw::TextArea>("EF1")->LineSpacing(1.0);
    ControlAs<fw::TextArea>("EF1")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::TextArea>("EF1"), Window1Layout::EF1Record());

    auto encode = New<fw::PushButton>();
    encode->Constructor();
    AddControl("MyEncode", encode);
    ControlAs<fw::PushButton>("MyEncode")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("MyEncode"), Window1Layout::MyEncodeRecord());
    ControlAs<fw::PushButton>("MyEncode")
        ->AddEventHandler(fw::kEventAction,
                          fw::MakeDelegate(*this, &Window1::MyEncode_Action, "( PushButton )"));

    auto decode = New<fw::PushButton>();
    decode->Constructor();
    AddControl("MyDecode", decode);
    ControlAs<fw::PushButton>("MyDecode")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("MyDecode"), Window1Layout::MyDecodeRecord());
    ControlAs<fw::PushButton>("MyDecode")
        ->AddEventHandler(fw::kEventAction,
                          fw::MakeDelegate(*this, &Window1::MyDecode_Action, "( PushButton )"));
}

std::shared_ptr<fw::TextArea> Window1::EF1() {
    return ControlAs<fw::TextArea>("EF1");
}
std::shared_ptr<fw::PushButton> Window1::MyEncode() {
    return ControlAs<fw::PushButton>("MyEncode");
}
std::shared_ptr<fw::PushButton> Window1::MyDecode() {
    return ControlAs<fw::PushButton>("MyDecode");
}

void Window1::MyEncode_Action(fw::PushButton& /*button*/) {
    if (!Module1::R || !Module1::Letters) {
        throw fw::NilObjectException("The codec's random source or letter table is missing.");
    }
    const EncodeOutcome outcome = encodeMessage(EF1()->Text(), *Module1::R, *Module1::Letters);
    switch (outcome.kind) {
        case EncodeOutcome::Kind::RefusedEmpty:
            fw::MsgBox(outcome.message);
            EF1()->Text("");
            return;
        case EncodeOutcome::Kind::RefusedDigits:
            fw::MsgBox(outcome.message);
            return;
        case EncodeOutcome::Kind::Encoded:
            break;
    }
    const std::string lineEnds = fw::EndOfLine() + fw::EndOfLine();
    EF1()->AppendText(lineEnds + outcome.stage1);
    EF1()->Refresh(true);
    EF1()->AppendText(lineEnds + outcome.stage2);
    EF1()->AppendText(lineEnds + outcome.stage3);
    EF1()->Refresh(true);
    EF1()->Text(outcome.code);
}

void Window1::MyDecode_Action(fw::PushButton& /*button*/) {
    const DecodeOutcome outcome = decodeMessage(EF1()->Text());
    if (outcome.kind == DecodeOutcome::Kind::RefusedEmpty) {
        fw::MsgBox(outcome.message);
        return;
    }
    EF1()->Text(outcome.text);
    EF1()->Refresh(true);
}

void Window1::Event_Open() {
    prefModule::SetWindowPositionSource([] {
        const auto window = Instance();
        return std::pair{window->Top(), window->Left()};
    });
    prefModule::loadPrefs();
    Instance()->Top(prefModule::Window1Top);
    Instance()->Left(prefModule::Window1Left);
}

void Window1::Event_Close() {
    prefModule::savePrefs();
    fw::Quit(0);
}

std::shared_ptr<fw::MenuItem> Window1::HelpMenu() {
    return MenuItemAs<fw::MenuItem>("HelpMenu");
}
std::shared_ptr<fw::AppleMenuItem> Window1::HelpAbout() {
    return MenuItemAs<fw::AppleMenuItem>("HelpAbout");
}
std::shared_ptr<fw::MenuItem> Window1::HelpShow() {
    return MenuItemAs<fw::MenuItem>("HelpShow");
}
std::shared_ptr<fw::AppleMenuItem> Window1::CheckforUpdateMenu() {
    return MenuItemAs<fw::AppleMenuItem>("CheckforUpdateMenu");
}
std::shared_ptr<fw::AppleMenuItem> Window1::CheckforUpdateAbout() {
    return MenuItemAs<fw::AppleMenuItem>("CheckforUpdateAbout");
}
std::shared_ptr<fw::MenuItem> Window1::CheckforUpdateCheckNow() {
    return MenuItemAs<fw::MenuItem>("CheckforUpdateCheckNow");
}
std::shared_ptr<fw::MenuItem> Window1::EditMenu() {
    return MenuItemAs<fw::MenuItem>("EditMenu");
}
std::shared_ptr<fw::MenuItem> Window1::EditSelectAll() {
    return MenuItemAs<fw::MenuItem>("EditSelectAll");
}
std::shared_ptr<fw::MenuItem> Window1::UntitledMenu0() {
    return MenuItemAs<fw::MenuItem>("UntitledMenu0");
}
std::shared_ptr<fw::MenuItem> Window1::EditClear() {
    return MenuItemAs<fw::MenuItem>("EditClear");
}
std::shared_ptr<fw::MenuItem> Window1::EditPaste() {
    return MenuItemAs<fw::MenuItem>("EditPaste");
}
std::shared_ptr<fw::MenuItem> Window1::EditCopy() {
    return MenuItemAs<fw::MenuItem>("EditCopy");
}
std::shared_ptr<fw::MenuItem> Window1::EditCut() {
    return MenuItemAs<fw::MenuItem>("EditCut");
}
std::shared_ptr<fw::MenuItem> Window1::UntitledMenu1() {
    return MenuItemAs<fw::MenuItem>("UntitledMenu1");
}
std::shared_ptr<fw::MenuItem> Window1::EditUndo() {
    return MenuItemAs<fw::MenuItem>("EditUndo");
}
std::shared_ptr<fw::MenuItem> Window1::FileMenu() {
    return MenuItemAs<fw::MenuItem>("FileMenu");
}
std::shared_ptr<fw::QuitMenuItem> Window1::FileQuit() {
    return MenuItemAs<fw::QuitMenuItem>("FileQuit");
}
std::shared_ptr<fw::MenuItem> Window1::UntitledSeparator() {
    return MenuItemAs<fw::MenuItem>("UntitledSeparator");
}
std::shared_ptr<fw::MenuItem> Window1::FilePrintHelp() {
    return MenuItemAs<fw::MenuItem>("FilePrintHelp");
}
