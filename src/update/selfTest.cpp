#include "update/selfTest.h"

#include "app/App.h"
#include "platform/EventNumber.h"
#include "update/selfTestLayout.h"
#include "update/updateWindow.h"

std::shared_ptr<selfTest> selfTest::Instance() {
    return fw::ImplicitInstance<selfTest>();
}

void selfTest::Layout() {
    fw::SetProperties(*this, selfTestLayout::WindowRecord());
}

void selfTest::CreateControls() {
    CreateControls0();
}

void selfTest::CreateControls0() {
    auto version = New<fw::Label>();
    version->Constructor();
    AddControl("StaticText1", version);
    ControlAs<fw::Label>("StaticText1")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::Label>("StaticText1"), selfTestLayout::StaticText1Record());

    auto number = New<fw::Label>();
    number->Constructor();
    AddControl("StaticText2", number);
    ControlAs<fw::Label>("StaticText2")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::Label>("StaticText2"), selfTestLayout::StaticText2Record());
    ControlAs<fw::Label>("StaticText2")
        ->AddEventHandler(fw::kEventOpen,
                          fw::MakeDelegate(*this, &selfTest::StaticText2_Open, "( Label )"));

    auto check = New<fw::PushButton>();
    check->Constructor();
    AddControl("PushButton1", check);
    ControlAs<fw::PushButton>("PushButton1")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("PushButton1"),
                      selfTestLayout::PushButton1Record());
    ControlAs<fw::PushButton>("PushButton1")
        ->AddEventHandler(fw::kEventAction,
                          fw::MakeDelegate(*this, &selfTest::PushButton1_Action, "( PushButton )"));
}

std::shared_ptr<fw::Label> selfTest::StaticText1() {
    return ControlAs<fw::Label>("StaticText1");
}
std::shared_ptr<fw::Label> selfTest::StaticText2() {
    return ControlAs<fw::Label>("StaticText2");
}
std::shared_ptr<fw::PushButton> selfTest::PushButton1() {
    return ControlAs<fw::PushButton>("PushButton1");
}

void selfTest::StaticText2_Open(fw::Label& label) {
    label.Text(App::Instance()->LongVersion());
}

void selfTest::PushButton1_Action(fw::PushButton& /*button*/) {
    // Opening the update window closes this one; this object lives on until the
    // handler returns.
    updateWindow::Instance()->ShowModal();
    if (const auto open = fw::GetImplicitWindow(kRuntimeClassName)) {
        open->Close();
    }
}
