#pragma once

// A Graphics that draws nothing and records every call, in order, as one readable
// entry each, for example `TextFont "Courier"`, `Bold true`,
// `DrawString "page 1" 40 720 0 false`, `NextPage`. It measures with fixed
// metrics: every character is 0.6 of the text size wide, a line is 1.2 of the size
// high and its ascent is 0.8 of the size (6, 12 and 8 at size 10).

#include <string>
#include <string_view>
#include <vector>

#include "platform/print/Graphics.h"

namespace fw {

class RecordingGraphics final : public Graphics {
public:
    void TextFont(const std::string& name) override;
    [[nodiscard]] std::string TextFont() const override { return font_; }
    void TextSize(double points) override;
    [[nodiscard]] double TextSize() const override { return size_; }
    void ForeColor(Color color) override;
    [[nodiscard]] Color ForeColor() const override { return color_; }
    void Bold(bool bold) override;
    [[nodiscard]] bool Bold() const override { return bold_; }

    void DrawString(const std::string& text, double x, double y, double wrapWidth = 0,
                    bool condense = false) override;
    void NextPage() override;

    [[nodiscard]] double StringWidth(std::string_view text) const override;
    [[nodiscard]] double TextHeight() const override;
    [[nodiscard]] double TextAscent() const override;

    [[nodiscard]] const std::vector<std::string>& Entries() const { return entries_; }

private:
    std::vector<std::string> entries_;
    std::string font_ = "System";
    double size_ = 12;
    Color color_;
    bool bold_ = false;
};

}  // namespace fw
