#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <string>

#include "platform/base/Text.h"

namespace {

const std::string kEmoji = "\xF0\x9F\x98\x80";  // one character outside the BMP
const std::string kTone = "\xF0\x9F\x8F\xBD";   // a skin-tone modifier, its own character
const std::string kFffd = "\xEF\xBF\xBD";       // the replacement character

TEST(Text, CountsCharactersNotBytes) {
    EXPECT_EQ(fw::Len("a" + kEmoji + "b"), 3);
    EXPECT_EQ(fw::Len(kEmoji + kTone), 2);
    EXPECT_EQ(fw::Mid("a" + kEmoji + "b", 2, 1), kEmoji);
    EXPECT_EQ(fw::Mid("a" + kEmoji + "b", 3), "b");
    EXPECT_EQ(fw::Left(kEmoji + kEmoji, 1), kEmoji);
    EXPECT_EQ(fw::Right("a" + kEmoji + "b", 2), kEmoji + "b");
    EXPECT_EQ(fw::InStr(kEmoji + "a" + kEmoji + "b", "b"), 4);
    EXPECT_EQ(fw::InStr(3, kEmoji + "a" + kEmoji + "b", kEmoji), 3);
    EXPECT_EQ(fw::InStr(9, "abc", "c"), 0);
    EXPECT_EQ(fw::ToUtf32("a" + kEmoji), std::u32string(U"a\U0001F600"));
    EXPECT_EQ(fw::ToUtf8(U"a\U0001F600"), "a" + kEmoji);
}

TEST(Text, CountsBelowOneGiveEmptyText) {
    EXPECT_EQ(fw::Right("abc", -1), "");
    EXPECT_EQ(fw::Right("abc", 7), "abc");
    EXPECT_EQ(fw::Left("abc", -2), "");
    EXPECT_EQ(fw::Mid("abc", 2, -1), "");
    EXPECT_EQ(fw::Mid("abc", -5, 2), "ab");
}

TEST(Text, Val) {
    struct Row {
        const char* name;
        const char* text;
        double value;
    };
    const Row rows[] = {
        {"blanks, sign, fraction, exponent, rest", " \t-3.5e2x", -350.0},
        {"line ends and other white space",
         "\r\n\f\v\xC2\xA0"
         "1.2",
         1.2},
        {"a letter before the number", "v1", 0.0},
        {"fraction only", ".5", 0.5},
        {"exponent without digits", "1e", 1.0},
        {"sign only", "-", 0.0},
        {"many digits", "99999999999999999999", 1e20},
        {"overflow", "1e400", DBL_MAX},
        {"negative overflow", "-1e400", -DBL_MAX},
        {"underflow", "1e-400", 0.0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_DOUBLE_EQ(fw::Val(row.text), row.value);
    }
}

TEST(Text, ToIntegerSaturates) {
    struct Row {
        const char* name;
        double value;
        std::int32_t integer;
    };
    const Row rows[] = {
        {"truncates up", -3.99, -3},
        {"truncates down", 3.99, 3},
        {"just above the range", 2147483647.5, INT_MAX},
        {"just below the range", -2147483648.5, INT_MIN},
        {"infinity", std::numeric_limits<double>::infinity(), INT_MAX},
        {"NaN", std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::ToInteger(row.value), row.integer);
    }
}

TEST(Text, NthField) {
    EXPECT_EQ(fw::NthField("a,b,,c", ",", 2), "b");
    EXPECT_EQ(fw::NthField("a,b,,c", ",", 3), "");
    EXPECT_EQ(fw::NthField("a,b,,c", ",", 4), "c");
    EXPECT_EQ(fw::NthField("a,b,,c", ",", 5), "");
    EXPECT_EQ(fw::NthField("a,b", ",", 0), "");
    EXPECT_EQ(fw::NthField("a::b", "::", 2), "b");
    EXPECT_EQ(fw::NthField("abc", "", 1), "abc");
}

TEST(Text, SanitizeUtf8ReplacesInvalidSequences) {
    struct Row {
        const char* name;
        std::string bytes;
        std::string text;
    };
    const Row rows[] = {
        {"valid text stays", "a\xC3\xA9" + kEmoji, "a\xC3\xA9" + kEmoji},
        {"lone continuation byte", "a\x80z", "a" + kFffd + "z"},
        {"truncated at the end", "a\xE2\x82", "a" + kFffd},
        {"lead byte before ASCII", "\xC3(", kFffd + "("},
        {"invalid lead bytes", "\xC0\xF5", kFffd + kFffd},
        {"surrogate", "\xED\xA0\x80", kFffd},
        {"above U+10FFFF", "\xF4\x90\x80\x80", kFffd},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string text = fw::SanitizeUtf8(row.bytes);
        EXPECT_EQ(text, row.text);
        EXPECT_EQ(fw::SanitizeUtf8(text), text);
        EXPECT_EQ(static_cast<std::size_t>(fw::Len(text)), fw::ToUtf32(text).size());
    }
}

// Unicode's simple case mappings, one character for one, whatever the alphabet.
TEST(Text, LetterCase) {
    struct Row {
        const char* name;
        std::string lower;
        std::string upper;
    };
    const Row rows[] = {
        {"ASCII", "window1position", "WINDOW1POSITION"},
        {"accented Greek", "άέήίόύώ", "ΆΈΉΊΌΎΏ"},
        {"Latin Extended-B", "ƀǆ", "ɃǄ"},
        {"Latin Extended Additional", "ạ", "Ạ"},
        {"Cyrillic beyond the basic block", "ґө", "ҐӨ"},
        {"fullwidth", "ａｚ", "ＡＺ"},
        {"Deseret, outside the BMP", "𐐨", "𐐀"},
        {"no case, emoji", "-" + kEmoji + "0", "-" + kEmoji + "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(fw::Uppercase(row.lower), row.upper);
        EXPECT_EQ(fw::Lowercase(row.upper), row.lower);
        EXPECT_TRUE(fw::StrEqual(row.lower, row.upper));
    }
    // One character always stays one character.
    EXPECT_EQ(fw::Uppercase("ßς"), "ßΣ");
    EXPECT_EQ(fw::Uppercase("ǅı"), "ǄI");
    EXPECT_EQ(fw::Lowercase("İ"), "i");
    // Equality folds case rather than comparing upper or lower case.
    EXPECT_TRUE(fw::StrEqual("ς", "Σ"));
    EXPECT_TRUE(fw::StrEqual("ẞ", "ß"));
    EXPECT_TRUE(fw::StrEqual("ſ", "s"));
    EXPECT_TRUE(fw::StrEqual("\u212A", "k"));  // Kelvin sign
    EXPECT_TRUE(fw::StrEqual("\u2126", "ω"));  // ohm sign
    EXPECT_FALSE(fw::StrEqual("ß", "SS"));
    EXPECT_FALSE(fw::StrEqual("Yes", "Yes "));
    EXPECT_FALSE(fw::StrEqual("a", ""));
}

}  // namespace
