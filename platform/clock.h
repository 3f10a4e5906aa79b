#pragma once
#include <cstdint>

namespace airvane {

// Time in milliseconds and waiting. Every sleep and timer of the program goes through
// this, so tests run on a virtual clock and finish at once.
class Clock {
public:
    virtual ~Clock() = default;
    virtual int64_t NowMs() = 0;
    virtual void Sleep(int64_t ms) = 0;
};

}  // namespace airvane
