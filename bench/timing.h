// Timing for the benchmark executables: the best of several runs on the
// performance counter.
#pragma once

#include <windows.h>

#include <algorithm>
#include <type_traits>

inline double Seconds()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The best of `runs` runs of `work`, in milliseconds. Work that answers a
// logic value reports a failure by FALSE; the result is then -1.
template <typename Work>
double BestMilliseconds(int runs, Work&& work)
{
    double best = 1e30;
    for (int run = 0; run < runs; ++run) {
        const double start = Seconds();
        if constexpr (std::is_same_v<decltype(work()), bool>) {
            if (!work()) return -1.0;
        } else {
            work();
        }
        best = std::min(best, (Seconds() - start) * 1000.0);
    }
    return best;
}
