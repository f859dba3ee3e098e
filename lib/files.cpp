#include "lib/files.h"

#include <algorithm>

#include "platform/runtime/files.h"

namespace {

constexpr DWORD kEndOfFile = 257;
constexpr DWORD kDefaultBuffer = 256;

std::string WithoutTrailingBackslash(const std::string& cPath)
{
    if (!cPath.empty() && cPath.back() == '\\') return cPath.substr(0, cPath.size() - 1);
    return cPath;
}

// Moves the file pointer by a negative number of bytes with a 64-bit move.
void MoveBack(HANDLE hFile, LONG nBytes)
{
    LONG high = -1;
    SetFilePointer(hFile, nBytes, &high, FILE_CURRENT);
}

}  // namespace

bool IsDir(const std::string& cPath)
{
    const DWORD attributes = GetFileAttributesA(WithoutTrailingBackslash(cPath).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FFile(const std::string& cName)
{
    if (cName.find_first_of("*?") != std::string::npos) return FFirst(cName);
    return FileExists(cName);
}

UINT GetDriveTypDatei(const std::string& cPath)
{
    if (cPath.empty() || cPath.front() != '\\') return GetDriveTypeA(cPath.substr(0, 3).c_str());
    UINT type = DRIVE_UNKNOWN;
    for (std::size_t i = 3; i < cPath.size() && type <= DRIVE_NO_ROOT_DIR; ++i) {
        if (cPath[i] == '\\') type = GetDriveTypeA(cPath.substr(0, i + 1).c_str());
    }
    return type;
}

bool DirMakeEx(const std::string& cPath)
{
    const std::string path = WithoutTrailingBackslash(cPath);
    if (IsDir(path)) return true;
    return MakeDir(path) == 0 && IsDir(path);
}

bool DirMakePath(const std::string& cPath)
{
    std::string path = WithoutTrailingBackslash(cPath);
    if (IsDir(path)) return true;
    // The path and its parents, innermost first; of a network path only the
    // directories below \\server\share, which cannot be created.
    const bool network = path.starts_with("\\\\");
    const auto isShareOrServer = [network](const std::string& p) {
        return network && std::count(p.begin(), p.end(), '\\') < 4;
    };
    std::vector<std::string> chain;
    for (std::size_t cut = path.rfind('\\'); cut != std::string::npos && cut > 0 && !isShareOrServer(path);
         cut = path.rfind('\\')) {
        chain.push_back(path);
        path.resize(cut);
    }
    if (chain.empty()) return DirMakeEx(path);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        if (!IsDir(*it) && !DirMakeEx(*it)) return false;
    }
    return IsDir(chain.front());
}

std::vector<DirEntry> DirectoryA(const std::vector<std::string>& aMasks)
{
    std::vector<DirEntry> entries;
    for (const auto& mask : aMasks) {
        auto listing = Directory(mask);
        entries.insert(entries.end(), listing.begin(), listing.end());
    }
    return entries;
}

bool FEofLarge(HANDLE hFile)
{
    char byte = 0;
    DWORD got = 0;
    // A file that cannot be read any further counts as ended, so that a
    // reading loop always ends; the file error tells why.
    if (!ReadFile(hFile, &byte, 1, &got, nullptr)) {
        SetFError(GetLastError());
        return true;
    }
    if (got == 0) return true;
    MoveBack(hFile, -1);
    return false;
}

std::string FReadLineLarge(HANDLE hFile, DWORD nBuffer)
{
    if (nBuffer == 0) nBuffer = kDefaultBuffer;
    std::string buffer(nBuffer, '\0');
    DWORD got = 0;
    if (!ReadFile(hFile, buffer.data(), nBuffer, &got, nullptr)) {
        SetFError(GetLastError());
        return {};
    }
    if (got == 0) {
        SetFError(kEndOfFile);
        return {};
    }
    SetFError(0);
    buffer.resize(got);
    const std::size_t end = buffer.find_first_of("\r\n");
    if (end == std::string::npos) return buffer;
    const bool pair = buffer[end] == '\r' && end + 1 < got && buffer[end + 1] == '\n';
    const auto move = static_cast<LONG>(end + 1 + (pair ? 1 : 0)) - static_cast<LONG>(got);
    if (move < 0) MoveBack(hFile, move);
    buffer.resize(end);
    return buffer;
}
