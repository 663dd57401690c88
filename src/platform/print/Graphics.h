#pragma once

// A drawing surface for printed pages. Coordinates are page units of 1/72 inch on
// a page 540 wide and 720 high, origin at the top left; y grows downwards. The
// drawing state (font, size, colour, bold) applies to every text drawn after it is
// set. Measurements are in the same units and follow the current drawing state.

#include <string>
#include <string_view>

#include "platform/Color.h"

namespace fw {

class Graphics {
public:
    Graphics() = default;
    virtual ~Graphics() = default;
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    virtual void TextFont(const std::string& name) = 0;
    [[nodiscard]] virtual std::string TextFont() const = 0;
    virtual void TextSize(double points) = 0;
    [[nodiscard]] virtual double TextSize() const = 0;
    virtual void ForeColor(Color color) = 0;
    [[nodiscard]] virtual Color ForeColor() const = 0;
    virtual void Bold(bool bold) = 0;
    [[nodiscard]] virtual bool Bold() const = 0;

    // Draws `text` with its baseline at y. A wrap width above 0 wraps the text at
    // that width onto further lines; with `condense` it is cut to one line that
    // fits the width instead.
    virtual void DrawString(const std::string& text, double x, double y, double wrapWidth = 0,
                            bool condense = false) = 0;

    // Ends the current page and starts the next one.
    virtual void NextPage() = 0;

    [[nodiscard]] virtual double StringWidth(std::string_view text) const = 0;
    // Distance from one line's baseline to the next.
    [[nodiscard]] virtual double TextHeight() const = 0;
    // Distance from the top of a line to its baseline.
    [[nodiscard]] virtual double TextAscent() const = 0;
};

}  // namespace fw
