#include "codec/MessageCodec.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/base/Exceptions.h"
#include "platform/base/Text.h"

namespace {

// Shorter messages are padded with spaces to this many characters.
constexpr std::size_t kMinLength = 10;
constexpr std::size_t kGroupLength = 5;
constexpr int kMaxDraw = 9;

bool IsBlockDigit(char32_t c) {
    return c >= U'1' && c <= U'9';
}

// A block head is one digit, so a draw outside 1..9 would make a block that the
// decoder cannot take out again.
int Draw(fw::Random& random) {
    const int value = random.InRange(1, kMaxDraw);
    if (value < 1 || value > kMaxDraw) {
        throw fw::RuntimeException("Random.InRange(1, 9) gave " + fw::Str(value) + ".");
    }
    return value;
}

// Bytes of the UTF-8 sequence that begins with `lead`; the texts here are valid.
std::size_t SequenceLength(char lead) {
    const auto byte = static_cast<unsigned char>(lead);
    return byte < 0x80 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
}

// The byte offset `count` characters after `from`, or the end of the text.
std::size_t Advance(std::string_view text, std::size_t from, std::size_t count) {
    for (; count > 0 && from < text.size(); --count) {
        from += SequenceLength(text[from]);
    }
    return std::min(from, text.size());
}

// A block must consist of its digit and exactly `count` characters, or the decoder
// would take message characters with it.
void AppendLetter(std::string& out, const fw::Array<std::string>& letters, int index) {
    const std::string& entry = letters(index);
    if (entry.size() == 1 && static_cast<unsigned char>(entry[0]) < 0x80) {
        out.push_back(entry[0]);
        return;
    }
    const std::u32string letter = fw::ToUtf32(entry);
    if (letter.size() != 1) {
        throw fw::RuntimeException("The letter table entry " + fw::Str(index) +
                                   " is not one character.");
    }
    fw::AppendUtf8(out, letter.front());
}

// The extended message with decoy blocks inserted. Each pass moves the insertion
// point `gap` characters into the message (the first pass) or `gap` - 1 characters
// past the previous block (later passes); the passes end at the first block that
// would have no message character after it. The two draws of every pass, the last
// one included, are made before that test.
std::string InsertBlocks(std::string_view message, fw::Random& random,
                         fw::Array<std::string>& letters) {
    std::string out;
    // On average a block of six characters follows every four message characters.
    out.reserve(message.size() / 2 * 5 + 32);
    std::size_t taken = 0;  // bytes of `message` already in `out`
    bool first = true;
    for (;;) {
        const int gap = Draw(random);
        const int count = Draw(random);
        const std::size_t at =
            Advance(message, taken, static_cast<std::size_t>(first ? gap : gap - 1));
        if (at >= message.size()) {
            break;
        }
        out.append(message, taken, at - taken);
        taken = at;
        first = false;
        letters.Shuffle();
        out.push_back(static_cast<char>('0' + count));
        for (int i = 0; i < count; ++i) {
            AppendLetter(out, letters, i);
        }
    }
    out.append(message, taken);
    return out;
}

// `text` with its characters in reverse order, and the same in groups of
// `kGroupLength` characters, each group (the last, shorter one too) followed by
// a space.
void ReverseAndGroup(std::string_view text, std::string& reversed, std::string& grouped) {
    reversed.resize(text.size());
    grouped.resize(text.size() + text.size() / kGroupLength + 1);
    char* r = reversed.data();
    char* g = grouped.data();
    std::size_t inGroup = 0;
    std::size_t end = text.size();
    while (end > 0) {
        std::size_t begin = end - 1;
        while (begin > 0 && (static_cast<unsigned char>(text[begin]) & 0xC0) == 0x80) {
            --begin;
        }
        for (std::size_t i = begin; i < end; ++i) {
            *r++ = text[i];
            *g++ = text[i];
        }
        if (++inGroup == kGroupLength) {
            *g++ = ' ';
            inGroup = 0;
        }
        end = begin;
    }
    if (inGroup > 0) {
        *g++ = ' ';
    }
    grouped.resize(static_cast<std::size_t>(g - grouped.data()));
}

// Every occurrence of `digit`, scanning from the left, goes together with the
// `digit` characters after it (fewer at the end of the text). A digit inside a
// removed run goes with the run.
void RemoveBlocks(std::u32string& text, int digit) {
    const char32_t head = static_cast<char32_t>(U'0' + digit);
    auto first = std::find(text.begin(), text.end(), head);
    if (first == text.end()) {
        return;
    }
    const std::size_t n = text.size();
    std::size_t write = static_cast<std::size_t>(first - text.begin());
    std::size_t read = write;
    while (read < n) {
        if (text[read] == head) {
            read = std::min(n, read + static_cast<std::size_t>(digit) + 1);
        } else {
            text[write++] = text[read++];
        }
    }
    text.resize(write);
}

}  // namespace

// The encoder works on UTF-8 throughout: ASCII bytes never occur inside a longer
// sequence, so the digit test and the replacements of stage 2 can look at bytes.
EncodeOutcome encodeMessage(std::string_view message, fw::Random& random,
                            fw::Array<std::string>& letters) {
    EncodeOutcome outcome;
    if (message.empty() || message == " ") {
        outcome.kind = EncodeOutcome::Kind::RefusedEmpty;
        outcome.message = kEncodeEmptyMessage;
        return outcome;
    }
    if (std::any_of(message.begin(), message.end(),
                    [](char c) { return IsBlockDigit(static_cast<unsigned char>(c)); })) {
        outcome.kind = EncodeOutcome::Kind::RefusedDigits;
        outcome.message = kEncodeDigitsMessage;
        return outcome;
    }
    // Upper-casing also makes the text valid UTF-8 (Text.h).
    std::string upper = fw::Uppercase(message);
    const auto length = static_cast<std::size_t>(fw::Len(upper));
    if (length < kMinLength) {
        upper.append(kMinLength - length, ' ');
    }

    outcome.stage1 = InsertBlocks(upper, random, letters);
    outcome.stage2 = outcome.stage1;
    for (char& c : outcome.stage2) {
        if (c == ' ') {
            c = '_';
        } else if (c == '.') {
            c = '-';
        }
    }
    ReverseAndGroup(outcome.stage2, outcome.stage3, outcome.code);
    outcome.kind = EncodeOutcome::Kind::Encoded;
    return outcome;
}

DecodeOutcome decodeMessage(std::string_view code) {
    DecodeOutcome outcome;
    if (code.empty()) {
        outcome.kind = DecodeOutcome::Kind::RefusedEmpty;
        outcome.message = kDecodeEmptyMessage;
        return outcome;
    }
    std::u32string text = fw::ToUtf32(code);
    // Only the group spaces go; a text that begins with a space keeps all of its
    // spaces, since the space removal never touches a space at the very start.
    if (text.front() != U' ') {
        text.erase(std::remove(text.begin(), text.end(), U' '), text.end());
    }
    std::reverse(text.begin(), text.end());
    for (char32_t& c : text) {
        if (c == U'_') {
            c = U' ';
        } else if (c == U'-') {
            c = U'.';
        }
    }
    for (int digit = 1; digit <= kMaxDraw; ++digit) {
        RemoveBlocks(text, digit);
    }
    while (!text.empty() && text.back() == U' ') {
        text.pop_back();
    }
    outcome.kind = DecodeOutcome::Kind::Decoded;
    outcome.text = fw::ToUtf8(text);
    return outcome;
}
