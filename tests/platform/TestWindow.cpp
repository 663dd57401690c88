#include "platform/TestWindow.h"

#include "platform/EventNumber.h"
#include "platform/MenuBar.h"
#include "platform/TestWindowLayout.h"

namespace {

template <typename C>
std::shared_ptr<C> AddNew(TestWindow& window, const char* name) {
    auto control = window.New<C>();
    control->Constructor();
    window.AddControl(name, control);
    return control;
}

}  // namespace

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
    const auto heading = AddNew<fw::Label>(*this, "Heading");
    heading->TextSize(12);
    fw::SetProperties(*heading, test_window_layout::HeadingRecord());
    heading->AddEventHandler(fw::kEventOpen,
                             fw::MakeDelegate(*this, &TestWindow::Heading_Open, "( Label )"));

    const auto notes = AddNew<fw::TextArea>(*this, "Notes");
    notes->LineSpacing(1.0);
    fw::SetProperties(*notes, test_window_layout::NotesRecord());
    notes->AddEventHandler(fw::kEventOpen,
                           fw::MakeDelegate(*this, &TestWindow::Notes_Open, "( TextArea )"));

    fw::SetProperties(*AddNew<fw::ProgressBar>(*this, "Progress"),
                      test_window_layout::ProgressRecord());

    const auto ok = AddNew<fw::PushButton>(*this, "OkButton");
    fw::SetProperties(*ok, test_window_layout::OkButtonRecord());
    ok->AddEventHandler(fw::kEventAction,
                        fw::MakeDelegate(*this, &TestWindow::OkButton_Action, "( PushButton )"));

    const auto cancel = AddNew<fw::PushButton>(*this, "CancelButton");
    fw::SetProperties(*cancel, test_window_layout::CancelButtonRecord());
    cancel->AddEventHandler(
        fw::kEventAction,
        fw::MakeDelegate(*this, &TestWindow::CancelButton_Action, "( PushButton )"));
}

void TestWindow::AddMenuHandlers() {
    Hooks().log.emplace_back("AddMenuHandlers");
    AddMenuHandler("FileClose", fw::MenuDelegate{"(  ) as Boolean", shared_from_this(),
                                                 [this] { return FileClose_Action(); }});
}

std::shared_ptr<fw::TextArea> TestWindow::Notes() {
    return ControlAs<fw::TextArea>("Notes");
}
std::shared_ptr<fw::PushButton> TestWindow::OkButton() {
    return ControlAs<fw::PushButton>("OkButton");
}
std::shared_ptr<fw::PushButton> TestWindow::CancelButton() {
    return ControlAs<fw::PushButton>("CancelButton");
}

void TestWindow::Heading_Open(fw::Label& /*label*/) {
    Hooks().log.emplace_back("Heading.Open");
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
