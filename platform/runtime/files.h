// File functions on the system's file handles. Every function sets the last
// file error (FError): 0 after success, the system error code after failure.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

// Open modes of FOpen: one access value plus at most one sharing value.
constexpr DWORD FO_READ = 0;
constexpr DWORD FO_WRITE = 1;
constexpr DWORD FO_READWRITE = 2;
constexpr DWORD FO_EXCLUSIVE = 16;  // no other opening of the file
constexpr DWORD FO_DENYWRITE = 32;  // others may only read
constexpr DWORD FO_DENYREAD = 48;   // others may only write
constexpr DWORD FO_SHARED = 64;     // others may read and write
// Without a sharing value, others may read and write as with FO_SHARED.

// Origins of FSeek.
constexpr DWORD FS_SET = 0;
constexpr DWORD FS_RELATIVE = 1;
constexpr DWORD FS_END = 2;

// What FCreate and FOpen return when the file cannot be had.
inline const HANDLE F_ERROR = INVALID_HANDLE_VALUE;

// A new empty file for reading and writing; an existing file is emptied.
HANDLE FCreate(const std::string& name);
// An existing file, at its start.
HANDLE FOpen(const std::string& name, DWORD mode = FO_READ);
bool FClose(HANDLE file);
// Writes the file's buffers to the disk.
bool FCommit(HANDLE file);

// Reads up to `count` bytes; returns the number read (0 at the end of the file).
DWORD FRead(HANDLE file, void* buffer, DWORD count);
// Writes the bytes; returns the number written.
DWORD FWrite(HANDLE file, const void* buffer, DWORD count);
DWORD FWrite(HANDLE file, const std::string& text);
// For tests: the next FWrite writes nothing and fails with
// ERROR_WRITE_FAULT, only that one.
void FWriteFailNext();
// Writes the text and CR LF; returns the number of bytes of the text written
// (without the line end).
DWORD FPutS(HANDLE file, const std::string& text);

// The line at the file pointer without its line end (CR LF, LF or a lone
// CR); the file pointer then stands on the first byte after the line end.
// maxLength 0 reads lines of any length; otherwise at most maxLength
// characters come back and the rest of that line is skipped, so a long line
// still counts as one. At the end of the file: an empty text and the file
// error ERROR_HANDLE_EOF.
std::string FReadLine(HANDLE file, std::size_t maxLength = 0);
// As FReadLine, but a line longer than maxLength (greater than 0) is not read
// to its end: FALSE at once, with maxLength + 1 of its characters in `line`
// and the file pointer inside the line.
bool FReadLineUpTo(HANDLE file, std::size_t maxLength, std::string& line);

// TRUE when the file pointer stands at or after the end of the file, and for
// a handle that is no open file (with its error in FError).
bool FEof(HANDLE file);

// Moves the file pointer (64-bit positions); returns the new position, or -1.
std::int64_t FSeek(HANDLE file, std::int64_t offset, DWORD origin = FS_SET);

// The last file error, and setting it (for readers built on the system calls).
DWORD FError();
void SetFError(DWORD code);

// The system's text for an error code, without its line end; "Error <code>"
// when the system has none.
std::string DosErrString(DWORD code);

// TRUE when a file (not a directory) of that name exists.
bool FileExists(const std::string& name);

// The directory that holds the program's executable, with its trailing "\".
std::string ProgramDir();
