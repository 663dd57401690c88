#include "platform/print/StyledTextPrinter.h"

#include <limits>
#include <utility>

namespace fw {

namespace {

// Words longer than this many bytes are laid out character by character straight
// away, so that no line ever scans or measures more than a bounded look-ahead.
constexpr std::size_t kLongWord = 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

std::size_t NextCharacter(const std::string& text, std::size_t pos) {
    ++pos;
    while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80) {
        ++pos;
    }
    return pos;
}

}  // namespace

StyledTextPrinter::StyledTextPrinter(Graphics& graphics, std::string text, int width)
    : graphics_(graphics), text_(std::move(text)), width_(width) {}

void StyledTextPrinter::DrawBlock(double x, double y, double height) {
    const double lineHeight = graphics_.TextHeight();
    const double ascent = graphics_.TextAscent();
    // Tolerates rounding in line heights that divide the block height exactly.
    const double limit = height + height * 1e-9;
    int drawn = 0;
    while (!Eof() && (drawn == 0 || (drawn + 1) * lineHeight <= limit)) {
        const std::string_view line = NextLine();
        graphics_.DrawString(std::string(line), x, y + ascent + drawn * lineHeight);
        ++drawn;
    }
}

std::string_view StyledTextPrinter::NextLine() {
    const std::string& t = text_;
    const std::size_t n = t.size();
    const std::size_t lineStart = pos_;
    std::size_t lineEnd = pos_;
    std::size_t p = pos_;
    double used = 0;
    bool hasWord = false;

    for (;;) {
        std::size_t wordStart = p;
        while (wordStart < n && IsBlank(t[wordStart])) {
            ++wordStart;
        }
        if (wordStart >= n || IsLineEnd(t[wordStart])) {
            // End of the paragraph: trailing blanks are not drawn, the line end is
            // consumed with the line.
            pos_ = wordStart;
            if (pos_ < n) {
                pos_ += (t[pos_] == '\r' && pos_ + 1 < n && t[pos_ + 1] == '\n') ? 2 : 1;
            }
            return std::string_view(t).substr(lineStart, lineEnd - lineStart);
        }
        const double blanks =
            wordStart > p ? graphics_.StringWidth(std::string_view(t).substr(p, wordStart - p))
                          : 0.0;

        std::size_t wordEnd = wordStart;
        while (wordEnd < n && wordEnd - wordStart <= kLongWord && !IsBlank(t[wordEnd]) &&
               !IsLineEnd(t[wordEnd])) {
            ++wordEnd;
        }
        const bool longWord = wordEnd - wordStart > kLongWord;
        const double word =
            longWord
                ? std::numeric_limits<double>::infinity()
                : graphics_.StringWidth(std::string_view(t).substr(wordStart, wordEnd - wordStart));

        if (used + blanks + word <= width_) {
            used += blanks + word;
            lineEnd = p = wordEnd;
            hasWord = true;
            continue;
        }
        if (hasWord) {
            // The word starts the next line; the blanks before it are dropped.
            pos_ = wordStart;
            return std::string_view(t).substr(lineStart, lineEnd - lineStart);
        }
        // A word wider than a whole line: as much of it as fits, at least one character.
        used += blanks;
        const std::size_t end = FillWithCharacters(wordStart, used);
        if (end < n && !IsBlank(t[end]) && !IsLineEnd(t[end])) {
            pos_ = end;
            return std::string_view(t).substr(lineStart, end - lineStart);
        }
        lineEnd = p = end;
        hasWord = true;
    }
}

std::size_t StyledTextPrinter::FillWithCharacters(std::size_t start, double& used) const {
    const std::string& t = text_;
    std::size_t pos = start;
    while (pos < t.size() && !IsBlank(t[pos]) && !IsLineEnd(t[pos])) {
        const std::size_t next = NextCharacter(t, pos);
        const double w = graphics_.StringWidth(std::string_view(t).substr(pos, next - pos));
        if (pos > start && used + w > width_) {
            break;
        }
        used += w;
        pos = next;
    }
    return pos;
}

}  // namespace fw
