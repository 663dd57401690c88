#pragma once

// The source of the permutations that Array::Shuffle applies. By default it is a
// generator of its own, seeded from the operating system; tests replace it to
// choose the order themselves.

#include <cstddef>
#include <functional>
#include <vector>

namespace fw {

// Gives a permutation of 0..n-1: element i of the result is the index whose
// value moves to position i.
using ShuffleSource = std::function<std::vector<std::size_t>(std::size_t n)>;

std::vector<std::size_t> ShufflePermutation(std::size_t n);

// Replaces the source; an empty function restores the default.
void SetShuffleSource(ShuffleSource source);

}  // namespace fw
