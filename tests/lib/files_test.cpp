#include "lib/files.h"

#include <fstream>
#include <set>
#include <gtest/gtest.h>

#include "platform/runtime/files.h"

namespace {

std::string WorkDir()
{
    char dir[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, dir);
    return std::string(dir) + "\\";
}

void PutFile(const std::string& file, const std::string& bytes)
{
    std::ofstream(file, std::ios::binary) << bytes;
}

struct ReadLineCase {
    const char* what;
    std::string content;
    DWORD buffer;
    std::vector<std::string> lines;
};

TEST(FReadLineLarge, ReadsLinesOfEveryEndingUpToTheEnd)
{
    const ReadLineCase cases[] = {
        {"CR LF, LF and CR", "a\r\nbb\nccc\rd", 256, {"a", "bb", "ccc", "d"}},
        {"last line with its line end", "a\r\n", 256, {"a"}},
        {"empty lines", "\r\n\n\r", 256, {"", "", ""}},
        {"line longer than the buffer",
         std::string(300, 'x') + "\r\ny",
         256,
         {std::string(256, 'x'), std::string(44, 'x'), "y"}},
        {"CR as the buffer's last byte", "abc\r\nd", 4, {"abc", "", "d"}},
        {"empty file", "", 256, {}},
    };
    const auto file = WorkDir() + "lines.txt";
    for (const auto& c : cases) {
        PutFile(file, c.content);
        HANDLE h = FOpen(file);
        ASSERT_NE(h, F_ERROR);
        std::vector<std::string> lines;
        while (!FEofLarge(h)) {
            lines.push_back(FReadLineLarge(h, c.buffer));
            EXPECT_EQ(FError(), 0u) << c.what;
        }
        EXPECT_EQ(lines, c.lines) << c.what;
        EXPECT_EQ(FReadLineLarge(h, c.buffer), "") << c.what;
        EXPECT_EQ(FError(), 257u) << c.what;
        FClose(h);
    }
}

TEST(FEofLarge, KeepsThePointerAndEndsAtAFailedRead)
{
    const auto file = WorkDir() + "eof.txt";
    PutFile(file, "ab\ncd");
    HANDLE h = FOpen(file);
    ASSERT_NE(h, F_ERROR);
    EXPECT_EQ(FReadLineLarge(h), "ab");
    EXPECT_FALSE(FEofLarge(h));
    EXPECT_FALSE(FEofLarge(h));
    EXPECT_EQ(FSeek(h, 0, FS_RELATIVE), 3);
    EXPECT_EQ(FReadLineLarge(h, 0), "cd");
    FClose(h);
    // A handle that cannot be read ends a reading loop.
    EXPECT_TRUE(FEofLarge(INVALID_HANDLE_VALUE));
    EXPECT_EQ(FError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

TEST(DirMakePath, CreatesEveryMissingDirectory)
{
    const auto base = WorkDir() + "made";
    EXPECT_TRUE(DirMakePath(base + "\\a\\b\\c\\"));
    EXPECT_TRUE(IsDir(base + "\\a\\b\\c"));
    EXPECT_TRUE(IsDir(base + "\\a\\b\\c\\"));
    EXPECT_TRUE(DirMakePath(base + "\\a\\b\\c"));
    EXPECT_TRUE(DirMakeEx(base + "\\a\\d\\"));
    EXPECT_FALSE(DirMakeEx(base + "\\x\\y"));
    EXPECT_FALSE(IsDir(base + "\\x"));

    PutFile(base + "\\file", "in the way");
    EXPECT_FALSE(IsDir(base + "\\file"));
    EXPECT_FALSE(DirMakePath(base + "\\file\\sub\\deeper"));
    EXPECT_FALSE(IsDir(base + "\\file\\sub"));
}

TEST(Directory, ListsFilesOfEveryMaskInTurn)
{
    const auto dir = WorkDir() + "listing\\";
    ASSERT_TRUE(DirMakePath(dir + "sub.txt"));
    for (const char* name : {"one.txt", "two.txt", "p.pts", "q.dat"}) PutFile(dir + name, name);
    const auto listing = DirectoryA({dir + "*.pts", dir + "*.txt", dir + "*.pts"});
    std::vector<std::string> names;
    for (const auto& entry : listing) names.push_back(entry.name);
    ASSERT_EQ(names.size(), 4u);
    EXPECT_EQ(names[0], "p.pts");
    EXPECT_EQ(names[3], "p.pts");
    EXPECT_EQ(std::set<std::string>(names.begin() + 1, names.begin() + 3),
              (std::set<std::string>{"one.txt", "two.txt"}));
    EXPECT_EQ(listing[0].size, 5u);
    EXPECT_TRUE(DirectoryA({}).empty());

    EXPECT_TRUE(FFile(dir + "*.pts"));
    EXPECT_TRUE(FFile(dir + "q.dat"));
    EXPECT_FALSE(FFile(dir + "*.xyz"));
    EXPECT_FALSE(FFile(dir + "sub.txt"));
    EXPECT_FALSE(FFile(dir + "s?b.txt"));
}

TEST(GetDriveTypDatei, AsksForTheDriveOfThePath)
{
    EXPECT_EQ(GetDriveTypDatei("C:\\windows\\"), static_cast<UINT>(DRIVE_FIXED));
    EXPECT_EQ(GetDriveTypDatei(WorkDir()), GetDriveTypeA(WorkDir().substr(0, 3).c_str()));
    EXPECT_LE(GetDriveTypDatei("\\\\nosuchserver\\share\\prog\\"), static_cast<UINT>(DRIVE_NO_ROOT_DIR));
    EXPECT_EQ(GetDriveTypDatei("\\\\x"), static_cast<UINT>(DRIVE_UNKNOWN));
}

}  // namespace
