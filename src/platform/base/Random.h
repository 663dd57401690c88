#pragma once

// The framework's random-number generator. Each instance is seeded from the
// operating system. InRange is virtual so that a test can choose the draws.

#include <random>

namespace fw {

class Random {
public:
    Random();
    virtual ~Random() = default;
    Random(const Random&) = delete;
    Random& operator=(const Random&) = delete;

    // An Integer from min to max, both included.
    virtual int InRange(int min, int max);

private:
    std::mt19937 engine_;
};

}  // namespace fw
