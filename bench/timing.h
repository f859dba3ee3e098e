// Timing for the benchmark executables: the best of several runs on the
// performance counter, and the best and median of a series against a floor.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <type_traits>
#include <vector>

inline double CounterSeconds()
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
        const double start = CounterSeconds();
        if constexpr (std::is_same_v<decltype(work()), bool>) {
            if (!work()) return -1.0;
        } else {
            work();
        }
        best = std::min(best, (CounterSeconds() - start) * 1000.0);
    }
    return best;
}

// Microseconds per call of fn(i), i = 0 .. nCount - 1.
template <typename Fn>
double MicrosPerOp(Fn&& fn, int nCount)
{
    const double start = CounterSeconds();
    for (int i = 0; i < nCount; ++i) fn(i);
    return (CounterSeconds() - start) * 1e6 / nCount;
}

// The best and the median of a series of figures.
struct Figure {
    explicit Figure(std::vector<double> a)
    {
        std::sort(a.begin(), a.end());
        fBest = a.front();
        fMedian = a[a.size() / 2];
    }
    double fBest;
    double fMedian;
};

// One line: the figure in milliseconds and its ratios to the floor's.
inline void Report(const char* cWhat, const Figure& oFigure, const Figure& oFloor)
{
    std::printf("%-42s best %7.2f ms  median %7.2f ms  ratio to the floor %.2f (median %.2f)\n", cWhat, oFigure.fBest,
                oFigure.fMedian, oFigure.fBest / oFloor.fBest, oFigure.fMedian / oFloor.fMedian);
}
