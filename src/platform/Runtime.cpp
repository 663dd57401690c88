#include "platform/Runtime.h"

#include <QApplication>
#include <QThread>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/Application.h"
#include "platform/Desktop.h"
#include "platform/Window.h"
#include "platform/base/Exceptions.h"

namespace fw {

namespace {

struct RuntimeState {
    // Deleted by RuntimeExit only: a process that ends without it (a test, say)
    // must not destroy Qt during the destruction of statics.
    QApplication* app = nullptr;
    ExceptionHelper helper;
    UnhandledExceptionHandler unhandled;
    bool quitting = false;
    int exitCode = 0;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

std::string ErrorName(const std::exception& error) {
    if (const auto* runtime = dynamic_cast<const RuntimeException*>(&error)) {
        return runtime->TypeName();
    }
    return "RuntimeException";
}

void DefaultUnhandled(const std::exception& error) {
    MsgBox("An exception of class " + ErrorName(error) +
           " was not handled. The application must shut down.\n\n" + error.what());
    if (QCoreApplication::instance() != nullptr) {
        State().exitCode = 1;
        State().quitting = true;
        QCoreApplication::exit(1);
    } else {
        std::exit(1);
    }
}

void HandleUnhandled(const std::exception& error) noexcept {
    try {
        if (State().unhandled) {
            State().unhandled(error);
        } else {
            DefaultUnhandled(error);
        }
    } catch (...) {
        std::abort();  // the handling itself failed: nothing sound is left to do
    }
}

}  // namespace

void RuntimeInit(int& argc, char** argv, const std::string& name) {
    if (QApplication::instance() == nullptr) {
        State().app = new QApplication(argc, argv);
    }
    if (!name.empty()) {
        // Only the name: a display name would be added to every window's title.
        QApplication::setApplicationName(QString::fromStdString(name));
    }
    QApplication::setQuitOnLastWindowClosed(false);
}

void RunFrameworkInitialization(const std::function<void()>& lateStartup) {
    Dispatch(lateStartup);
    QTimer::singleShot(0, [] {
        Dispatch([] {
            if (Application* app = Application::Current()) {
                app->Event_Open();
            }
        });
    });
}

int RuntimeRun() {
    if (State().quitting) {
        return State().exitCode;
    }
    const int status = QApplication::exec();
    if (State().exitCode == 0) {
        State().exitCode = status;
    }
    return State().exitCode;
}

int RuntimeExit() {
    const int status = State().exitCode;
    delete State().app;
    State().app = nullptr;
    return status;
}

void CallFunctionWithExceptionHandling(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::exception& error) {
        HandleUnhandled(error);
    } catch (...) {
        HandleUnhandled(RuntimeException("An unknown error occurred."));
    }
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
    State().helper = std::move(helper);
}

void Dispatch(const std::function<void()>& call) noexcept {
    try {
        if (State().helper) {
            State().helper(call);
        } else {
            CallFunctionWithExceptionHandling(call);
        }
    } catch (const std::exception& error) {
        HandleUnhandled(error);
    } catch (...) {
        HandleUnhandled(RuntimeException("An unknown error occurred."));
    }
}

void SetUnhandledExceptionHandler(UnhandledExceptionHandler handler) {
    State().unhandled = std::move(handler);
}

void RequireUiThread() {
    const QCoreApplication* app = QCoreApplication::instance();
    if (app != nullptr && QThread::currentThread() != app->thread()) {
        throw ThreadAccessingUIException();
    }
}

void Quit(int code) {
    if (State().quitting) {
        return;
    }
    State().quitting = true;
    State().exitCode = code;
    const auto windows = OpenWindows();
    for (std::size_t i = windows.size(); i-- > 0;) {
        windows[i]->Close();
    }
    QCoreApplication::exit(code);
}

bool Quitting() {
    return State().quitting;
}

void ResetQuitForTesting() {
    State().quitting = false;
    State().exitCode = 0;
}

}  // namespace fw
