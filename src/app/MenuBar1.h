#pragma once

// The application's and the main window's menu bar: File, Edit, Check for
// Update and Help. One instance per run, built on first use.

#include <memory>

#include "platform/MenuBar.h"

class MenuBar1 final : public fw::MenuBar {
public:
    // The one instance, built on the first call.
    static std::shared_ptr<MenuBar1> Instance();
    // Releases the instance at the end of the run.
    static void Release();

    void Constructor() override;
    void Untitled0();
    void Untitled1();
    void Untitled2();
    void Untitled3();
};
