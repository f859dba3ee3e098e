#include "app/shell/getpfade.h"

#include <windows.h>

#include <algorithm>
#include <cmath>

#include "app/shell/globals.h"
#include "lib/files.h"
#include "lib/ini.h"
#include "lib/sprache.h"
#include "lib/system.h"
#include "platform/framework/seam.h"
#include "platform/runtime/numtext.h"
#include "platform/runtime/strings.h"
#include "platform/runtime/system.h"

namespace shell {

namespace {

class RealFacts : public SystemFacts {
public:
    std::string ProgramDirectory() const override
    {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        const std::string text = path;
        return text.substr(0, text.find_last_of('\\') + 1);
    }
    unsigned DriveType(const std::string& cPath) const override { return GetDriveTypDatei(cPath); }
    unsigned LetterDriveType(char letter) const override { return GetDriveTypeA(LetterRoot(letter).c_str()); }
    std::string LetterRoot(char letter) const override { return std::string(1, letter) + ":\\"; }
    std::string FixedDirectory() const override { return "c:\\programm\\meridoxa\\"; }
    std::string Environment(const std::string& name) const override { return GetEnv(name); }
    std::string UserName() const override { return GetNetUserName(); }
    void AllowNetworkHelp() const override { SetRegChmHelp(); }
};

const std::string kIni = "meridoxa.ini";

// The program version of an INI file: the number in the last five characters
// of its Version (0 when there is none).
double IniVersion(const std::string& file)
{
    const std::string version = GetIniString("Copyright", "Version", file);
    return Val(version.size() > 5 ? version.substr(version.size() - 5) : version);
}

void WriteVersion(const std::string& file)
{
    WriteIniString("Copyright", "Version", gcProgramm + " " + gcVersion, file);
}

void WriteCopyright(const std::string& file)
{
    WriteIniString("Copyright", "Copyright", kCopyright, file);
    WriteVersion(file);
}

// Creates or upgrades the configuration file and, where it lies elsewhere,
// the user's file; the error text, or empty when both are in place.
std::string CreateIniFiles(bool upgrade)
{
    const std::string configFile = gcPfadKonfig + kIni;
    const std::string userFile = gcPfadUser + kIni;
    const bool twoFiles = gcPfadKonfig != gcPfadUser;
    if (FFile(configFile)) {
        const double fileVersion = IniVersion(configFile);
        const double programVersion = Val(gcVersion);
        if (upgrade && std::trunc(programVersion) > std::trunc(fileVersion)) {
            FErase(configFile);
            if (twoFiles) FErase(userFile);
        } else if (programVersion > fileVersion) {
            WriteVersion(configFile);
            if (twoFiles) WriteVersion(userFile);
        }
    }
    if (!FFile(configFile)) WriteCopyright(configFile);
    if (twoFiles && !FFile(userFile)) WriteCopyright(userFile);
    if (!FFile(configFile)) return "Error on create INI-file\n" + configFile;
    if (twoFiles && !FFile(userFile)) return "Error on create INI-file\n" + userFile;
    return {};
}

// The user directory of a network or local installation; empty when none
// could be made.
std::string UserDirectory(const SystemFacts& facts, const std::string& programDir)
{
    if (const std::string appData = facts.Environment("APPDATA"); !appData.empty()) {
        const std::string path = appData + "\\meridoxa";
        if (DirMakePath(path)) return path + "\\";
    }
    if (glNetwork) {
        if (const std::string name = facts.UserName(); !name.empty()) {
            const std::string path = programDir + "user\\" + name;
            if (DirMakePath(path)) return path + "\\";
        }
    }
    // Only the first fixed drive is tried.
    for (char letter = 'c'; letter <= 'z'; ++letter) {
        if (facts.LetterDriveType(letter) != DRIVE_FIXED) continue;
        const std::string path = facts.LetterRoot(letter) + "meridoxa";
        return DirMakeEx(path) ? path + "\\" : std::string();
    }
    return {};
}

// The directories, the copies and the INI files; the error text, or empty.
std::string SetUp(const SystemFacts& facts)
{
    glNetwork = false;
    const std::string programDir = Lower(facts.ProgramDirectory());
    const unsigned type = facts.DriveType(programDir);
    if (type == DRIVE_UNKNOWN || type == DRIVE_NO_ROOT_DIR) return "Error on access to directory\n" + programDir;
    const bool fixedPath = type != DRIVE_REMOTE && FFile(programDir + "meridoxa.aef");
    if (fixedPath) {
        gcPfadSprache = gcPfadKonfig = gcPfadUser = facts.FixedDirectory();
        return CreateIniFiles(false);
    }
    glNetwork = type == DRIVE_REMOTE;
    gcPfadSprache = programDir + "ProgData\\";
    gcPfadKonfig = glNetwork ? gcPfadSprache : std::string();
    gcPfadUser = UserDirectory(facts, programDir);
    if (gcPfadUser.empty()) return "Error on create the programs data directory";
    if (!glNetwork) gcPfadKonfig = gcPfadUser;

    std::vector<std::string> helpFiles;
    for (const auto& name : kHelpFiles) helpFiles.push_back(gcPfadSprache + name);
    const bool helpCopied = CopyNewer(DirectoryA(helpFiles), gcPfadSprache, gcPfadUser);
    if (!helpCopied || !std::ranges::all_of(kHelpFiles, [](const auto& name) { return FFile(gcPfadUser + name); }))
        return "Error on copy files to\n" + gcPfadUser;

    const std::string samples = gcPfadUser + "UserData\\";
    if (!IsDir(samples)) DirMakeEx(samples);
    const std::string source = programDir + "UserData\\";
    if (!IsDir(samples) || !CopyNewer(Directory(source + "test*.*"), source, samples))
        return "Error on copy files to\n" + samples;

    if (glNetwork && facts.DriveType(gcPfadUser) == DRIVE_REMOTE) facts.AllowNetworkHelp();
    return CreateIniFiles(true);
}

}  // namespace

const SystemFacts& Win32Facts()
{
    static const RealFacts facts;
    return facts;
}

bool CopyNewer(const std::vector<DirEntry>& files, const std::string& sourceDir, const std::string& targetDir)
{
    bool ok = !files.empty();
    for (const auto& file : files) {
        const std::string target = targetDir + file.name;
        const auto existing = Directory(target);
        // An older copy that cannot be replaced (read-only, or held open by
        // the help viewer) serves on; only a missing file counts.
        if (existing.empty() || file.date + file.time > existing.front().date + existing.front().time)
            FCopy(sourceDir + file.name, target);
        if (!FFile(target)) ok = false;
    }
    return ok;
}

bool GetPfade(const SystemFacts& facts)
{
    const std::string error = SetUp(facts);
    if (error.empty()) return true;
    InfoBox(nullptr, gcProgramm, error).Show();
    return false;
}

int SetRegChmHelp()
{
    for (const char* keyName : {"Software\\Microsoft\\HTMLHelp\\1.x\\HHRestrictions",
                                "Software\\Microsoft\\HTMLHelp\\1.x\\ItssRestrictions"}) {
        HKEY key = nullptr;
        DWORD disposition = 0;
        if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyName, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, &disposition) != ERROR_SUCCESS)
            continue;
        bool write = true;
        if (disposition == REG_OPENED_EXISTING_KEY) {
            DWORD value = 0, type = 0, size = sizeof value;
            if (RegQueryValueExA(key, "MaxAllowedZone", nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) ==
                    ERROR_SUCCESS &&
                type == REG_DWORD && size == sizeof value && value >= 1)
                write = false;
        }
        if (write) {
            const DWORD one = 1;
            RegSetValueExA(key, "MaxAllowedZone", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
        }
        RegCloseKey(key);
    }
    return 0;
}

}  // namespace shell
