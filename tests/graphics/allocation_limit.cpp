#include "graphics/allocation_limit.h"

#include <cstdlib>
#include <limits>
#include <new>

namespace {

std::size_t gnLimit = std::numeric_limits<std::size_t>::max();

}  // namespace

AllocationLimit::AllocationLimit(std::size_t nBytes)
{
    gnLimit = nBytes;
}

AllocationLimit::~AllocationLimit()
{
    gnLimit = std::numeric_limits<std::size_t>::max();
}

void* operator new(std::size_t nBytes)
{
    if (nBytes <= gnLimit)
        if (void* p = std::malloc(nBytes == 0 ? 1 : nBytes)) return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
