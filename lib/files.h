// Files and directories: existence tests, drive types, creating directories,
// directory listings, and line reading on file handles with 64-bit positions.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/runtime/directory.h"

// TRUE when the path (one trailing "\" allowed) is an existing directory.
bool IsDir(const std::string& cPath);

// TRUE when the file exists; a name with "*" or "?" is TRUE when any ordinary
// file matches it.
bool FFile(const std::string& cName);

// The drive type (GetDriveTypeA) of the drive that holds the path: of its
// first three characters, or for a network path \\server\share\... of the
// first of \\server\, \\server\share\, ... that the system knows.
UINT GetDriveTypDatei(const std::string& cPath);

// Creates one directory whose parent exists; TRUE when it exists afterwards.
bool DirMakeEx(const std::string& cPath);

// Creates every missing directory of a full path, outermost first; stops with
// FALSE at the first that cannot be created.
bool DirMakePath(const std::string& cPath);

// The listings (ordinary files) of all masks, one after the other; a file matching two masks
// is listed twice.
std::vector<DirEntry> DirectoryA(const std::vector<std::string>& aMasks);

// TRUE when the file pointer stands at the end of the file; the pointer does
// not move. A file that cannot be read also answers TRUE, with the system's
// error code as the runtime's file error.
bool FEofLarge(HANDLE hFile);

// The next line without its line end (CR LF, LF or CR), at most nBuffer bytes
// (0 counts as 256);
// the rest of a longer line comes with the following calls. The file pointer
// then stands after the line end. Sets the runtime's file error: 0, the
// system's error code, or 257 at the end of the file (with an empty text).
std::string FReadLineLarge(HANDLE hFile, DWORD nBuffer = 256);
