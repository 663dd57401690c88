#pragma once

// Placeholder until the window is built.

#include <memory>
#include <string_view>

#include "platform/Window.h"

class Help final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "Help.Help";
    static std::shared_ptr<Help> Instance();
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }
};
