#pragma once

// Random sources and letter-table orders that the codec tests choose themselves.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/Array.h"
#include "platform/base/Random.h"
#include "platform/base/Shuffle.h"

namespace codec_test {

// Gives the listed draws in order, then 9 (which soon ends any insertion).
class ScriptedRandom : public fw::Random {
public:
    explicit ScriptedRandom(std::vector<int> draws) : draws_(std::move(draws)) {}
    int InRange(int min, int max) override {
        EXPECT_EQ(min, 1);
        EXPECT_EQ(max, 9);
        ++used;
        return used <= draws_.size() ? draws_[used - 1] : 9;
    }
    std::size_t used = 0;

private:
    std::vector<int> draws_;
};

// Reproducible draws for comparing two runs.
class SeededRandom : public fw::Random {
public:
    explicit SeededRandom(unsigned seed) : engine_(seed) {}
    int InRange(int min, int max) override {
        ++used;
        return std::uniform_int_distribution<int>(min, max)(engine_);
    }
    std::size_t used = 0;

private:
    std::mt19937 engine_;
};

inline fw::Array<std::string> Alphabet() {
    fw::Array<std::string> letters(25);
    for (int i = 0; i <= 25; ++i) {
        letters(i) = std::string(1, static_cast<char>('A' + i));
    }
    return letters;
}

// Before each shuffle, moves the letters of the next listed block to the front of
// `letters` (in the block's order) and keeps the others in their order.
inline void BringToFront(fw::Array<std::string>& letters, std::vector<std::string> blocks) {
    auto next = std::make_shared<std::size_t>(0);
    fw::SetShuffleSource([&letters, blocks = std::move(blocks), next](std::size_t n) {
        std::vector<std::size_t> order;
        const std::string block = *next < blocks.size() ? blocks[(*next)++] : "";
        for (char c : block) {
            for (std::size_t i = 0; i < n; ++i) {
                if (letters(static_cast<int>(i)) == std::string(1, c)) {
                    order.push_back(i);
                }
            }
        }
        for (std::size_t i = 0; i < n; ++i) {
            if (std::find(order.begin(), order.end(), i) == order.end()) {
                order.push_back(i);
            }
        }
        return order;
    });
}

// A reproducible sequence of permutations.
inline void SeedShuffles(unsigned seed) {
    auto engine = std::make_shared<std::mt19937>(seed);
    fw::SetShuffleSource([engine](std::size_t n) {
        std::vector<std::size_t> order(n);
        std::iota(order.begin(), order.end(), std::size_t{0});
        std::shuffle(order.begin(), order.end(), *engine);
        return order;
    });
}

// Restores the default shuffle source after every test.
class CodecTest : public ::testing::Test {
protected:
    void TearDown() override { fw::SetShuffleSource({}); }
};

}  // namespace codec_test
