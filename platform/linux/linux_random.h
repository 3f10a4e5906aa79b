#pragma once
#include <random>

#include "platform/random.h"

namespace airvane {

// The C library's seed-and-draw contract on a Park-Miller minimal standard generator:
// the same seed always gives the same draws, and an unseeded generator behaves as if
// seeded with 1.
class LinuxRandom : public Random {
public:
    void Seed(uint32_t seed) override;
    int Draw() override;

private:
    std::minstd_rand engine_{1};
};

}  // namespace airvane
