#pragma once
#include <mutex>
#include <random>

#include "platform/random.h"

namespace airvane {

// The C library's seed-and-draw contract on a Park-Miller minimal standard generator:
// the same seed always gives the same draws, and an unseeded generator behaves as if
// seeded with 1. The main thread and the authentication session both draw, so every
// call takes a lock.
class LinuxRandom : public Random {
public:
    void Seed(uint32_t seed) override;
    int Draw() override;

private:
    std::mutex mutex_;
    std::minstd_rand engine_{1};
};

}  // namespace airvane
