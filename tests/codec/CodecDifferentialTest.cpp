#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "codec/CodecTestSupport.h"
#include "codec/MessageCodec.h"
#include "codec/ReferenceCodec.h"

namespace codec_test {
namespace {

// Characters that matter to the codec, and some that must merely survive it.
const std::vector<std::string> kPieces = {
    "a",
    "B",
    "z",
    " ",
    " ",
    ".",
    "_",
    "-",
    "0",
    "\n",
    "\r\n",
    "\t",
    "\xC3\xA9",
    "\xC3\x9F",
    "\xD1\x8F",
    "\xCF\x82",
    "\xE6\xBC\xA2",
    "\xF0\x9F\x98\x80",
    "\xF0\x9F\x8F\xBD",
};

std::string RandomText(std::mt19937& engine, int maxLength, bool withDigits) {
    std::uniform_int_distribution<int> length(0, maxLength);
    std::uniform_int_distribution<std::size_t> piece(0, kPieces.size() - 1);
    std::uniform_int_distribution<int> digitChance(0, withDigits ? 5 : 400);
    std::string text;
    for (int n = length(engine); n > 0; --n) {
        text += digitChance(engine) == 0 ? std::string(1, static_cast<char>('1' + engine() % 9))
                                         : kPieces[piece(engine)];
    }
    return text;
}

void ExpectSameEncoding(const std::string& message, unsigned seed) {
    SeededRandom realRandom(seed);
    SeededRandom refRandom(seed);
    fw::Array<std::string> realLetters = Alphabet();
    fw::Array<std::string> refLetters = Alphabet();
    SeedShuffles(seed);
    const EncodeOutcome real = encodeMessage(message, realRandom, realLetters);
    SeedShuffles(seed);
    const EncodeOutcome ref = reference::encode(message, refRandom, refLetters);
    ASSERT_EQ(real.kind, ref.kind) << message;
    EXPECT_EQ(real.message, ref.message);
    EXPECT_EQ(real.stage1, ref.stage1);
    EXPECT_EQ(real.stage2, ref.stage2);
    EXPECT_EQ(real.stage3, ref.stage3);
    EXPECT_EQ(real.code, ref.code);
    EXPECT_EQ(realRandom.used, refRandom.used);
    EXPECT_EQ(realLetters.Items(), refLetters.Items());
    if (real.kind == EncodeOutcome::Kind::Encoded) {
        EXPECT_EQ(decodeMessage(real.code).text, reference::decode(real.code).text);
    }
}

TEST_F(CodecTest, EncodeMatchesStepByStepVersion) {
    std::mt19937 engine(20240611);
    for (unsigned i = 0; i < 1500; ++i) {
        ExpectSameEncoding(RandomText(engine, i % 3 == 0 ? 8 : 40, i % 10 == 0), i);
        if (HasFailure()) {
            return;
        }
    }
    for (unsigned i = 0; i < 6; ++i) {
        ExpectSameEncoding(RandomText(engine, 3000, false), 1000000 + i);
    }
}

TEST(DecodeMessage, MatchesStepByStepVersion) {
    std::mt19937 engine(7);
    for (int i = 0; i < 3000; ++i) {
        const std::string code = RandomText(engine, i < 2950 ? 30 : 2000, true);
        const DecodeOutcome real = decodeMessage(code);
        const DecodeOutcome ref = reference::decode(code);
        ASSERT_EQ(real.kind, ref.kind) << code;
        ASSERT_EQ(real.text, ref.text) << code;
    }
}

}  // namespace
}  // namespace codec_test
