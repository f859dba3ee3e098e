#include "platform/runtime/files.h"

#include <algorithm>
#include <atomic>

namespace {

thread_local DWORD gFileError = 0;
std::atomic<bool> gWriteFailNext{false};

// Records the outcome of a system call as the last file error.
template <typename T>
T Done(T result, bool ok)
{
    gFileError = ok ? 0 : GetLastError();
    return result;
}

DWORD ShareMode(DWORD mode)
{
    switch (mode & 0x70) {
    case FO_EXCLUSIVE: return 0;
    case FO_DENYWRITE: return FILE_SHARE_READ;
    case FO_DENYREAD: return FILE_SHARE_WRITE;
    default: return FILE_SHARE_READ | FILE_SHARE_WRITE;
    }
}

DWORD Access(DWORD mode)
{
    switch (mode & 3) {
    case FO_WRITE: return GENERIC_WRITE;
    case FO_READWRITE: return GENERIC_READ | GENERIC_WRITE;
    default: return GENERIC_READ;
    }
}

}  // namespace

HANDLE FCreate(const std::string& name)
{
    HANDLE h = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return Done(h, h != INVALID_HANDLE_VALUE);
}

HANDLE FOpen(const std::string& name, DWORD mode)
{
    HANDLE h = CreateFileA(name.c_str(), Access(mode), ShareMode(mode), nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    return Done(h, h != INVALID_HANDLE_VALUE);
}

bool FClose(HANDLE file)
{
    // The error handle is the system's pseudo handle of the process, which
    // CloseHandle would accept.
    bool ok = file != F_ERROR && CloseHandle(file);
    if (file == F_ERROR) SetLastError(ERROR_INVALID_HANDLE);
    return Done(ok, ok);
}

bool FCommit(HANDLE file)
{
    bool ok = FlushFileBuffers(file);
    return Done(ok, ok);
}

DWORD FRead(HANDLE file, void* buffer, DWORD count)
{
    DWORD read = 0;
    bool ok = ReadFile(file, buffer, count, &read, nullptr);
    return Done(read, ok);
}

DWORD FWrite(HANDLE file, const void* buffer, DWORD count)
{
    DWORD written = 0;
    if (gWriteFailNext.exchange(false))
        gFileError = ERROR_WRITE_FAULT;
    else if (!WriteFile(file, buffer, count, &written, nullptr))
        gFileError = GetLastError();
    else
        gFileError = written == count ? 0 : ERROR_DISK_FULL;
    return written;
}

void FWriteFailNext()
{
    gWriteFailNext = true;
}

DWORD FWrite(HANDLE file, const std::string& text)
{
    return FWrite(file, text.data(), static_cast<DWORD>(text.size()));
}

DWORD FPutS(HANDLE file, const std::string& text)
{
    DWORD written = FWrite(file, text);
    if (written == text.size()) FWrite(file, "\r\n", 2);
    return written;
}

namespace {

// The line at the file pointer. Of a line longer than maxLength (0: any
// length) maxLength characters are kept and the rest is skipped, or, with
// `stopWhenLonger`, maxLength + 1 characters are kept and the rest is left
// unread.
std::string ReadLine(HANDLE file, std::size_t maxLength, bool stopWhenLonger)
{
    const std::size_t keep = maxLength == 0 ? std::string::npos : maxLength + (stopWhenLonger ? 1 : 0);
    std::string line;
    char chunk[512];
    for (bool first = true;; first = false) {
        DWORD n = FRead(file, chunk, sizeof chunk);
        if (gFileError != 0) return line;
        if (n == 0) {
            if (first) gFileError = ERROR_HANDLE_EOF;
            return line;
        }
        const char* end = std::find_if(chunk, chunk + n, [](char c) { return c == '\r' || c == '\n'; });
        std::size_t take = end - chunk;
        if (line.size() < keep) line.append(chunk, std::min(take, keep - line.size()));
        if (stopWhenLonger && line.size() > maxLength) return line;
        if (end == chunk + n) continue;
        // Skip the line end: CR LF counts as one; a CR at the end of the chunk
        // looks at the next byte.
        std::size_t next = take + 1;
        if (*end == '\r') {
            if (next < n) {
                if (chunk[next] == '\n') ++next;
            } else {
                char c;
                if (FRead(file, &c, 1) == 1 && c != '\n') FSeek(file, -1, FS_RELATIVE);
                gFileError = 0;
                return line;
            }
        }
        FSeek(file, static_cast<std::int64_t>(next) - n, FS_RELATIVE);
        return line;
    }
}

}  // namespace

std::string FReadLine(HANDLE file, std::size_t maxLength)
{
    return ReadLine(file, maxLength, false);
}

bool FReadLineUpTo(HANDLE file, std::size_t maxLength, std::string& line)
{
    line = ReadLine(file, maxLength, true);
    return line.size() <= maxLength;
}

bool FEof(HANDLE file)
{
    LARGE_INTEGER pos{}, size{};
    LARGE_INTEGER zero{};
    bool ok = SetFilePointerEx(file, zero, &pos, FILE_CURRENT) && GetFileSizeEx(file, &size);
    // A file that cannot be asked has nothing more to read, so reading loops end.
    return Done(!ok || pos.QuadPart >= size.QuadPart, ok);
}

std::int64_t FSeek(HANDLE file, std::int64_t offset, DWORD origin)
{
    LARGE_INTEGER move{}, pos{};
    move.QuadPart = offset;
    DWORD method = origin == FS_END ? FILE_END : origin == FS_RELATIVE ? FILE_CURRENT : FILE_BEGIN;
    bool ok = SetFilePointerEx(file, move, &pos, method);
    return Done(ok ? pos.QuadPart : -1, ok);
}

DWORD FError()
{
    return gFileError;
}
void SetFError(DWORD code)
{
    gFileError = code;
}

std::string DosErrString(DWORD code)
{
    char* text = nullptr;
    DWORD n =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result(text ? text : "", n);
    if (text) LocalFree(text);
    result.erase(result.find_last_not_of(" \r\n") + 1);
    return result.empty() ? "Error " + std::to_string(code) : result;
}

bool FileExists(const std::string& name)
{
    DWORD attributes = GetFileAttributesA(name.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ProgramDir()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of("\\/") + 1);
}
