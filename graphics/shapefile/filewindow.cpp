#include "graphics/shapefile/filewindow.h"

#include <algorithm>
#include <limits>
#include <new>

#include "platform/runtime/files.h"

namespace shapefile {

const uint8_t* FileWindow::Bytes(uint64_t nPos, uint64_t nCount, uint64_t nReach, uint64_t& nGot)
{
    if (Holds(nPos, nCount)) {
        nGot = nCount;
        return buffer_.data() + (nPos - nStart_);
    }
    nGot = 0;
    nStart_ = nPos;
    nLength_ = 0;
    if (nPos >= nFileSize_) return buffer_.data();
    const uint64_t nWant = std::min(std::max(nCount, nReach), nFileSize_ - nPos);
    if (nWant > std::numeric_limits<std::size_t>::max()) return buffer_.data();
    try {
        if (buffer_.size() < nWant) buffer_.resize(static_cast<std::size_t>(nWant));
    } catch (const std::bad_alloc&) {
        return buffer_.data();
    }
    if (FSeek(hFile_, static_cast<int64_t>(nPos)) != static_cast<int64_t>(nPos)) return buffer_.data();
    while (nLength_ < nWant) {
        const DWORD nChunk = static_cast<DWORD>(std::min<uint64_t>(nWant - nLength_, 1U << 30));
        const DWORD nRead = FRead(hFile_, buffer_.data() + nLength_, nChunk);
        if (nRead == 0) break;
        nLength_ += nRead;
    }
    nGot = std::min(nCount, nLength_);
    return buffer_.data();
}

}  // namespace shapefile
