#include "update/updateWindow.h"

#include <optional>

#include "app/App.h"
#include "platform/Desktop.h"
#include "platform/EventNumber.h"
#include "platform/MessageDialog.h"
#include "platform/base/Text.h"
#include "platform/net/HttpErrors.h"
#include "update/UpdateAddresses.h"
#include "update/selfTest.h"
#include "update/updateWindowLayout.h"
#include "update/updateWindow_hp.h"

namespace {

// The value of the first element `name` of the document, or nothing when the
// document has no start tag of it or no end tag after that.
std::optional<std::string> ElementValue(const std::string& source, const std::string& name) {
    const std::string start = updateWindow::startTag(name);
    const int a = fw::InStr(0, source, start);
    if (a == 0) {
        return std::nullopt;
    }
    const int b = a + fw::Len(start);
    const int e = fw::InStr(b, source, updateWindow::endTag(name));
    if (e == 0) {
        return std::nullopt;
    }
    return fw::Mid(source, b, e - b);
}

// The document comes over plain HTTP from a server we do not control: a dialog
// holding a megabyte of text would take seconds to lay out and overflow the
// screen, so what it shows of the document is bounded.
constexpr int kMaxVersionLength = 64;
constexpr int kMaxDescriptionLength = 4000;

std::string Shortened(const std::string& text, int maxLength) {
    return fw::Len(text) <= maxLength ? text : fw::Left(text, maxLength) + "\u2026";
}

// The text with each line break (CR LF counted as one) made a space.
std::string OnOneLine(const std::string& text) {
    std::u32string line;
    const std::u32string characters = fw::ToUtf32(text);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        switch (characters[i]) {
            case U'\r':
                if (i + 1 < characters.size() && characters[i + 1] == U'\n') {
                    ++i;
                }
                [[fallthrough]];
            case U'\n':
            case U'\v':
            case U'\f':
            case U'\u0085':
            case U'\u2028':
            case U'\u2029':
                line += U' ';
                break;
            default:
                line += characters[i];
        }
    }
    return fw::ToUtf8(line);
}

}  // namespace

std::shared_ptr<updateWindow> updateWindow::Instance() {
    return fw::ImplicitInstance<updateWindow>();
}

void updateWindow::Layout() {
    fw::SetProperties(*this, updateWindowLayout::WindowRecord());
}

void updateWindow::CreateControls() {
    CreateControls0();
}

void updateWindow::CreateControls0() {
    auto label = New<fw::Label>();
    label->Constructor();
    AddControl("StaticText1", label);
    ControlAs<fw::Label>("StaticText1")->TextSize(12);
    ControlAs<fw::Label>("StaticText1")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::Label>("StaticText1"),
                      updateWindowLayout::StaticText1Record());

    auto bar = New<fw::ProgressBar>();
    bar->Constructor();
    AddControl("ProgressBar1", bar);
    fw::SetProperties(*ControlAs<fw::ProgressBar>("ProgressBar1"),
                      updateWindowLayout::ProgressBar1Record());

    // The socket has no widget, so it is made directly rather than by New<T>();
    // AddControl makes the window its owner.
    auto socket = std::make_shared<updateWindow_hp>();
    socket->Constructor();
    AddControl("hp", socket);
    fw::SetProperties(*ControlAs<updateWindow_hp>("hp"), updateWindowLayout::hpRecord());
    ControlAs<updateWindow_hp>("hp")->AddEventHandler(
        fw::kEventPageReceived,
        fw::MakeDelegate(*this, &updateWindow::hp_PageReceived,
                         "( HTTPSocket, String, Int32, InternetHeaders, String )"));
    ControlAs<updateWindow_hp>("hp")->AddEventHandler(
        fw::kEventError, fw::MakeDelegate(*this, &updateWindow::hp_Error, "( HTTPSocket, Int32 )"));

    auto button = New<fw::PushButton>();
    button->Constructor();
    AddControl("PushButton1", button);
    ControlAs<fw::PushButton>("PushButton1")->TextUnit(0);
    fw::SetProperties(*ControlAs<fw::PushButton>("PushButton1"),
                      updateWindowLayout::PushButton1Record());
    ControlAs<fw::PushButton>("PushButton1")
        ->AddEventHandler(
            fw::kEventAction,
            fw::MakeDelegate(*this, &updateWindow::PushButton1_Action, "( PushButton )"));
}

std::shared_ptr<fw::Label> updateWindow::StaticText1() {
    return ControlAs<fw::Label>("StaticText1");
}
std::shared_ptr<fw::ProgressBar> updateWindow::ProgressBar1() {
    return ControlAs<fw::ProgressBar>("ProgressBar1");
}
std::shared_ptr<fw::HTTPSocket> updateWindow::hp() {
    return ControlAs<fw::HTTPSocket>("hp");
}
std::shared_ptr<fw::PushButton> updateWindow::PushButton1() {
    return ControlAs<fw::PushButton>("PushButton1");
}

void updateWindow::Event_Open() {
    ProgressBar1()->Maximum(0);
    hp()->Get(UpdateAddresses::UpdateDocument());
    selfTest::Instance()->Close();
}

void updateWindow::PushButton1_Action(fw::PushButton& /*button*/) {
    Close();
}

void updateWindow::hp_PageReceived(fw::HTTPSocket& socket, const std::string& /*url*/,
                                   int /*status*/, const fw::InternetHeaders& /*headers*/,
                                   const std::string& content) {
    if (content.empty()) {
        Close();
        return;
    }
    // A reply that is no update document (an error page, say) is a failure of
    // the check, not an offer of a version without a number.
    if (!ElementValue(content, "CurrentVersion")) {
        hp_Error(socket, static_cast<int>(fw::HttpError::NotAnUpdateDocument));
        return;
    }
    const std::string version = returnValue(content, "CurrentVersion");
    const std::string description = returnValue(content, "Description");
    const bool free = fw::StrEqual(returnValue(content, "Free"), "Yes");

    ProgressBar1()->Visible(false);

    const auto app = App::Instance();
    const bool current =
        fw::Val(fw::NthField(version, ".", 1)) == static_cast<double>(app->MajorVersion()) &&
        fw::Val(fw::NthField(version, ".", 2)) == static_cast<double>(app->MinorVersion()) &&
        fw::Val(fw::NthField(version, ".", 3)) == static_cast<double>(app->BugVersion());
    if (current) {
        StaticText1()->Text("This version is current.");
        StaticText1()->Refresh(true);
        if (!automaticCheck) {
            fw::MsgBox("You are using the current version. No update is available.");
        }
        Close();
        return;
    }
    askUpgrade(version, description, UpdateAddresses::DownloadPage(), free);
}

void updateWindow::hp_Error(fw::HTTPSocket& /*socket*/, int code) {
    fw::Beep();
    fw::MsgBox(std::string("There was a communication error ") + "with the website. Please try " +
               "again later. (Code: " + fw::Str(code) + ")");
    Close();
}

std::string updateWindow::startTag(const std::string& name) {
    return "<" + name + ">";
}

std::string updateWindow::endTag(const std::string& name) {
    return "</" + name + ">";
}

std::string updateWindow::returnValue(const std::string& source, const std::string& name) {
    return ElementValue(source, name).value_or(std::string());
}

void updateWindow::askUpgrade(const std::string& version, const std::string& description,
                              const std::string& downloadAddress, bool free) {
    // A document laid out over several lines, or padded, shows what a compact one
    // shows: the version on the message's line, the description from its first
    // word to its last.
    const std::string shownVersion = Shortened(OnOneLine(fw::Trim(version)), kMaxVersionLength);
    fw::MessageDialog dialog;
    dialog.Title = "New version available!";
    dialog.Message = std::string("Version ") + shownVersion + " is now available. " +
                     "(You are using version " + App::Instance()->ShortVersion() + ".) " +
                     (free ? "This is a free upgrade. " : "This is a paid upgrade. ") +
                     "Would you like to automatically download " +
                     (free ? "this update (using your web browser)?"
                           : "the trial version (using your web browser)?");
    dialog.Explanation = Shortened(fw::Trim(description), kMaxDescriptionLength);
    dialog.CancelButton.Visible = true;
    dialog.AlternateActionButton.Caption = "Go to Website";
    dialog.AlternateActionButton.Visible = true;
    dialog.Icon = 3;

    const fw::MessageDialogButton* pressed = dialog.ShowModal();
    if (pressed == &dialog.CancelButton) {
        Close();
    } else if (pressed == &dialog.ActionButton) {
        fw::ShowURL(downloadAddress);
        Close();
    } else if (pressed == &dialog.AlternateActionButton) {
        fw::ShowURL(UpdateAddresses::WebSite());
    }
}
