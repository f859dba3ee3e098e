// Directory listings and whole-file operations.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// Attributes of a listing: ordinary files are always listed; these add
// hidden files, system files and directories.
constexpr DWORD FA_HIDDEN = 2;
constexpr DWORD FA_SYSTEM = 4;
constexpr DWORD FA_DIRECTORY = 16;

struct DirEntry {
    std::string name;        // without the path
    std::uint64_t size = 0;  // bytes
    std::string date;        // last write, local time, "YYYYMMDD" (sorts as it compares)
    std::string time;        // last write, local time, "hh:mm:ss"
    DWORD attributes = 0;    // the system's file attributes
};

// The entries that match a mask such as "c:\data\*.pts", in the system's
// order; "." and ".." are never listed.
std::vector<DirEntry> Directory(const std::string& mask, DWORD attributes = 0);

// TRUE when the listing of the mask would have an entry.
bool FFirst(const std::string& mask, DWORD attributes = 0);

// Creates one directory whose parent exists; 0 on success, else the system
// error code.
DWORD MakeDir(const std::string& path);

// Deletes a file; copies a file, overwriting an existing target. Both set the
// last file error (FError).
bool FErase(const std::string& name);
bool FCopy(const std::string& source, const std::string& target);
