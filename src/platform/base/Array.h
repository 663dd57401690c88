#pragma once

// The framework's array: created with an upper bound, indexed from 0, growing by
// Append and Insert. Shuffle() is its argument-free reordering operation: a random
// permutation drawn from the shuffle source (Shuffle.h), never from a Random.

#include <string>
#include <utility>
#include <vector>

#include "Exceptions.h"
#include "Shuffle.h"

namespace fw {

template <typename T>
class Array {
public:
    // An array with indexes 0 to upperBound, each a default T; -1 gives an empty one.
    explicit Array(int upperBound = -1) : items_(upperBound < 0 ? 0 : upperBound + 1) {}

    [[nodiscard]] int Ubound() const { return static_cast<int>(items_.size()) - 1; }

    T& operator()(int index) { return items_.at(Checked(index)); }
    const T& operator()(int index) const { return items_.at(Checked(index)); }

    void Append(T value) { items_.push_back(std::move(value)); }

    // Inserts before `index`; Ubound() + 1 appends.
    void Insert(int index, T value) {
        if (index < 0 || index > static_cast<int>(items_.size())) {
            throw OutOfBoundsException("Array index " + std::to_string(index) +
                                       " is out of bounds.");
        }
        items_.insert(items_.begin() + index, std::move(value));
    }

    void Shuffle() {
        const std::vector<std::size_t> order = ShufflePermutation(items_.size());
        std::vector<T> shuffled;
        shuffled.reserve(items_.size());
        for (std::size_t from : order) {
            shuffled.push_back(std::move(items_[from]));
        }
        items_ = std::move(shuffled);
    }

    [[nodiscard]] const std::vector<T>& Items() const { return items_; }

private:
    [[nodiscard]] std::size_t Checked(int index) const {
        if (index < 0 || index >= static_cast<int>(items_.size())) {
            throw OutOfBoundsException("Array index " + std::to_string(index) +
                                       " is out of bounds.");
        }
        return static_cast<std::size_t>(index);
    }

    std::vector<T> items_;
};

}  // namespace fw
