#include "app/AppTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <cstdlib>
#include <fstream>
#include <iterator>

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

std::string ClipboardText() {
    return QApplication::clipboard()->text().toStdString();
}

void SetClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void AppFixture::SetUp() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tessarook-app-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    if (const char* value = std::getenv("XDG_CONFIG_HOME")) {
        savedConfigHome_ = value;
    }
    setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);

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
    EXPECT_TRUE(unhandled_.empty()) << unhandled_.front();
    fw::ResetQuitForTesting();
    fw::SetUnhandledExceptionHandler({});
    fw::RuntimeSetExceptionHelper({});
    fw::SetShuffleSource({});
    fw::SetDesktop(nullptr);
    if (savedConfigHome_) {
        setenv("XDG_CONFIG_HOME", savedConfigHome_->c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void AppFixture::StartApplication() {
    Main();
    ProcessEvents();
}

std::string AppFixture::ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void AppFixture::WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

int AppFixture::OpenCount(std::string_view runtimeClassName) {
    int count = 0;
    for (const auto& window : fw::OpenWindows()) {
        count += window->RuntimeClassName() == runtimeClassName ? 1 : 0;
    }
    return count;
}

}  // namespace app_test
