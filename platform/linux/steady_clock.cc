#include "platform/linux/steady_clock.h"

#include <errno.h>
#include <time.h>

namespace airvane {

int64_t SteadyClock::NowMs() {
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

void SteadyClock::Sleep(int64_t ms) {
    if (ms <= 0)
        return;
    timespec want{static_cast<time_t>(ms / 1000), static_cast<long>((ms % 1000) * 1000000)};
    timespec rest{};
    while (::nanosleep(&want, &rest) == -1 && errno == EINTR)
        want = rest;
}

}  // namespace airvane
