#pragma once

#include "platform/MenuItem.h"

namespace fw {

// A menu entry that quits the application when chosen and no handler took it.
class QuitMenuItem : public MenuItem {
public:
    [[nodiscard]] std::string_view ClassName() const override { return "QuitMenuItem"; }
};

}  // namespace fw
