#pragma once
// A read-only window onto a file: the bytes asked for come from one buffer,
// which is refilled from the asked position with one seek and one read when
// they are not in it. The passes over a shapefile read through it in file
// order, so a whole run of records costs one system call.
#include <windows.h>

#include <cstdint>
#include <vector>

namespace shapefile {

class FileWindow {
public:
    // nFileSize: the file's real size, which bounds every read.
    FileWindow(HANDLE hFile, uint64_t nFileSize) : hFile_(hFile), nFileSize_(nFileSize) {}

    // TRUE when the bytes nPos .. nPos + nCount - 1 are in the buffer.
    bool Holds(uint64_t nPos, uint64_t nCount) const { return nPos >= nStart_ && nPos - nStart_ + nCount <= nLength_; }
    // The bytes nPos .. nPos + nCount - 1, or as many of them as the file
    // holds (nGot; fewer than nCount only at the end of the file, when the
    // system read fails or when no buffer of that size can be had). When they are not in the buffer, it is refilled
    // from nPos with nReach bytes (at least nCount, at most to the file's
    // end). Valid until the next call.
    const uint8_t* Bytes(uint64_t nPos, uint64_t nCount, uint64_t nReach, uint64_t& nGot);

private:
    HANDLE hFile_;
    uint64_t nFileSize_;
    std::vector<uint8_t> buffer_;
    uint64_t nStart_ = 0;
    uint64_t nLength_ = 0;
};

}  // namespace shapefile
