#include "platform/linux/linux_random.h"

namespace airvane {

void LinuxRandom::Seed(uint32_t seed) {
    std::lock_guard<std::mutex> lock(mutex_);
    engine_.seed(seed);
}

int LinuxRandom::Draw() {
    std::lock_guard<std::mutex> lock(mutex_);
    // The generator's values lie below 2^31; its high bits are the well-mixed ones, so
    // the 15 bits of a draw come from there rather than from the weak low bits.
    return static_cast<int>((engine_() >> 16) & kMax);
}

}  // namespace airvane
