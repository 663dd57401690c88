#include "support/AppFixture.h"

#include <QCoreApplication>

#include "app/Startup.h"
#include "platform/Runtime.h"
#include "platform/Window.h"
#include "platform/base/Shuffle.h"
#include "prefs/prefModule.h"

namespace app_test {

void ProcessEvents() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int OpenCount(std::string_view runtimeClassName) {
    int count = 0;
    for (const auto& window : fw::OpenWindows()) {
        count += window->RuntimeClassName() == runtimeClassName ? 1 : 0;
    }
    return count;
}

void AppFixture::SetUp() {
    config_.emplace();
    desktop_ = std::make_shared<FakeDesktop>();
    fw::SetDesktop(desktop_);
    fw::SetUnhandledExceptionHandler(
        [this](const std::exception& error) { unhandled_.emplace_back(error.what()); });
    fw::ResetQuitForTesting();
    prefModule::Window1Top = 0;
    prefModule::Window1Left = 0;
    initialize();
}

void AppFixture::TearDown() {
    finalize();
    ProcessEvents();
    EXPECT_TRUE(fw::OpenWindows().empty());
    EXPECT_EQ(unhandled_, std::vector<std::string>{});
    fw::ResetQuitForTesting();
    fw::SetUnhandledExceptionHandler({});
    fw::RuntimeSetExceptionHelper({});
    fw::SetShuffleSource({});
    fw::SetDesktop(nullptr);
    config_.reset();
}

void AppFixture::StartApplication() {
    Main();
    ProcessEvents();
}

void AppFixture::CreateApplication() {
    EarlyStartup();
}

}  // namespace app_test
