#pragma once
#include <cstdint>

namespace airvane {

// Seed-and-draw generator in the manner of the C library's srand/rand: Draw returns
// 0 .. kMax.
class Random {
public:
    static constexpr int kMax = 32767;
    virtual ~Random() = default;
    virtual void Seed(uint32_t seed) = 0;
    virtual int Draw() = 0;
};

}  // namespace airvane
