#pragma once

// The update window: one update check. When it opens it starts fetching the
// update document and closes the version window; the answer of its socket `hp`
// is read and compared with the running version, and the user is told that the
// version is current or is offered the new one. "Cancel" and the close box end
// the check at any moment; the pending request ends with the window.

#include <memory>
#include <string>
#include <string_view>

#include "platform/HTTPSocket.h"
#include "platform/Label.h"
#include "platform/ProgressBar.h"
#include "platform/PushButton.h"
#include "platform/Window.h"

class updateWindow final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "updateWindow.updateWindow";
    // The open update window, or a new one (which starts a check).
    static std::shared_ptr<updateWindow> Instance();
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }

    // When set, a check that finds the current version shows no message box.
    bool automaticCheck = false;

    void CreateControls0();
    std::shared_ptr<fw::Label> StaticText1();
    std::shared_ptr<fw::ProgressBar> ProgressBar1();
    std::shared_ptr<fw::HTTPSocket> hp();
    std::shared_ptr<fw::PushButton> PushButton1();

    void hp_PageReceived(fw::HTTPSocket& socket, const std::string& url, int status,
                         const fw::InternetHeaders& headers, const std::string& content);
    void hp_Error(fw::HTTPSocket& socket, int code);
    void PushButton1_Action(fw::PushButton& button);

    // "<name>" and "</name>".
    static std::string startTag(const std::string& name);
    static std::string endTag(const std::string& name);
    // The text between the first start tag of `name` and the first end tag after
    // it, taken as it stands; "" when either is missing.
    static std::string returnValue(const std::string& source, const std::string& name);

    // The new-version dialog and what its buttons do.
    void askUpgrade(const std::string& version, const std::string& description,
                    const std::string& downloadAddress, bool free);

protected:
    void Layout() override;
    void CreateControls() override;
    void Event_Open() override;
};
