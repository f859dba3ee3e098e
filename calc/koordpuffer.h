#pragma once
// Point buffers: explicit memory blocks of point triples (REAL8), point k
// (from 1) at the elements 3(k-1) .. 3(k-1)+2.

#include <cstddef>
#include <cstdint>

namespace calc {

// The block shrunk to `bytes` bytes (not more than it has): 0 frees it and
// gives nullptr; when the new block cannot be had, the old one comes back
// unchanged.
void* MemRealloc2(void* block, std::size_t bytes);

// An explicit block of `T` values, freed exactly once when its owner ends.
template <class T>
class ExplicitBlock {
public:
    ExplicitBlock() = default;
    ~ExplicitBlock() { Free(); }
    ExplicitBlock(const ExplicitBlock&) = delete;
    ExplicitBlock& operator=(const ExplicitBlock&) = delete;
    ExplicitBlock(ExplicitBlock&& other) noexcept { Swap(other); }
    ExplicitBlock& operator=(ExplicitBlock&& other) noexcept
    {
        Swap(other);
        return *this;
    }

    // A new block of `count` values; false when the memory cannot be had.
    bool Allocate(std::size_t count);
    // Shrinks to `count` values (see MemRealloc2); 0 frees the block.
    void Shrink(std::size_t count);
    void Free();

    T* Data() const { return data_; }
    std::size_t Count() const { return count_; }
    bool IsAllocated() const { return data_ != nullptr; }
    void Swap(ExplicitBlock& other) noexcept
    {
        T* data = data_;
        data_ = other.data_;
        other.data_ = data;
        std::size_t count = count_;
        count_ = other.count_;
        other.count_ = count;
    }

private:
    T* data_ = nullptr;
    std::size_t count_ = 0;
};

// A buffer of point triples: Count() is the number of doubles (3 per point).
using KoordPuffer = ExplicitBlock<double>;

extern template class ExplicitBlock<double>;
extern template class ExplicitBlock<std::uint32_t>;

}  // namespace calc
