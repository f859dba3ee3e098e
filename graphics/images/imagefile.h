#pragma once
// Whole-file writing for the picture writers: a picture file is written only
// once its content is complete, into a temporary file beside it that then
// replaces it, so that a failed save never leaves a partial file behind and
// never destroys the file it was to replace.
#include <cstddef>
#include <initializer_list>
#include <string>

namespace images {

// A piece of a file's content.
struct FilePiece {
    const void* pData;
    std::size_t nBytes;
};

// Writes the pieces in order as the new content of cFile; true when every
// write, the close and the replacement succeeded. On false cFile is as it was
// and no temporary file remains.
bool WriteWholeFile(const std::string& cFile, std::initializer_list<FilePiece> aPieces);

}  // namespace images
