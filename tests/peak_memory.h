#pragma once
// The most memory the process has held at once (its peak working set, which
// Wine keeps too), for tests that a large file is neither read nor held
// whole. Link psapi.
#include <gtest/gtest.h>
#include <windows.h>
#include <psapi.h>

inline SIZE_T PeakMemory()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    EXPECT_TRUE(GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters));
    return counters.PeakWorkingSetSize;
}
