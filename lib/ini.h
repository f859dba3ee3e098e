// Access to INI-syntax files: the settings file meridoxa.ini and, for reading,
// the language files.
#pragma once

#include <map>
#include <string>

// Reads one value through the system's private-profile reader. nBuffer is the
// read buffer in characters including the terminating zero, so a longer value
// comes back cut to nBuffer - 1 characters. Leading and trailing blanks are
// removed; a missing file, section or key gives the empty string.
std::string GetIniString(const std::string& cSection, const std::string& cEntry, const std::string& cFile,
                         unsigned nBuffer = 256);

// Writes one value unchanged. An existing section (names compared whole and
// without regard to case) is updated in place: an existing key gets the new
// value, a new key is added after the section's last line. A new section is
// appended at the end of the file, after an empty line when the file already
// has sections. The file keeps its encoding (ANSI, UTF-8 with byte-order
// mark, UTF-16 little-endian with byte-order mark) and its line ends (CR LF,
// LF or CR; new lines take those of its first line). The file is written as
// a whole through a new file beside it, which replaces it only once the
// system's reader reads the value back from it, so a failed or unreadable
// write leaves the old file intact. Returns FALSE when the file cannot be
// written so: a read-only file, a missing folder, UTF-16 big-endian or
// invalid UTF-8 text, a value the reader would not read back (a line break
// in it).
bool WriteIniString(const std::string& cSection, const std::string& cEntry, const std::string& cValue,
                    const std::string& cFile);

// TRUE when the system's reader decodes the file's text itself and hands its
// values out in the ANSI code page: a file that begins with the UTF-16
// little-endian byte-order mark, or with the UTF-8 one where the reader knows
// that mark too (Wine's reader does, Windows' does not).
bool IniReaderDecodes(const std::string& cFile);

// One section of an INI-syntax file, read in one call through the system's
// private-profile reader. Find answers what GetIniString answers for the same
// key and buffer: keys are compared without regard to case (the first of equal
// keys counts), key and value are trimmed, a value enclosed in a pair of equal
// quotes loses them and a value comes back cut to nBuffer - 1 characters; a
// missing file, section or key gives the empty string. Lines without "=" hold
// no key, nor do comment lines (";"), which the section reader skips although
// the key-by-key reader would find ";key".
class IniSection {
public:
    IniSection(const std::string& cSection, const std::string& cFile, unsigned nBuffer = 256);
    std::string Find(const std::string& cEntry) const;

private:
    struct NameLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    std::map<std::string, std::string, NameLess> entries_;
};
