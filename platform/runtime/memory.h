// Explicit memory blocks for the large numeric buffers. Everything else lives
// in ordinary C++ objects.
#pragma once

#include <cstddef>

// A new zero-filled block of `bytes` bytes (a block of 0 bytes is a valid
// block too); nullptr when the memory cannot be had.
void* MemAlloc(std::size_t bytes);

// Frees a block of MemAlloc or MemRealloc; nullptr is ignored.
void MemFree(void* block);

// The block brought to `bytes` bytes: the first min(old, new) bytes are kept,
// new bytes are zero. nullptr as block allocates; 0 bytes frees the block and
// returns nullptr. On failure nullptr comes back and the old block stays
// valid and unchanged.
void* MemRealloc(void* block, std::size_t bytes);

// The size in bytes of a block (0 for nullptr).
std::size_t MemSize(const void* block);

// For tests: the next allocation (MemAlloc, or the growing or shrinking of
// MemRealloc) fails, only that one.
void MemFailNext();
