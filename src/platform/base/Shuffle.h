#pragma once

// The source of the reorderings that Array::Shuffle applies. By default it is a
// generator of its own (ShuffleEngine), seeded from the operating system, that
// reorders the array in place; tests replace the source with one that gives
// whole permutations, to choose the order themselves.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "ShuffleEngine.h"

namespace fw {

// Gives a permutation of 0..n-1: element i of the result is the index whose
// value moves to position i.
using ShuffleSource = std::function<std::vector<std::size_t>(std::size_t n)>;

// Replaces the source; an empty function restores the default generator.
void SetShuffleSource(ShuffleSource source);

// Restores the default generator and seeds it, for runs that must repeat.
void SeedShuffleEngine(std::uint64_t seed);

// True while a replaced source is in force.
bool ShuffleSourceReplaced();

// The replaced source's permutation of 0..n-1, checked to be one, so that a
// wrong source cannot lose or repeat entries.
std::vector<std::size_t> ShufflePermutation(std::size_t n);

// The default generator (one per thread).
ShuffleEngine& DefaultShuffleEngine();

}  // namespace fw
