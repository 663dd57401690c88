#pragma once

#include <cstdint>

// <windows.h> defines RGB as a macro; the framework's RGB is a function.
#ifdef RGB
#undef RGB
#endif

namespace fw {

// An RGB colour as stored in layout records and used for drawing.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

// The alpha component is accepted for the drawing calls' sake and not used.
constexpr Color RGB(int red, int green, int blue, int /*alpha*/ = 0) {
    return Color{static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
                 static_cast<std::uint8_t>(blue)};
}

}  // namespace fw
