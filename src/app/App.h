#pragma once

// The application object: its Open event prepares the codec and shows the main
// window, and its menu handlers open the version window, the Help window and the
// About box and print the help text.

#include <memory>

#include "platform/Application.h"

class App final : public fw::Application {
public:
    App();
    // The registered application object (NilObjectException before start-up).
    static std::shared_ptr<App> Instance();

    void Constructor() {}
    void Event_Open() override;

    bool CheckforUpdateCheckNow_Action();
    bool HelpShow_Action();
    bool FilePrintHelp_Action();
    bool CheckforUpdateAbout_Action();
};
