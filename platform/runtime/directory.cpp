#include "platform/runtime/directory.h"

#include "platform/runtime/files.h"
#include "platform/runtime/numtext.h"

namespace {

// Calls `take` for each listed entry until it returns false.
template <typename Take>
void List(const std::string& mask, DWORD attributes, Take take)
{
    const DWORD optional = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(mask.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        std::string name = found.cFileName;
        if (name == "." || name == "..") continue;
        if (found.dwFileAttributes & optional & ~attributes) continue;
        if (!take(found)) break;
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

DirEntry EntryOf(const WIN32_FIND_DATAA& found)
{
    DirEntry entry;
    entry.name = found.cFileName;
    entry.size = (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    entry.attributes = found.dwFileAttributes;
    FILETIME local;
    SYSTEMTIME t;
    if (FileTimeToLocalFileTime(&found.ftLastWriteTime, &local) && FileTimeToSystemTime(&local, &t)) {
        entry.date = StrZero(t.wYear, 4, 0) + StrZero(t.wMonth, 2, 0) + StrZero(t.wDay, 2, 0);
        entry.time = StrZero(t.wHour, 2, 0) + ":" + StrZero(t.wMinute, 2, 0) + ":" + StrZero(t.wSecond, 2, 0);
    }
    return entry;
}

}  // namespace

std::vector<DirEntry> Directory(const std::string& mask, DWORD attributes)
{
    std::vector<DirEntry> entries;
    List(mask, attributes, [&](const WIN32_FIND_DATAA& found) {
        entries.push_back(EntryOf(found));
        return true;
    });
    return entries;
}

bool FFirst(const std::string& mask, DWORD attributes)
{
    bool any = false;
    List(mask, attributes, [&](const WIN32_FIND_DATAA&) { return !(any = true); });
    return any;
}

DWORD MakeDir(const std::string& path)
{
    return CreateDirectoryA(path.c_str(), nullptr) ? 0 : GetLastError();
}

bool FErase(const std::string& name)
{
    bool ok = DeleteFileA(name.c_str());
    SetFError(ok ? 0 : GetLastError());
    return ok;
}

bool FCopy(const std::string& source, const std::string& target)
{
    bool ok = CopyFileA(source.c_str(), target.c_str(), FALSE);
    SetFError(ok ? 0 : GetLastError());
    return ok;
}
