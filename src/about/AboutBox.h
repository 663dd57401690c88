#pragma once

// Placeholder until the window is built.

#include <memory>
#include <string_view>

#include "platform/Window.h"

class AboutBox final : public fw::Window {
public:
    static constexpr std::string_view kRuntimeClassName = "AboutBox.AboutBox";
    static std::shared_ptr<AboutBox> Instance();
    [[nodiscard]] std::string_view RuntimeClassName() const override { return kRuntimeClassName; }
};
