#include "Shuffle.h"

#include <random>
#include <stdexcept>
#include <utility>

namespace fw {

namespace {

ShuffleSource& CurrentSource() {
    static ShuffleSource source;
    return source;
}

std::uint64_t SystemSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) ^ device();
}

}  // namespace

ShuffleEngine& DefaultShuffleEngine() {
    thread_local ShuffleEngine engine(SystemSeed());
    return engine;
}

bool ShuffleSourceReplaced() {
    return static_cast<bool>(CurrentSource());
}

std::vector<std::size_t> ShufflePermutation(std::size_t n) {
    if (!CurrentSource()) {
        throw std::logic_error("no shuffle source is set");
    }
    std::vector<std::size_t> order = CurrentSource()(n);
    std::vector<bool> seen(n, false);
    if (order.size() != n) {
        throw std::logic_error("shuffle source gave a permutation of the wrong size");
    }
    for (std::size_t i : order) {
        if (i >= n || seen[i]) {
            throw std::logic_error("shuffle source gave no permutation");
        }
        seen[i] = true;
    }
    return order;
}

void SetShuffleSource(ShuffleSource source) {
    CurrentSource() = std::move(source);
}

void SeedShuffleEngine(std::uint64_t seed) {
    CurrentSource() = nullptr;
    DefaultShuffleEngine().Seed(seed);
}

}  // namespace fw
