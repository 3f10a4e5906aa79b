#pragma once
#include <condition_variable>
#include <cstdint>
#include <mutex>

#include "platform/clock.h"

namespace airvane {

// The clock of tests. Time stands still until someone sleeps or the test advances it;
// Sleep advances the time by its duration at once, so waits of any length finish
// immediately. Safe to use from several threads.
class VirtualClock : public Clock {
public:
    explicit VirtualClock(int64_t start_ms = 0) : now_ms_(start_ms) {}
    int64_t NowMs() override;
    void Sleep(int64_t ms) override;
    // Moves time forward (never back); used by tests and the headless timer loop.
    void Advance(int64_t ms);
    // Jumps to an absolute time, forward or back (a clock that jumps).
    void Set(int64_t ms);
    // Blocks the calling thread until the time reaches at least ms or timeout_ms of
    // wall time pass; true when reached.
    bool WaitUntil(int64_t ms, int64_t wall_timeout_ms);

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    int64_t now_ms_;
};

}  // namespace airvane
