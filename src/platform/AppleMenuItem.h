#pragma once

#include "platform/MenuItem.h"

namespace fw {

// A menu entry that behaves like any other; kept as a class of its own because
// menus name it.
class AppleMenuItem : public MenuItem {
public:
    [[nodiscard]] std::string_view ClassName() const override { return "AppleMenuItem"; }
};

}  // namespace fw
