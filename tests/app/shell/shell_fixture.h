// Temporary installations for the start-up tests: a program directory with
// its ProgData\ and UserData\, drives as directories, and system facts that
// answer from them.
#pragma once

#include <windows.h>

#include <fstream>
#include <map>
#include <string>

#include "app/shell/getpfade.h"
#include "platform/runtime/strings.h"

namespace shell_test {

inline void PutFile(const std::string& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

inline std::string FileBytes(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Removes a directory with everything in it.
inline void RemoveTree(const std::string& dir)
{
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((dir + "*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(dir + name + "\\");
            else {
                SetFileAttributesA((dir + name).c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA((dir + name).c_str());
            }
        } while (FindNextFileA(find, &data));
        FindClose(find);
    }
    RemoveDirectoryA(dir.c_str());
}

// A fresh directory under the test's working folder, lower case, with "\".
inline std::string FreshDir(const std::string& name)
{
    char dir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, dir);
    const std::string path = Lower(std::string(dir) + "\\" + name + "\\");
    RemoveTree(path);
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

// System facts over directories: drive types by path prefix (the longest
// prefix wins, 3 when none matches), drive letters as subdirectories "drive_x"
// of a root.
class FakeFacts : public shell::SystemFacts {
public:
    std::string programDir;
    std::map<std::string, unsigned> pathTypes;
    std::map<char, unsigned> letterTypes;
    std::string lettersRoot;
    std::string fixedDir;
    std::map<std::string, std::string> environment;
    std::string userName;
    mutable int networkHelpCalls = 0;

    std::string ProgramDirectory() const override { return programDir; }
    unsigned DriveType(const std::string& path) const override
    {
        unsigned type = DRIVE_FIXED;
        std::size_t best = 0;
        for (const auto& [prefix, t] : pathTypes) {
            if (Lower(path).starts_with(Lower(prefix)) && prefix.size() >= best) {
                best = prefix.size();
                type = t;
            }
        }
        return type;
    }
    unsigned LetterDriveType(char letter) const override
    {
        auto it = letterTypes.find(letter);
        return it == letterTypes.end() ? DRIVE_NO_ROOT_DIR : it->second;
    }
    std::string LetterRoot(char letter) const override { return lettersRoot + "drive_" + letter + "\\"; }
    std::string FixedDirectory() const override { return fixedDir; }
    std::string Environment(const std::string& name) const override
    {
        auto it = environment.find(name);
        return it == environment.end() ? std::string() : it->second;
    }
    std::string UserName() const override { return userName; }
    void AllowNetworkHelp() const override { ++networkHelpCalls; }
};

// An installation: root\prog\ with both help files and two samples in its
// ProgData\ and UserData\, root\appdata\, and the facts of a local
// installation on drive C: with APPDATA set.
struct Installation {
    std::string root;
    FakeFacts facts;

    explicit Installation(const std::string& name) : root(FreshDir(name))
    {
        facts.programDir = root + "prog\\";
        for (const char* dir : {"prog", "prog\\progdata", "prog\\userdata", "appdata", "fixed"})
            CreateDirectoryA((root + dir).c_str(), nullptr);
        PutFile(root + "prog\\progdata\\vezarovu.chm", "german help");
        PutFile(root + "prog\\progdata\\zodedado.chm", "english help");
        PutFile(root + "prog\\userdata\\testq.txt", "source list");
        PutFile(root + "prog\\userdata\\testz.txt", "target list");
        facts.lettersRoot = root;
        facts.fixedDir = root + "fixed\\";
        facts.environment["APPDATA"] = root + "appdata";
        facts.letterTypes['c'] = DRIVE_FIXED;
        CreateDirectoryA(facts.LetterRoot('c').c_str(), nullptr);
    }
};

}  // namespace shell_test
