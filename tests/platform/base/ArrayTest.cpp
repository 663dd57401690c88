#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/base/Array.h"
#include "platform/base/Shuffle.h"

namespace {

class ArrayTest : public ::testing::Test {
protected:
    void TearDown() override { fw::SetShuffleSource({}); }
};

TEST_F(ArrayTest, InsertAppendAndReplacedShuffleKeepTheOrder) {
    fw::Array<std::string> array(1);
    array(0) = "b";
    array(1) = "d";
    array.Insert(0, "a");
    array.Insert(2, "c");
    array.Append("e");
    EXPECT_EQ(array.Ubound(), 4);
    EXPECT_EQ(array.Items(), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_THROW(array(5), fw::OutOfBoundsException);
    EXPECT_THROW(array.Insert(6, "x"), fw::OutOfBoundsException);

    fw::SetShuffleSource([](std::size_t) { return std::vector<std::size_t>{4, 0, 3, 1, 2}; });
    array.Shuffle();
    EXPECT_EQ(array.Items(), (std::vector<std::string>{"e", "a", "d", "b", "c"}));
    array.Insert(1, "x");
    EXPECT_EQ(array(0), "e");
    EXPECT_EQ(array(1), "x");
    EXPECT_EQ(array(2), "a");

    // A source that gives no permutation is refused, and nothing moves.
    const std::vector<std::size_t> wrong[] = {
        {0, 1, 2, 3, 4}, {0, 1, 2, 3, 4, 4}, {0, 1, 2, 3, 4, 6}};
    for (const auto& order : wrong) {
        fw::SetShuffleSource([&order](std::size_t) { return order; });
        EXPECT_THROW(array.Shuffle(), std::logic_error);
        EXPECT_EQ(array.Items(), (std::vector<std::string>{"e", "x", "a", "d", "b", "c"}));
    }
}

// From the same starting order, every letter is about equally likely at the front,
// the letter that was there before included; and nothing is lost or repeated.
TEST_F(ArrayTest, DefaultShuffleIsUniform) {
    fw::SeedShuffleEngine(20261207);
    constexpr int kTrials = 26000;
    std::vector<int> atFront(26, 0);
    std::vector<std::string> alphabet;
    for (char c = 'A'; c <= 'Z'; ++c) {
        alphabet.emplace_back(1, c);
    }
    for (int trial = 0; trial < kTrials; ++trial) {
        fw::Array<std::string> letters(25);
        for (int i = 0; i <= 25; ++i) {
            letters(i) = alphabet[static_cast<std::size_t>(i)];
        }
        letters.Shuffle();
        ++atFront[static_cast<std::size_t>(letters(0)[0] - 'A')];
        if (trial == 0) {
            std::vector<std::string> sorted = letters.Items();
            std::sort(sorted.begin(), sorted.end());
            EXPECT_EQ(sorted, alphabet);
        }
    }
    for (int letter = 0; letter < 26; ++letter) {
        SCOPED_TRACE(std::string(1, static_cast<char>('A' + letter)));
        EXPECT_GT(atFront[static_cast<std::size_t>(letter)], 850);
        EXPECT_LT(atFront[static_cast<std::size_t>(letter)], 1150);
    }
}

}  // namespace
