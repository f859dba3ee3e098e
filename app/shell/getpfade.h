// The program's directories and INI files at start-up: where the language and
// help files are read, where each user's meridoxa.ini, help files and sample
// files live, and where the INI file with the program version lies.
#pragma once

#include <string>
#include <vector>

#include "platform/runtime/directory.h"

namespace shell {

// What the start-up asks the system. The real one asks Win32; tests give
// temporary directories in place of drives.
class SystemFacts {
public:
    virtual ~SystemFacts() = default;
    // The directory of the executable, with its trailing "\".
    virtual std::string ProgramDirectory() const = 0;
    // The drive type (GetDriveTypeA) of the drive that holds the path.
    virtual unsigned DriveType(const std::string& path) const = 0;
    // The drive type of a drive letter ("c" to "z") and its root directory.
    virtual unsigned LetterDriveType(char letter) const = 0;
    virtual std::string LetterRoot(char letter) const = 0;
    // The directory of a fixed-path installation (the marker file meridoxa.aef
    // in the program directory), with its trailing "\".
    virtual std::string FixedDirectory() const = 0;
    virtual std::string Environment(const std::string& name) const = 0;
    // The name of the Windows user; empty when it cannot be had.
    virtual std::string UserName() const = 0;
    // Lets compiled help files be opened from network locations.
    virtual void AllowNetworkHelp() const = 0;
};

// The facts of this machine.
const SystemFacts& Win32Facts();

// The owner text: key Copyright of every INI file made, and the last line of
// the start screen.
inline const std::string kCopyright = "Copyright (c) the MERIDOXA developers";

// The help files, German first, as they lie in ProgData\ and in the user
// directory.
inline const std::vector<std::string> kHelpFiles{"vezarovu.chm", "zodedado.chm"};

// Copies every listed file from source to target (both with their "\") that
// is missing there or whose source was written later (date and time); a copy
// overwrites and keeps the source's time. TRUE when files were listed and
// every one of them is in target afterwards: an older copy that could not be
// replaced counts.
bool CopyNewer(const std::vector<DirEntry>& files, const std::string& source, const std::string& target);

// Sets gcPfadSprache, gcPfadKonfig, gcPfadUser and glNetwork, copies the help
// and sample files into the user directory, and creates or upgrades the INI
// files. On failure it shows one of its fixed English errors in an
// information box titled with the program title and returns FALSE.
bool GetPfade(const SystemFacts& facts = Win32Facts());

// Allows compiled help files from network locations for every user of the
// machine: MaxAllowedZone 1 under HKLM's HTMLHelp HHRestrictions and
// ItssRestrictions, unless a value of at least 1 is there already. A key that
// cannot be opened is skipped. Returns 0.
int SetRegChmHelp();

}  // namespace shell
