#pragma once

// Placeholder until the window is built.

#include <memory>
#include <string_view>

#include "platform/Window.h"

class selfTest final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "selfTest.selfTest";
    static std::shared_ptr<selfTest> Instance();
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }
};
