#pragma once

// Prints a text in blocks onto a Graphics: each block takes the next whole lines
// that fit into its height. Paragraphs end at CR, LF or CRLF (a line end after the
// last paragraph starts no new one); each is word-wrapped at the printer's width,
// and a word wider than a line is broken between characters. Lines are laid out as
// the blocks are drawn, with the graphics' drawing state at that moment (font,
// size, bold, colour), so setting the state before a block sets it for that block.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/print/Graphics.h"

namespace fw {

class StyledTextPrinter {
public:
    // `graphics` must outlive the printer.
    StyledTextPrinter(Graphics& graphics, std::string text, int width);

    // Draws the next lines whose full height fits into `height`, the first line's
    // top at y. At least one line is drawn per block, so printing always advances.
    void DrawBlock(double x, double y, double height);

    // True once every line has been drawn; at once for an empty text.
    [[nodiscard]] bool Eof() const { return pos_ >= text_.size(); }

private:
    // Lays out the line starting at pos_ and moves pos_ past it.
    std::string_view NextLine();
    // Continues a line with the characters of the word at `start` that still fit.
    std::size_t FillWithCharacters(std::size_t start, double& used) const;

    Graphics& graphics_;
    std::string text_;
    double width_;
    std::size_t pos_ = 0;
};

}  // namespace fw
