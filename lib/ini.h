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
// has sections. The file is written as a whole through a temporary file beside
// it, so a failed write leaves the old file intact. Returns FALSE when the file
// cannot be written.
bool WriteIniString(const std::string& cSection, const std::string& cEntry, const std::string& cValue,
                    const std::string& cFile);

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
