#pragma once

// The Help window's menu bar: File and Edit. One instance per run, built on
// first use.

#include <memory>

#include "platform/MenuBar.h"

class MenuBar2 final : public fw::MenuBar {
public:
    static std::shared_ptr<MenuBar2> Instance();
    static void Release();

    void Constructor() override;
    void Untitled0();
    void Untitled1();
};
