// The one clock every measurement reads: monotonic, in milliseconds.
#pragma once

#include <ctime>

namespace bench {

inline double now_ms() {
    timespec time{};
    clock_gettime(CLOCK_MONOTONIC, &time);
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_nsec) / 1e6;
}

} // namespace bench
