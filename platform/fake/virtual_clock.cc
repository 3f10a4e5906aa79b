#include "platform/fake/virtual_clock.h"

#include <chrono>

namespace airvane {

int64_t VirtualClock::NowMs() {
    std::lock_guard<std::mutex> lock(mutex_);
    return now_ms_;
}

void VirtualClock::Sleep(int64_t ms) {
    Advance(ms);
}

void VirtualClock::Advance(int64_t ms) {
    if (ms <= 0)
        return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        now_ms_ += ms;
    }
    changed_.notify_all();
}

void VirtualClock::Set(int64_t ms) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        now_ms_ = ms;
    }
    changed_.notify_all();
}

bool VirtualClock::WaitUntil(int64_t ms, int64_t wall_timeout_ms) {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, std::chrono::milliseconds(wall_timeout_ms),
                             [&] { return now_ms_ >= ms; });
}

}  // namespace airvane
