#pragma once

// The framework's run of the process: start-up of the GUI, the event loop,
// quitting, and the handling of exceptions that no handler caught. Every call
// from Qt into application code goes through Dispatch(), so no exception ever
// reaches Qt's event loop.

#include <exception>
#include <functional>
#include <string>

namespace fw {

// Starts the framework (the Qt application object). Call once, first. The name
// is the application's, shown as the title of its message boxes.
void RuntimeInit(int& argc, char** argv, const std::string& name = {});
// Calls the late start-up callback, then queues the application's Open event
// for the start of the event loop.
void RunFrameworkInitialization(const std::function<void()>& lateStartup);
// Runs the event loop until the application quits; gives the exit status.
int RuntimeRun();
// Shuts the framework down; gives the process's exit status.
int RuntimeExit();

// Runs `call`; an exception it throws goes to the unhandled-exception handling.
void Dispatch(const std::function<void()>& call) noexcept;

// The routine through which the framework calls into the application, and
// which start-up installs (RuntimeSetExceptionHelper).
using ExceptionHelper = std::function<void(const std::function<void()>&)>;
void CallFunctionWithExceptionHandling(const std::function<void()>& call);
void RuntimeSetExceptionHelper(ExceptionHelper helper);

// What happens to an exception no handler caught. The default tells the user
// which error occurred and ends the application with status 1.
using UnhandledExceptionHandler = std::function<void(const std::exception&)>;
void SetUnhandledExceptionHandler(UnhandledExceptionHandler handler);

// Throws ThreadAccessingUIException unless called on the user-interface thread.
void RequireUiThread();

// Quits the application: closes every open window (most recent first, so each
// window's Close event runs), then ends the event loop with `code`. A second
// call while quitting does nothing.
void Quit(int code = 0);
[[nodiscard]] bool Quitting();
// Lets a test run quit more than once in one process.
void ResetQuitForTesting();

}  // namespace fw
