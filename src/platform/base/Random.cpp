#include "Random.h"

#include <utility>

namespace fw {

Random::Random() : engine_(std::random_device{}()) {}

int Random::InRange(int min, int max) {
    if (max < min) {
        std::swap(min, max);
    }
    return std::uniform_int_distribution<int>(min, max)(engine_);
}

}  // namespace fw
