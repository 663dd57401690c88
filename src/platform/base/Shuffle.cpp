#include "Shuffle.h"

#include <algorithm>
#include <numeric>
#include <random>
#include <stdexcept>

namespace fw {

namespace {

ShuffleSource& CurrentSource() {
    static ShuffleSource source;
    return source;
}

std::vector<std::size_t> RandomPermutation(std::size_t n) {
    static std::mt19937 engine{std::random_device{}()};
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::shuffle(order.begin(), order.end(), engine);
    return order;
}

}  // namespace

std::vector<std::size_t> ShufflePermutation(std::size_t n) {
    if (!CurrentSource()) {
        return RandomPermutation(n);
    }
    // A replaced source is checked, so that a wrong one cannot lose or repeat entries.
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

}  // namespace fw
