#pragma once

// The generator behind Array::Shuffle: xoshiro256** (Blackman and Vigna), small,
// fast and of good statistical quality, with unbiased draws below a bound
// (Lemire's multiply-and-reject). Not for secrets: it only reorders the letter
// table. Everything is inline, since a shuffle makes one draw per entry.

#include <cstdint>

namespace fw {

class ShuffleEngine {
public:
    // The state is spread from `seed` with SplitMix64, as xoshiro's authors advise.
    explicit ShuffleEngine(std::uint64_t seed) { Seed(seed); }

    void Seed(std::uint64_t seed) {
        for (std::uint64_t& word : state_) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t Next() {
        const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 45);
        return result;
    }

    // A number from 0 to bound - 1, every one equally likely; bound is 1 to 2^32.
    std::uint32_t Below(std::uint64_t bound) {
        const auto range = static_cast<std::uint32_t>(bound);  // 2^32 becomes 0
        if (range == 0) {
            return static_cast<std::uint32_t>(Next() >> 32);
        }
        std::uint64_t product = (Next() >> 32) * range;
        auto low = static_cast<std::uint32_t>(product);
        if (low < range) {
            const std::uint32_t threshold = (0U - range) % range;
            while (low < threshold) {
                product = (Next() >> 32) * range;
                low = static_cast<std::uint32_t>(product);
            }
        }
        return static_cast<std::uint32_t>(product >> 32);
    }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }

    std::uint64_t state_[4]{};
};

}  // namespace fw
