#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "codec/CodecTestSupport.h"
#include "codec/MessageCodec.h"
#include "platform/base/Text.h"

namespace codec_test {
namespace {

using Kind = EncodeOutcome::Kind;

TEST_F(CodecTest, EncodesWithChosenDrawsAndLetters) {
    struct Row {
        const char* name;
        std::string message;
        std::vector<int> draws;
        std::vector<std::string> blocks;
        std::string stage1, stage2, stage3, code, decoded;
    };
    const Row rows[] = {
        {"padded, three blocks",
         "Hi Bob.",
         {3, 2, 4, 1, 2, 3, 5, 7},
         {"KD", "W", "PAZ"},
         "HI 2KDBOB1W.3PAZ   ",
         "HI_2KDBOB1W-3PAZ___",
         "___ZAP3-W1BOBDK2_IH",
         "___ZA P3-W1 BOBDK 2_IH ",
         "HI BOB."},
        {"touching blocks",
         "Attack at dawn",
         {9, 9, 1, 2, 9, 4},
         {"QWERTYUIO", "MN"},
         "ATTACK AT9QWERTYUIO2MN DAWN",
         "ATTACK_AT9QWERTYUIO2MN_DAWN",
         "NWAD_NM2OIUYTREWQ9TA_KCATTA",
         "NWAD_ NM2OI UYTRE WQ9TA _KCAT TA ",
         "ATTACK AT DAWN"},
        {"ten characters, not extended",
         "ABCDEFGHIJ",
         {9, 1, 9, 3},
         {"Q"},
         "ABCDEFGHI1QJ",
         "ABCDEFGHI1QJ",
         "JQ1IHGFEDCBA",
         "JQ1IH GFEDC BA ",
         "ABCDEFGHIJ"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        fw::Array<std::string> letters = Alphabet();
        BringToFront(letters, row.blocks);
        ScriptedRandom random(row.draws);
        const EncodeOutcome out = encodeMessage(row.message, random, letters);
        ASSERT_EQ(out.kind, Kind::Encoded);
        EXPECT_EQ(out.stage1, row.stage1);
        EXPECT_EQ(out.stage2, row.stage2);
        EXPECT_EQ(out.stage3, row.stage3);
        EXPECT_EQ(out.code, row.code);
        EXPECT_EQ(random.used, row.draws.size()) << "two draws per pass, the last one included";
        EXPECT_EQ(decodeMessage(out.code).text, row.decoded);
    }
}

TEST_F(CodecTest, RefusesWithoutDrawingOrShuffling) {
    struct Row {
        const char* name;
        std::string message;
        Kind kind;
    };
    std::vector<Row> rows = {{"empty", "", Kind::RefusedEmpty},
                             {"single space", " ", Kind::RefusedEmpty},
                             {"digit after emoji", "\xF0\x9F\x98\x80 7", Kind::RefusedDigits}};
    for (char d = '1'; d <= '9'; ++d) {
        rows.push_back({"digit at start", std::string(1, d) + "abc", Kind::RefusedDigits});
        rows.push_back({"digit at end", "a0b" + std::string(1, d), Kind::RefusedDigits});
    }
    int shuffles = 0;
    fw::SetShuffleSource([&shuffles](std::size_t n) {
        ++shuffles;
        return std::vector<std::size_t>(n);  // not a permutation: Shuffle would throw
    });
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.name) + ": " + row.message);
        fw::Array<std::string> letters = Alphabet();
        ScriptedRandom random({});
        const EncodeOutcome out = encodeMessage(row.message, random, letters);
        EXPECT_EQ(out.kind, row.kind);
        EXPECT_EQ(out.message,
                  row.kind == Kind::RefusedEmpty ? kEncodeEmptyMessage : kEncodeDigitsMessage);
        EXPECT_TRUE(out.code.empty());
        EXPECT_EQ(random.used, 0U);
        EXPECT_EQ(letters.Items(), Alphabet().Items());
    }
    EXPECT_EQ(shuffles, 0);
}

// Worked examples of the decoding rules; the differential test covers the rest.
TEST(DecodeMessage, WorkedExamples) {
    struct Row {
        const char* name;
        std::string code;
        std::string text;
    };
    const Row rows[] = {
        {"lone space is trimmed", " ", ""},
        {"leading space keeps all spaces", " ABCDE FGHIJ ", " JIHGF EDCBA"},
        {"digit near the end takes what follows", "XY3Z", "Z"},
        {"removed run swallows a later digit", "CB21A", "ABC"},
        {"zero is no block head", "0A1B0", "0B0"},
        {"underscore and hyphen", "A_B-C", "C.B A"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DecodeOutcome out = decodeMessage(row.code);
        EXPECT_EQ(out.kind, DecodeOutcome::Kind::Decoded);
        EXPECT_EQ(out.text, row.text);
    }
    const DecodeOutcome refused = decodeMessage("");
    EXPECT_EQ(refused.kind, DecodeOutcome::Kind::RefusedEmpty);
    EXPECT_EQ(refused.message, kDecodeEmptyMessage);
}

// Speed is measured in bench/codec_bench; here a megabyte must simply come back.
TEST_F(CodecTest, LargeTextsComeBackWhole) {
    std::string message;
    while (message.size() < (std::size_t{1} << 20)) {
        message += "Meet me at the old mill. Bring \xF0\x9F\x98\x80 and the map_ ";
    }
    fw::Random random;
    fw::Array<std::string> letters = Alphabet();
    const EncodeOutcome out = encodeMessage(message, random, letters);
    const DecodeOutcome back = decodeMessage(out.code);
    // Upper-cased, "_" read as a space, and the trailing "_ " trimmed.
    std::string expected = fw::Uppercase(message.substr(0, message.size() - 2));
    std::replace(expected.begin(), expected.end(), '_', ' ');
    EXPECT_EQ(back.text, expected);
}

}  // namespace
}  // namespace codec_test
