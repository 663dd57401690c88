#pragma once

// The update window's socket control `hp`: an HTTP socket that belongs to the
// update window and lives and ends with it.

#include <string_view>

#include "platform/HTTPSocket.h"

class updateWindow_hp final : public fw::HTTPSocket {
public:
    static constexpr std::string_view kRuntimeClassName = "updateWindow.hp";
};
