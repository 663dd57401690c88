// Feeds arbitrary bytes to the decoder, and to the encoder followed by the
// decoder; aborts when a decoded code differs from the message it was made from.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <string_view>

#include "codec/MessageCodec.h"
#include "platform/base/Shuffle.h"
#include "platform/base/Text.h"

namespace {

// Draws that depend only on the input, so that every finding reproduces.
class InputRandom : public fw::Random {
public:
    explicit InputRandom(std::size_t seed) : engine_(static_cast<unsigned>(seed)) {}
    int InRange(int min, int max) override {
        return std::uniform_int_distribution<int>(min, max)(engine_);
    }

private:
    std::mt19937 engine_;
};

// What decoding gives back for a message the encoder accepted.
std::string Expected(std::string_view message) {
    std::u32string text = fw::ToUtf32(message);
    for (char32_t& c : text) {
        c = fw::UppercaseChar(c);
        c = c == U'_' ? U' ' : c == U'-' ? U'.' : c;
    }
    while (!text.empty() && text.back() == U' ') {
        text.pop_back();
    }
    return fw::ToUtf8(text);
}

void Fail(const char* what, const std::string& message, const std::string& detail) {
    std::fprintf(stderr, "%s\nmessage: [%s]\n%s\n", what, message.c_str(), detail.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text =
        fw::SanitizeUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::size_t seed = std::hash<std::string>{}(text);

    const DecodeOutcome decoded = decodeMessage(text);
    if ((decoded.kind == DecodeOutcome::Kind::RefusedEmpty) != text.empty() ||
        fw::SanitizeUtf8(decoded.text) != decoded.text) {
        Fail("decoding gave a wrong outcome", text, decoded.text);
    }

    fw::SeedShuffleEngine(seed);
    InputRandom random(seed);
    fw::Array<std::string> letters(25);
    for (int i = 0; i <= 25; ++i) {
        letters(i) = std::string(1, static_cast<char>('A' + i));
    }
    const EncodeOutcome encoded = encodeMessage(text, random, letters);
    if (encoded.kind != EncodeOutcome::Kind::Encoded) {
        return 0;
    }
    const DecodeOutcome back = decodeMessage(encoded.code);
    if (back.kind != DecodeOutcome::Kind::Decoded || back.text != Expected(text)) {
        Fail("the round trip changed the message", text,
             "code: [" + encoded.code + "]\ndecoded: [" + back.text + "]");
    }
    return 0;
}
