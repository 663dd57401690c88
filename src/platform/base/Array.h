#pragma once

// The framework's array: created with an upper bound, indexed from 0, growing by
// Append and Insert. Shuffle() is its argument-free reordering operation: a random
// reordering from the shuffle source (Shuffle.h), never from a Random.

#include <cstddef>
#include <numeric>
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
    explicit Array(int upperBound = -1)
        : items_(upperBound < 0 ? 0 : upperBound + 1), order_(items_.size()) {
        std::iota(order_.begin(), order_.end(), std::size_t{0});
    }

    [[nodiscard]] int Ubound() const { return static_cast<int>(order_.size()) - 1; }

    T& operator()(int index) { return items_[order_[Checked(index)]]; }
    const T& operator()(int index) const { return items_[order_[Checked(index)]]; }

    void Append(T value) { Insert(Ubound() + 1, std::move(value)); }

    // Inserts before `index`; Ubound() + 1 appends.
    void Insert(int index, T value) {
        if (index < 0 || index > static_cast<int>(order_.size())) {
            throw OutOfBoundsException("Array index " + std::to_string(index) +
                                       " is out of bounds.");
        }
        order_.insert(order_.begin() + index, items_.size());
        items_.push_back(std::move(value));
    }

    // Fisher-Yates with the default generator, or the replaced source's permutation.
    void Shuffle() {
        if (ShuffleSourceReplaced()) {
            const std::vector<std::size_t> permutation = ShufflePermutation(order_.size());
            std::vector<std::size_t> order;
            order.reserve(order_.size());
            for (std::size_t from : permutation) {
                order.push_back(order_[from]);
            }
            order_ = std::move(order);
            return;
        }
        // A local copy of the generator stays in registers while the indexes move.
        ShuffleEngine engine = DefaultShuffleEngine();
        for (std::size_t i = order_.size(); i > 1; --i) {
            std::swap(order_[i - 1], order_[engine.Below(i)]);
        }
        DefaultShuffleEngine() = engine;
    }

    // The entries in the array's order.
    [[nodiscard]] std::vector<T> Items() const {
        std::vector<T> items;
        items.reserve(order_.size());
        for (std::size_t at : order_) {
            items.push_back(items_[at]);
        }
        return items;
    }

private:
    [[nodiscard]] std::size_t Checked(int index) const {
        if (index < 0 || index >= static_cast<int>(order_.size())) {
            throw OutOfBoundsException("Array index " + std::to_string(index) +
                                       " is out of bounds.");
        }
        return static_cast<std::size_t>(index);
    }

    // Entries stay where they were stored; order_ holds their storage places in
    // the array's order, so a reordering moves small indexes, not the entries.
    std::vector<T> items_;
    std::vector<std::size_t> order_;
};

}  // namespace fw
