#include "platform/runtime/memory.h"

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace {

// Each block starts with a header holding its size; the header keeps the
// caller's part aligned for doubles.
struct alignas(16) Header {
    std::size_t size;
};

std::atomic<bool> gFailNext{false};

Header* HeaderOf(const void* block)
{
    return const_cast<Header*>(static_cast<const Header*>(block) - 1);
}

}  // namespace

void* MemAlloc(std::size_t bytes)
{
    if (gFailNext.exchange(false)) return nullptr;
    if (bytes > static_cast<std::size_t>(-1) - sizeof(Header)) return nullptr;
    auto* header = static_cast<Header*>(std::calloc(1, sizeof(Header) + bytes));
    if (!header) return nullptr;
    header->size = bytes;
    return header + 1;
}

void MemFree(void* block)
{
    if (block) std::free(HeaderOf(block));
}

void* MemRealloc(void* block, std::size_t bytes)
{
    if (bytes == 0) {
        MemFree(block);
        return nullptr;
    }
    void* fresh = MemAlloc(bytes);
    if (!fresh || !block) return fresh;
    std::size_t old = MemSize(block);
    std::memcpy(fresh, block, old < bytes ? old : bytes);
    MemFree(block);
    return fresh;
}

std::size_t MemSize(const void* block)
{
    return block ? HeaderOf(block)->size : 0;
}

void MemFailNext()
{
    gFailNext = true;
}
