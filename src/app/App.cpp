#include "app/App.h"

#include <string>

#include "BuildConfig.h"
#include "about/AboutBox.h"
#include "codec/Module1.h"
#include "help/Help.h"
#include "help/PrintHelp.h"
#include "main_window/Window1.h"
#include "platform/base/Exceptions.h"
#include "platform/base/Text.h"
#include "update/selfTest.h"

namespace {

// Both version texts are the dotted version, "1.2.0": the labels that show the
// long one have room for little more.
fw::VersionInfo BuildVersion() {
    using namespace buildconfig;
    const std::string dotted =
        fw::Str(kMajorVersion) + "." + fw::Str(kMinorVersion) + "." + fw::Str(kBugVersion);
    return {kMajorVersion, kMinorVersion, kBugVersion, dotted, dotted};
}

}  // namespace

App::App() : fw::Application(BuildVersion()) {}

std::shared_ptr<App> App::Instance() {
    auto app = fw::RuntimeCheckCast<App>(fw::GetAppObject());
    if (!app) {
        throw fw::NilObjectException("There is no application object.");
    }
    return app;
}

void App::Event_Open() {
    Module1::R = std::make_shared<fw::Random>();
    for (int i = 0; i <= 25; ++i) {
        (*Module1::Letters)(i) = fw::Chr(65 + i);
    }
    Window1::Instance()->Show();
}

bool App::CheckforUpdateCheckNow_Action() {
    selfTest::Instance()->Show();
    return false;
}

bool App::HelpShow_Action() {
    Help::Instance()->Show();
    return false;
}

bool App::FilePrintHelp_Action() {
    return PrintHelp();
}

bool App::CheckforUpdateAbout_Action() {
    AboutBox::Instance()->Show();
    return true;
}
