#include "platform/runtime/memory.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

bool AllZero(const void* block, std::size_t bytes)
{
    auto* p = static_cast<const unsigned char*>(block);
    for (std::size_t i = 0; i < bytes; ++i)
        if (p[i]) return false;
    return true;
}

TEST(MemoryBlocks, AllocIsZeroFilledAndAligned)
{
    auto* block = static_cast<double*>(MemAlloc(100 * 24));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(MemSize(block), 2400u);
    EXPECT_TRUE(AllZero(block, 2400));
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(double), 0u);
    block[299] = 1.5;
    MemFree(block);
    void* empty = MemAlloc(0);
    EXPECT_NE(empty, nullptr);
    EXPECT_EQ(MemSize(empty), 0u);
    MemFree(empty);
    MemFree(nullptr);
    EXPECT_EQ(MemAlloc(static_cast<std::size_t>(-1)), nullptr);
}

TEST(MemoryBlocks, FailNextFailsOnlyTheNextAllocation)
{
    MemFailNext();
    EXPECT_EQ(MemAlloc(16), nullptr);
    void* second = MemAlloc(16);
    EXPECT_NE(second, nullptr);
    void* third = MemAlloc(16);
    EXPECT_NE(third, nullptr);
    MemFree(second);
    MemFree(third);
}

TEST(MemoryBlocks, ReallocKeepsContentsAndZeroFillsGrowth)
{
    auto* block = static_cast<double*>(MemAlloc(100 * 24));
    for (int i = 0; i < 300; ++i) block[i] = i + 0.25;
    auto* shrunk = static_cast<double*>(MemRealloc(block, 74 * 24));
    ASSERT_NE(shrunk, nullptr);
    EXPECT_EQ(MemSize(shrunk), 1776u);
    for (int i = 0; i < 222; ++i) ASSERT_EQ(shrunk[i], i + 0.25) << i;
    auto* grown = static_cast<double*>(MemRealloc(shrunk, 300 * 24));
    ASSERT_NE(grown, nullptr);
    EXPECT_EQ(grown[221], 221.25);
    EXPECT_TRUE(AllZero(grown + 222, (900 - 222) * sizeof(double)));
    EXPECT_EQ(MemRealloc(grown, 0), nullptr);  // frees
    void* fresh = MemRealloc(nullptr, 8);
    EXPECT_EQ(MemSize(fresh), 8u);
    MemFree(fresh);
}

TEST(MemoryBlocks, FailedReallocLeavesTheOldBlock)
{
    auto* block = static_cast<char*>(MemAlloc(64));
    std::memset(block, 'x', 64);
    MemFailNext();
    EXPECT_EQ(MemRealloc(block, 32), nullptr);
    EXPECT_EQ(MemSize(block), 64u);
    for (int i = 0; i < 64; ++i) ASSERT_EQ(block[i], 'x');
    void* again = MemRealloc(block, 32);  // the switch was used up
    EXPECT_NE(again, nullptr);
    MemFree(again);
}

}  // namespace
