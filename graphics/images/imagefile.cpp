#include "graphics/images/imagefile.h"

#include <windows.h>

#include "platform/runtime/directory.h"
#include "platform/runtime/files.h"

namespace images {

namespace {

// The folder part of a path ("." for a bare name), where the temporary file
// goes so that the replacement stays on one drive.
std::string FolderOf(const std::string& cFile)
{
    const std::size_t nSlash = cFile.find_last_of("\\/");
    if (nSlash == std::string::npos) return ".";
    if (nSlash == 0) return cFile.substr(0, 1);
    return cFile.substr(0, nSlash);
}

}  // namespace

bool WriteWholeFile(const std::string& cFile, std::initializer_list<FilePiece> aPieces)
{
    if (cFile.empty()) return false;
    char cTemp[MAX_PATH];
    if (GetTempFileNameA(FolderOf(cFile).c_str(), "mdx", 0, cTemp) == 0) return false;
    HANDLE hFile = FCreate(cTemp);
    bool lOk = hFile != F_ERROR;
    for (const FilePiece& oPiece : aPieces) {
        if (!lOk) break;
        const auto* pBytes = static_cast<const char*>(oPiece.pData);
        std::size_t nLeft = oPiece.nBytes;
        while (lOk && nLeft > 0) {
            const DWORD nChunk = nLeft > 0x40000000 ? 0x40000000 : static_cast<DWORD>(nLeft);
            lOk = FWrite(hFile, pBytes, nChunk) == nChunk;
            pBytes += nChunk;
            nLeft -= nChunk;
        }
    }
    if (hFile != F_ERROR && !FClose(hFile)) lOk = false;
    if (lOk) lOk = MoveFileExA(cTemp, cFile.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
    if (!lOk) FErase(cTemp);
    return lOk;
}

}  // namespace images
