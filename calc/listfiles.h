#pragma once
// Point-list, result and protocol files: text with CR LF line ends.

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace calc {

enum class ReadStatus {
    Ok,
    TooManyLines,       // more than 30,000 non-empty lines
    LineTooLong,        // a line longer than a list can hold; see `badLine`
    TooManyCharacters,  // more text than a list can hold
    Error               // the file cannot be opened or read; see `error`
};

struct ListFile {
    ReadStatus status = ReadStatus::Ok;
    std::uint32_t badLine = 0;  // with LineTooLong: the line of the file, from 1
    std::string text;           // the non-empty lines, each with CR LF
    std::string error;          // the system's text for the failure
};

// Reads a point-list file: whole lines, empty and blank lines dropped, the
// ellipsoid header the program writes (name, two 15-character numbers, an
// empty line) skipped. A line longer than a list can hold refuses the file
// as soon as that length is passed, without reading the line to its end;
// so does the text kept (kMaxListCharacters, line ends included) as soon as
// it passes what a list can hold, without reading on.
// Calls VoEventLoop once per line, so the window stays responsive while a
// long file is read.
ListFile ReadPointListFile(const std::string& path);

// The ellipsoid header of a point-list file.
std::vector<std::string> EllipsoidHeader(const std::string& name, double a, double b);

// Writes the lines, each followed by CR LF, into a new file (an existing one
// is replaced). Every write and the close are checked; after a failure the
// file is removed and `error` holds the system's text, or notCreated when it
// is given and the file cannot be created.
bool WriteLines(const std::string& path, const std::vector<std::string>& header,
                const std::vector<std::string_view>& lines, std::string& error, const std::string& notCreated = "");

// Appends an entry and an empty line to the protocol file. `lastOpening` is
// null until the file has been created in this run (the first entry creates
// it anew), then the handle of its last opening (already closed). A protocol
// that cannot be written is skipped silently.
void AppendProtocol(HANDLE& lastOpening, const std::string& path, const std::string& entry);

// True when both names lead to the same file: full paths, compared without
// regard to case.
bool IsSameFile(const std::string& a, const std::string& b);

}  // namespace calc
