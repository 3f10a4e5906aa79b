#pragma once
#include "platform/clock.h"

namespace airvane {

// Monotonic milliseconds since an arbitrary start; Sleep with nanosleep, resumed after
// signals so a wait is never cut short.
class SteadyClock : public Clock {
public:
    int64_t NowMs() override;
    void Sleep(int64_t ms) override;
};

}  // namespace airvane
