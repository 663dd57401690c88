#pragma once

// The message codec: turns a message into a code of five-character groups with
// random decoy blocks, and a code back into the message. Pure text logic: it
// knows nothing of windows; the main window's button handlers wrap it.
// Every operation runs in time linear in the length of the text.

#include <string>
#include <string_view>

#include "platform/base/Array.h"
#include "platform/base/Random.h"

struct EncodeOutcome {
    enum class Kind { RefusedEmpty, RefusedDigits, Encoded };
    Kind kind = Kind::Encoded;
    std::string message;  // the message-box text when refused
    std::string stage1;   // upper-cased, extended, decoy blocks inserted
    std::string stage2;   // spaces as "_", full stops as "-"
    std::string stage3;   // stage 2 reversed
    std::string code;     // stage 3 in groups of five, each followed by a space
};

struct DecodeOutcome {
    enum class Kind { RefusedEmpty, Decoded };
    Kind kind = Kind::Decoded;
    std::string message;  // the message-box text when refused
    std::string text;     // the decoded message
};

inline constexpr std::string_view kEncodeEmptyMessage =
    "First, enter or paste a message to encode!";
inline constexpr std::string_view kEncodeDigitsMessage =
    "First, remove all digits from the message!";
inline constexpr std::string_view kDecodeEmptyMessage =
    "First, enter or paste a message to decode!";

// Draws two numbers from `random` per insertion pass and shuffles `letters`
// before each decoy block; a refused message touches neither.
EncodeOutcome encodeMessage(std::string_view message, fw::Random& random,
                            fw::Array<std::string>& letters);

DecodeOutcome decodeMessage(std::string_view code);
