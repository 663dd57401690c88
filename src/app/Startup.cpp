#include "app/Startup.h"

#include "app/App.h"
#include "app/MenuBar1.h"
#include "app/MenuBar2.h"
#include "codec/Module1.h"
#include "main_window/Window1.h"
#include "platform/Runtime.h"
#include "prefs/prefModule.h"

void initialize() {
    Module1::Letters = std::make_shared<fw::Array<std::string>>(25);
    prefModule::gDirectives = std::make_shared<prefModule::DirectiveList>(0);
}

void finalize() {
    for (const auto& window : fw::OpenWindows()) {
        window->Close();
    }
    MenuBar1::Release();
    Module1::R.reset();
    Module1::Letters.reset();
    prefModule::gDirectives.reset();
    MenuBar2::Release();
    fw::RuntimeRegisterAppObject(nullptr);
}

void Main() {
    fw::RuntimeSetExceptionHelper(fw::CallFunctionWithExceptionHandling);
    EarlyStartup();
    fw::RunFrameworkInitialization(LateStartup);
}

void EarlyStartup() {
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() {}

void NewAppInstance() {
    auto app = std::make_shared<App>();
    app->Constructor();
    app->MenuBar(MenuBar1::Instance());
    fw::RuntimeRegisterAppObject(app);
}

namespace {

using Handler = bool (App::*)();

void AddHandler(const char* itemName, Handler handler) {
    const std::shared_ptr<App> app = App::Instance();
    app->AddMenuHandler(itemName,
                        fw::MenuDelegate{"(  ) as Boolean", app,
                                         [app = app.get(), handler] { return (app->*handler)(); }});
}

}  // namespace

void ApplicationAddMenuHandlers() {
    AddHandler("CheckforUpdateCheckNow", &App::CheckforUpdateCheckNow_Action);
    AddHandler("HelpShow", &App::HelpShow_Action);
    AddHandler("FilePrintHelp", &App::FilePrintHelp_Action);
    AddHandler("CheckforUpdateAbout", &App::CheckforUpdateAbout_Action);
}

void LateStartup() {
    MakeDefaultView();
}

void MakeDefaultView() {
    (void)Window1::Instance();
}
