#include "calc/koordpuffer.h"

#include <cstring>

#include "platform/runtime/memory.h"

namespace calc {

void* MemRealloc2(void* block, std::size_t bytes)
{
    if (bytes == 0) {
        MemFree(block);
        return nullptr;
    }
    void* smaller = MemAlloc(bytes);
    if (!smaller) return block;
    std::memcpy(smaller, block, bytes);
    MemFree(block);
    return smaller;
}

template <class T>
bool ExplicitBlock<T>::Allocate(std::size_t count)
{
    Free();
    data_ = static_cast<T*>(MemAlloc(count * sizeof(T)));
    count_ = data_ ? count : 0;
    return data_ != nullptr;
}

template <class T>
void ExplicitBlock<T>::Shrink(std::size_t count)
{
    if (!data_ || count >= count_) return;
    void* block = MemRealloc2(data_, count * sizeof(T));
    if (block != data_ || count == 0) count_ = count;
    data_ = static_cast<T*>(block);
}

template <class T>
void ExplicitBlock<T>::Free()
{
    MemFree(data_);
    data_ = nullptr;
    count_ = 0;
}

template class ExplicitBlock<double>;
template class ExplicitBlock<std::uint32_t>;

}  // namespace calc
