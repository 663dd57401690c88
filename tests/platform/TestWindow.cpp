#include "platform/TestWindow.h"

#include "platform/EventNumber.h"
#include "platform/MenuBar.h"
#include "platform/TestWindowLayout.h"

std::shared_ptr<TestWindow> TestWindow::Instance() {
    return fw::ImplicitInstance<TestWindow>();
}

TestWindow::EventHooks& TestWindow::Hooks() {
    static EventHooks hooks;
    return hooks;
}

void TestWindow::Layout() {
    Hooks().log.emplace_back("Layout");
    MenuBar(test_window_layout::NewMenuBar());
    fw::SetProperties(*this, test_window_layout::WindowRecord());
}

void TestWindow::CreateControls() {
    Hooks().log.emplace_back("CreateControls");
    CreateControls0();
}

void TestWindow::CreateControls0() {
    auto heading = New<fw::Label>();
    heading->Constructor();
    AddControl("Heading", heading);
    ControlAs<fw::Label>("Heading")->TextSize(12);
    ControlAs<fw::Label>("Heading")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::Label>("Heading"), test_window_layout::HeadingRecord());
    ControlAs<fw::Label>("Heading")->AddEventHandler(
        fw::kEventOpen, fw::MakeDelegate(*this, &TestWindow::Heading_Open, "( Label )"));

    auto notes = New<fw::TextArea>();
    notes->Constructor();
    AddControl("Notes", notes);
    ControlAs<fw::TextArea>("Notes")->LineSpacing(1.0);
    ControlAs<fw::TextArea>("Notes")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::TextArea>("Notes"), test_window_layout::NotesRecord());
    ControlAs<fw::TextArea>("Notes")->AddEventHandler(
        fw::kEventOpen, fw::MakeDelegate(*this, &TestWindow::Notes_Open, "( TextArea )"));

    auto progress = New<fw::ProgressBar>();
    progress->Constructor();
    AddControl("Progress", progress);
    fw::SetProperties(*ControlAs<fw::ProgressBar>("Progress"),
                      test_window_layout::ProgressRecord());

    auto ok = New<fw::PushButton>();
    ok->Constructor();
    AddControl("OkButton", ok);
    ControlAs<fw::PushButton>("OkButton")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("OkButton"), test_window_layout::OkButtonRecord());
    ControlAs<fw::PushButton>("OkButton")
        ->AddEventHandler(fw::kEventAction,
                          fw::MakeDelegate(*this, &TestWindow::OkButton_Action, "( PushButton )"));

    auto cancel = New<fw::PushButton>();
    cancel->Constructor();
    AddControl("CancelButton", cancel);
    ControlAs<fw::PushButton>("CancelButton")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("CancelButton"),
                      test_window_layout::CancelButtonRecord());
    ControlAs<fw::PushButton>("CancelButton")
        ->AddEventHandler(
            fw::kEventAction,
            fw::MakeDelegate(*this, &TestWindow::CancelButton_Action, "( PushButton )"));
}

void TestWindow::AddMenuHandlers() {
    Hooks().log.emplace_back("AddMenuHandlers");
    AddMenuHandler("FileClose", fw::MenuDelegate{"(  ) as Boolean", shared_from_this(),
                                                 [this] { return FileClose_Action(); }});
}

std::shared_ptr<fw::Label> TestWindow::Heading() {
    return ControlAs<fw::Label>("Heading");
}
std::shared_ptr<fw::TextArea> TestWindow::Notes() {
    return ControlAs<fw::TextArea>("Notes");
}
std::shared_ptr<fw::ProgressBar> TestWindow::Progress() {
    return ControlAs<fw::ProgressBar>("Progress");
}
std::shared_ptr<fw::PushButton> TestWindow::OkButton() {
    return ControlAs<fw::PushButton>("OkButton");
}
std::shared_ptr<fw::PushButton> TestWindow::CancelButton() {
    return ControlAs<fw::PushButton>("CancelButton");
}

void TestWindow::Heading_Open(fw::Label& /*label*/) {
    Hooks().log.emplace_back("Heading.Open");
    if (Hooks().onHeadingOpen) {
        Hooks().onHeadingOpen(*this);
    }
}

void TestWindow::Notes_Open(fw::TextArea& /*area*/) {
    Hooks().log.emplace_back("Notes.Open");
}

void TestWindow::OkButton_Action(fw::PushButton& /*button*/) {
    Hooks().log.emplace_back("OkButton.Action");
    if (Hooks().onOk) {
        Hooks().onOk(*this);
    }
}

void TestWindow::CancelButton_Action(fw::PushButton& /*button*/) {
    Hooks().log.emplace_back("CancelButton.Action");
    Close();
}

std::shared_ptr<fw::MenuItem> TestWindow::FileMenu() {
    return MenuItemAs<fw::MenuItem>("FileMenu");
}
std::shared_ptr<fw::MenuItem> TestWindow::FileClose() {
    return MenuItemAs<fw::MenuItem>("FileClose");
}

bool TestWindow::FileClose_Action() {
    Hooks().log.emplace_back("FileClose");
    if (Hooks().onFileClose) {
        return Hooks().onFileClose(*this);
    }
    Close();
    return true;
}

void TestWindow::Event_Open() {
    Hooks().log.emplace_back("Open");
    if (Hooks().onOpen) {
        Hooks().onOpen(*this);
    }
}

void TestWindow::Event_Close() {
    Hooks().log.emplace_back("Close");
    if (Hooks().onClose) {
        Hooks().onClose(*this);
    }
}
