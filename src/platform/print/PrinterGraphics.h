#pragma once

// The Graphics of a print job on a Qt printer (a real printer or a PDF file). The
// page coordinates of 1/72 inch start at the top left of the printer's printable
// area; where that area is smaller than 540 by 720 units the page is scaled down
// to fit it. Font names that the system lacks fall back to a metric-compatible
// font ("Arial" to Liberation Sans, "Courier" to Courier New or Liberation Mono,
// then to any sans-serif or monospace font). The job is complete when the object
// is destroyed.

#include <memory>
#include <string>
#include <string_view>

#include "platform/print/Graphics.h"

class QPrinter;

namespace fw {

class PrinterGraphics final : public Graphics {
public:
    // Starts the print job on `printer`; nullptr when the job cannot start (for
    // example when the output file cannot be written).
    static std::unique_ptr<PrinterGraphics> Begin(std::unique_ptr<QPrinter> printer);
    ~PrinterGraphics() override;

    void TextFont(const std::string& name) override;
    [[nodiscard]] std::string TextFont() const override;
    void TextSize(double points) override;
    [[nodiscard]] double TextSize() const override;
    void ForeColor(Color color) override;
    [[nodiscard]] Color ForeColor() const override;
    void Bold(bool bold) override;
    [[nodiscard]] bool Bold() const override;

    void DrawString(const std::string& text, double x, double y, double wrapWidth = 0,
                    bool condense = false) override;
    void NextPage() override;

    [[nodiscard]] double StringWidth(std::string_view text) const override;
    [[nodiscard]] double TextHeight() const override;
    [[nodiscard]] double TextAscent() const override;

private:
    struct Impl;
    explicit PrinterGraphics(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace fw
