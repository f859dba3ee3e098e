#include "app/shell/getpfade.h"

#include <functional>
#include <optional>
#include <gtest/gtest.h>

#include "app/shell/globals.h"
#include "lib/files.h"
#include "lib/ini.h"
#include "lib/sprache.h"
#include "platform/framework/recording_seam.h"
#include "shell_fixture.h"

using namespace shell_test;

namespace {

void ResetDirectories()
{
    gcPfadSprache.clear();
    gcPfadKonfig.clear();
    gcPfadUser.clear();
    glNetwork = true;
}

// Flushes the system's cache of INI files, so that files read as they are.
void FlushIni()
{
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, "meridoxa.ini");
}

struct KindCase {
    const char* what;
    std::function<void(Installation&)> arrange;
    // Expected directories below the root ("" for unset, "*" for the program
    // directory itself); error the expected box text with <root> for the root.
    std::string sprache, konfig, user;
    bool network;
    std::string error;
    int networkHelpCalls = 0;
};

std::string Expand(const std::string& text, const std::string& root)
{
    std::string out = text;
    for (std::size_t at = out.find("<root>"); at != std::string::npos; at = out.find("<root>"))
        out.replace(at, 6, root);
    return out;
}

TEST(GetPfade, SetsTheDirectoriesOfEveryInstallationKind)
{
    auto remote = [](Installation& i) { i.facts.pathTypes[i.root + "prog\\"] = DRIVE_REMOTE; };
    auto noAppData = [](Installation& i) { i.facts.environment.erase("APPDATA"); };
    const KindCase cases[] = {
        {"drive type unknown", [](Installation& i) { i.facts.pathTypes[i.root] = DRIVE_UNKNOWN; }, "", "", "", false,
         "Error on access to directory\n<root>prog\\"},
        {"no root directory", [](Installation& i) { i.facts.pathTypes[i.root] = DRIVE_NO_ROOT_DIR; }, "", "", "", false,
         "Error on access to directory\n<root>prog\\"},
        {"local, APPDATA set", [](Installation&) {}, "prog\\ProgData\\", "appdata\\meridoxa\\", "appdata\\meridoxa\\",
         false, ""},
        {"local, APPDATA empty: the first fixed drive",
         [=](Installation& i) {
             noAppData(i);
             i.facts.letterTypes['c'] = DRIVE_REMOVABLE;
             i.facts.letterTypes['d'] = DRIVE_CDROM;
             i.facts.letterTypes['e'] = DRIVE_FIXED;
             CreateDirectoryA(i.facts.LetterRoot('e').c_str(), nullptr);
         },
         "prog\\ProgData\\", "drive_e\\meridoxa\\", "drive_e\\meridoxa\\", false, ""},
        {"local, APPDATA empty, the first fixed drive refuses",
         [=](Installation& i) {
             noAppData(i);
             i.facts.letterTypes['c'] = DRIVE_FIXED;
             RemoveDirectoryA(i.facts.LetterRoot('c').c_str());
             i.facts.letterTypes['d'] = DRIVE_FIXED;
             CreateDirectoryA(i.facts.LetterRoot('d').c_str(), nullptr);
         },
         "prog\\ProgData\\", "", "", false, "Error on create the programs data directory"},
        {"local, APPDATA empty, no fixed drive",
         [=](Installation& i) {
             noAppData(i);
             i.facts.letterTypes.clear();
         },
         "prog\\ProgData\\", "", "", false, "Error on create the programs data directory"},
        {"local, APPDATA cannot be made",
         [](Installation& i) {
             PutFile(i.root + "afile", "x");
             i.facts.environment["APPDATA"] = i.root + "afile";
         },
         "prog\\ProgData\\", "drive_c\\meridoxa\\", "drive_c\\meridoxa\\", false, ""},
        {"local, the user name counts only on a network",
         [=](Installation& i) {
             noAppData(i);
             i.facts.userName = "anna";
         },
         "prog\\ProgData\\", "drive_c\\meridoxa\\", "drive_c\\meridoxa\\", false, ""},
        {"network, APPDATA set on a local drive", remote, "prog\\ProgData\\", "prog\\ProgData\\", "appdata\\meridoxa\\",
         true, ""},
        {"network, APPDATA set on a remote drive",
         [=](Installation& i) {
             remote(i);
             i.facts.pathTypes[i.root + "appdata"] = DRIVE_REMOTE;
         },
         "prog\\ProgData\\", "prog\\ProgData\\", "appdata\\meridoxa\\", true, "", 1},
        {"network, APPDATA empty: the user name",
         [=](Installation& i) {
             remote(i);
             noAppData(i);
             i.facts.userName = "anna";
         },
         "prog\\ProgData\\", "prog\\ProgData\\", "prog\\user\\anna\\", true, "", 1},
        {"network, APPDATA and user name empty",
         [=](Installation& i) {
             remote(i);
             noAppData(i);
         },
         "prog\\ProgData\\", "prog\\ProgData\\", "drive_c\\meridoxa\\", true, ""},
        {"marker file", [](Installation& i) { PutFile(i.root + "prog\\meridoxa.aef", ""); }, "fixed\\", "fixed\\",
         "fixed\\", false, ""},
        {"marker file on a network drive counts not",
         [=](Installation& i) {
             remote(i);
             PutFile(i.root + "prog\\meridoxa.aef", "");
         },
         "prog\\ProgData\\", "prog\\ProgData\\", "appdata\\meridoxa\\", true, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation inst("kinds");
        c.arrange(inst);
        ResetDirectories();
        RecordingSeam seam;
        const bool ok = GetPfade(inst.facts);
        auto dir = [&](const std::string& d) { return d.empty() ? d : inst.root + d; };
        EXPECT_EQ(ok, c.error.empty());
        EXPECT_EQ(gcPfadSprache, dir(c.sprache));
        EXPECT_EQ(gcPfadKonfig, dir(c.konfig));
        EXPECT_EQ(gcPfadUser, dir(c.user));
        EXPECT_EQ(glNetwork, c.network);
        EXPECT_EQ(inst.facts.networkHelpCalls, c.networkHelpCalls);
        const auto boxes = seam.CallsOf("MessageBox");
        if (c.error.empty()) {
            EXPECT_TRUE(boxes.empty());
            FlushIni();
            EXPECT_EQ(GetIniString("Copyright", "Version", gcPfadKonfig + "meridoxa.ini"), "MERIDOXA 8.01");
            EXPECT_EQ(GetIniString("Copyright", "Version", gcPfadUser + "meridoxa.ini"), "MERIDOXA 8.01");
            if (gcPfadUser != inst.facts.fixedDir) {
                for (const char* file : {"vezarovu.chm", "zodedado.chm", "UserData\\testq.txt", "UserData\\testz.txt"})
                    EXPECT_TRUE(FFile(gcPfadUser + file)) << file;
            } else {
                EXPECT_FALSE(FFile(gcPfadUser + "vezarovu.chm"));
            }
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, Expand(c.error, inst.root));
            EXPECT_EQ(boxes[0].detail, "MERIDOXA");
            EXPECT_EQ(boxes[0].number, MB_OK | MB_ICONINFORMATION);
        }
    }
}

TEST(GetPfade, FailsWhenAHelpFileOrASampleIsMissing)
{
    struct Case {
        const char* what;
        const char* removed;
        const char* target;
    } cases[] = {
        {"German help", "prog\\progdata\\vezarovu.chm", "appdata\\meridoxa\\"},
        {"English help", "prog\\progdata\\zodedado.chm", "appdata\\meridoxa\\"},
        {"every sample", "prog\\userdata\\test*.txt", "appdata\\meridoxa\\UserData\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation inst("missing");
        for (const auto& entry : Directory(inst.root + c.removed)) {
            const std::string name = inst.root + c.removed;
            DeleteFileA((name.substr(0, name.rfind('\\') + 1) + entry.name).c_str());
        }
        RecordingSeam seam;
        EXPECT_FALSE(GetPfade(inst.facts));
        ASSERT_EQ(seam.CallsOf("MessageBox").size(), 1u);
        EXPECT_EQ(seam.CallsOf("MessageBox")[0].text, "Error on copy files to\n" + inst.root + c.target);
    }
}

// Sets a file's last-write time.
void SetWriteTime(const std::string& file, WORD year, WORD month, WORD day, WORD hour)
{
    SYSTEMTIME local{year, month, 0, day, hour, 0, 0, 0};
    FILETIME localTime, utc;
    SystemTimeToFileTime(&local, &localTime);
    LocalFileTimeToFileTime(&localTime, &utc);
    HANDLE h = CreateFileA(file.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    SetFileTime(h, nullptr, nullptr, &utc);
    CloseHandle(h);
}

// Opens a file as a viewer does that lets others read it but not write it,
// so that no copy can replace it meanwhile. (Under Wine run as root the
// read-only attribute does not keep CopyFile from overwriting a file.)
HANDLE HoldOpen(const std::string& file)
{
    const HANDLE handle = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(handle, INVALID_HANDLE_VALUE) << file;
    return handle;
}

TEST(CopyNewer, CopiesMissingAndNewerFilesAndChecksEveryOne)
{
    struct Case {
        const char* what;
        // The second file's copy: none, or its time (day and hour of May 2024)
        // against the source's 10th, 12:00; a directory of its name.
        bool present;
        WORD day, hour;
        bool blocked;
        bool copied;
        bool ok;
        bool held = false;
    } cases[] = {
        {"missing copy", false, 0, 0, false, true, true},
        {"older source", true, 11, 9, false, false, true},
        {"same time", true, 10, 12, false, false, true},
        {"newer by date", true, 9, 15, false, true, true},
        {"newer by time on the same day", true, 10, 11, false, true, true},
        {"a copy that cannot be written", false, 0, 0, true, false, false},
        {"an older copy that cannot be replaced serves on", true, 9, 15, false, false, true, true},
    };
    const std::string source = FreshDir("copy_source");
    PutFile(source + "a.chm", "first");
    PutFile(source + "b.chm", "second, new");
    SetWriteTime(source + "a.chm", 2024, 5, 10, 12);
    SetWriteTime(source + "b.chm", 2024, 5, 10, 12);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string target = FreshDir("copy_target");
        if (c.present) {
            PutFile(target + "b.chm", "old");
            SetWriteTime(target + "b.chm", 2024, 5, c.day, c.hour);
        }
        if (c.blocked) CreateDirectoryA((target + "b.chm").c_str(), nullptr);
        const HANDLE viewer = c.held ? HoldOpen(target + "b.chm") : INVALID_HANDLE_VALUE;
        EXPECT_EQ(shell::CopyNewer(Directory(source + "*.chm"), source, target), c.ok);
        if (c.held) CloseHandle(viewer);
        EXPECT_EQ(FileBytes(target + "a.chm"), "first");
        if (!c.blocked) {
            EXPECT_EQ(FileBytes(target + "b.chm"), c.copied ? "second, new" : "old");
        }
    }
    EXPECT_FALSE(shell::CopyNewer({}, source, FreshDir("copy_target"))) << "nothing listed";
}

// A help or sample copy that cannot be replaced by a newer original (held
// open by the help viewer, or read-only) serves on; a copy that cannot be made
// ends the start.
TEST(GetPfade, GoesOnWithAnOlderCopyThatCannotBeReplaced)
{
    struct Case {
        const char* what;
        const char* copy;  // below the user directory
        bool made;         // false: a folder of the copy's name stands in its way
        std::string error;
    } cases[] = {
        {"older German help, held open", "vezarovu.chm", true, ""},
        {"older sample, held open", "UserData\\testq.txt", true, ""},
        {"a help copy that cannot be made", "zodedado.chm", false, "Error on copy files to\n<root>appdata\\meridoxa\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation inst("held");
        const std::string user = inst.root + "appdata\\meridoxa\\";
        const std::string copy = user + c.copy;
        CreateDirectoryA(user.c_str(), nullptr);
        CreateDirectoryA((user + "UserData").c_str(), nullptr);
        HANDLE viewer = INVALID_HANDLE_VALUE;
        if (c.made) {
            PutFile(copy, "old copy");
            SetWriteTime(copy, 2020, 1, 1, 12);
            viewer = HoldOpen(copy);
        } else {
            CreateDirectoryA(copy.c_str(), nullptr);
        }
        RecordingSeam seam;
        EXPECT_EQ(GetPfade(inst.facts), c.error.empty());
        if (viewer != INVALID_HANDLE_VALUE) CloseHandle(viewer);
        const auto boxes = seam.CallsOf("MessageBox");
        if (c.error.empty()) {
            EXPECT_TRUE(boxes.empty());
            EXPECT_EQ(FileBytes(copy), "old copy");
            EXPECT_EQ(FileBytes(user + "zodedado.chm"), "english help");
            EXPECT_EQ(FileBytes(user + "UserData\\testz.txt"), "target list");
        } else {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].text, Expand(c.error, inst.root));
        }
    }
}

TEST(GetPfade, CreatesAndUpgradesTheIniFiles)
{
    struct Case {
        const char* what;
        bool network;
        // Content of the configuration file and of the user's file before
        // (null: none); whether the user's setting survives.
        std::optional<std::string> konfig;
        std::optional<std::string> user;
        bool kept;
    } cases[] = {
        {"no file", false, {}, {}, false},
        {"Version missing", false, "[Config]\r\nSprache=ger\r\n", {}, false},
        {"Version without a number",
         false,
         "[Copyright]\r\nCopyright=Copyright (c) the MERIDOXA "
         "developers\r\nVersion=MERIDOXA\r\n\r\n[Config]\r\nSprache=ger\r\n",
         {},
         false},
        {"binary garbage", false, std::string("\x01\xff[\x00\x7f=\x80\r\n\x1a", 10), {}, false},
        {"8.00",
         false,
         "[Copyright]\r\nCopyright=Copyright (c) the MERIDOXA developers\r\nVersion=MERIDOXA "
         "8.00\r\n\r\n[Config]\r\nSprache=ger\r\n",
         {},
         true},
        {"8.01",
         false,
         "[Copyright]\r\nCopyright=Copyright (c) the MERIDOXA developers\r\nVersion=MERIDOXA "
         "8.01\r\n\r\n[Config]\r\nSprache=ger\r\n",
         {},
         true},
        {"7.12",
         false,
         "[Copyright]\r\nCopyright=Copyright (c) the MERIDOXA developers\r\nVersion=MERIDOXA "
         "7.12\r\n\r\n[Config]\r\nSprache=ger\r\n",
         {},
         false},
        {"network, 8.00", true,
         "[Copyright]\r\nCopyright=Copyright (c) the MERIDOXA developers\r\nVersion=MERIDOXA 8.00\r\n",
         "[Copyright]\r\nCopyright=Copyright (c) the MERIDOXA developers\r\nVersion=MERIDOXA "
         "8.00\r\n\r\n[Config]\r\nSprache=ger\r\n",
         true},
        {"network, 7.12", true,
         "[Copyright]\r\nCopyright=Copyright (c) the MERIDOXA developers\r\nVersion=MERIDOXA 7.12\r\n",
         "[Copyright]\r\nCopyright=Copyright (c) the MERIDOXA developers\r\nVersion=MERIDOXA "
         "7.12\r\n\r\n[Config]\r\nSprache=ger\r\n",
         false},
        {"network, user file missing",
         true,
         "[Copyright]\r\nCopyright=Copyright (c) the MERIDOXA developers\r\nVersion=MERIDOXA 8.01\r\n",
         {},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Installation inst("ini");
        if (c.network) inst.facts.pathTypes[inst.root + "prog\\"] = DRIVE_REMOTE;
        const std::string konfig =
            inst.root + (c.network ? "prog\\progdata\\" : "appdata\\meridoxa\\") + "meridoxa.ini";
        const std::string user = inst.root + "appdata\\meridoxa\\meridoxa.ini";
        CreateDirectoryA((inst.root + "appdata\\meridoxa").c_str(), nullptr);
        FlushIni();
        if (c.konfig) PutFile(konfig, *c.konfig);
        if (c.user) PutFile(user, *c.user);
        const std::string settingsFile = c.network ? user : konfig;
        RecordingSeam seam;
        ASSERT_TRUE(GetPfade(inst.facts));
        FlushIni();
        for (const auto& file : {konfig, user}) {
            EXPECT_EQ(GetIniString("Copyright", "Version", file), "MERIDOXA 8.01") << file;
            EXPECT_EQ(GetIniString("Copyright", "Copyright", file), "Copyright (c) the MERIDOXA developers") << file;
        }
        EXPECT_EQ(GetIniString("Config", "Sprache", settingsFile), c.kept ? "ger" : "");
    }
}

TEST(SetRegChmHelp, AllowsTheLocalIntranetZoneAndKeepsAWiderOne)
{
    const char* keys[] = {"Software\\Microsoft\\HTMLHelp\\1.x\\HHRestrictions",
                          "Software\\Microsoft\\HTMLHelp\\1.x\\ItssRestrictions"};
    struct Case {
        const char* what;
        int before;  // -1: no key, -2: the key without the value
        DWORD after;
    } cases[] = {{"no key", -1, 1}, {"no value", -2, 1}, {"zero", 0, 1}, {"one", 1, 1}, {"two", 2, 2}};
    auto clear = [&] {
        for (const char* key : keys) RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clear();
        for (const char* key : keys) {
            if (c.before == -1) continue;
            HKEY h;
            ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &h, nullptr),
                      ERROR_SUCCESS);
            const DWORD value = c.before;
            if (c.before >= 0)
                RegSetValueExA(h, "MaxAllowedZone", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
            RegCloseKey(h);
        }
        EXPECT_EQ(shell::SetRegChmHelp(), 0);
        for (const char* key : keys) {
            DWORD value = 0, size = sizeof value;
            ASSERT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE, key, "MaxAllowedZone", RRF_RT_REG_DWORD, nullptr, &value, &size),
                      ERROR_SUCCESS)
                << key;
            EXPECT_EQ(value, c.after) << key;
        }
    }
    clear();
}

}  // namespace
