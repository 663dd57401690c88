// Opens the test window on the screen, as the application opens its windows,
// and keeps it there for the given number of seconds (default 5) so that it can
// be looked at or captured.

#include <QApplication>
#include <QTimer>
#include <string>

#include "platform/Runtime.h"
#include "platform/TestWindow.h"

int main(int argc, char** argv) {
    fw::RuntimeInit(argc, argv);
    const int seconds = argc > 1 ? std::stoi(argv[1]) : 5;
    fw::Dispatch([] {
        const auto window = TestWindow::Instance();
        window->Top(60);
        window->Left(80);
    });
    QTimer::singleShot(seconds * 1000, [] { fw::Quit(0); });
    const int status = fw::RuntimeRun();
    fw::RuntimeExit();
    return status;
}
