#pragma once
// A limit on the size of a single allocation through operator new, for the
// tests of what a figure does when its buffers cannot be had. The test
// executable that includes this replaces the global operator new (see
// allocation_limit.cpp); without a limit in force it allocates as usual.
#include <cstddef>

class AllocationLimit {
public:
    // Allocations of more than nBytes fail while the object lives.
    explicit AllocationLimit(std::size_t nBytes);
    ~AllocationLimit();
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;
};
