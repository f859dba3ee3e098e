#include "platform/runtime/files.h"
#include "platform/runtime/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Writes the bytes as they are into a new file in the working folder.
void WriteBytes(const std::string& name, const std::string& bytes)
{
    HANDLE f = FCreate(name);
    ASSERT_NE(f, F_ERROR);
    ASSERT_EQ(FWrite(f, bytes), bytes.size());
    FClose(f);
}

std::vector<std::string> ReadLines(const std::string& name, std::size_t maxLength = 0)
{
    std::vector<std::string> lines;
    HANDLE f = FOpen(name);
    EXPECT_NE(f, F_ERROR);
    while (!FEof(f)) lines.push_back(FReadLine(f, maxLength));
    FClose(f);
    return lines;
}

TEST(Files, PutSWritesCrLfLinesThatReadBack)
{
    HANDLE f = FCreate("roundtrip.txt");
    ASSERT_NE(f, F_ERROR);
    EXPECT_EQ(FError(), 0u);
    EXPECT_EQ(FPutS(f, "MERIDOXA KNS"), 12u);
    EXPECT_EQ(FPutS(f, ""), 0u);
    EXPECT_EQ(FPutS(f, "Ellipsoid           \xE4\xF6\xFC"), 23u);
    EXPECT_TRUE(FClose(f));
    f = FOpen("roundtrip.txt");
    EXPECT_EQ(FSeek(f, 0, FS_END), 12 + 2 + 0 + 2 + 23 + 2);
    FClose(f);
    EXPECT_EQ(ReadLines("roundtrip.txt"),
              (std::vector<std::string>{"MERIDOXA KNS", "", "Ellipsoid           \xE4\xF6\xFC"}));
}

TEST(Files, ReadLineHandlesEveryLineEndAndLength)
{
    const std::string longLine(5000, 'x');
    const std::string edge(511, 'e');  // its CR LF straddles the first 512-byte read
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        {"empty lines", "\r\n\n\r\rx\n", {"", "", "", "", "x"}},
        {"long line", longLine + "\r\nnext", {longLine, "next"}},
        {"crlf across reads", edge + "\r\nafter\r\n", {edge, "after"}},
        {"cr ends a read", edge + "\rafter", {edge, "after"}},
        {"empty file", "", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteBytes("lines.txt", c.bytes);
        EXPECT_EQ(ReadLines("lines.txt"), c.lines);
    }
}

TEST(Files, ReadLineWithMaxLengthSkipsTheRestOfTheLine)
{
    WriteBytes("cut.txt", std::string(300, 'y') + "\r\nshort\r\n" + std::string(1000, 'z'));
    EXPECT_EQ(ReadLines("cut.txt", 256),
              (std::vector<std::string>{std::string(256, 'y'), "short", std::string(256, 'z')}));
}

// A line longer than the limit is refused at once: its rest stays unread.
TEST(Files, ReadLineUpToStopsInsideALongerLine)
{
    WriteBytes("upto.txt", std::string(5000, 'y') + "\r\nshort\r\n" + std::string(256, 'z'));
    HANDLE f = FOpen("upto.txt");
    ASSERT_NE(f, F_ERROR);
    std::string line;
    EXPECT_FALSE(FReadLineUpTo(f, 256, line));
    EXPECT_EQ(line, std::string(257, 'y'));
    EXPECT_LE(FSeek(f, 0, FS_RELATIVE), 1024) << "read no further than a chunk past the limit";
    FSeek(f, 5002);
    EXPECT_TRUE(FReadLineUpTo(f, 256, line));
    EXPECT_EQ(line, "short");
    EXPECT_TRUE(FReadLineUpTo(f, 256, line));
    EXPECT_EQ(line, std::string(256, 'z'));
    EXPECT_TRUE(FEof(f));
    FClose(f);
}

TEST(Files, EndOfFileAndSeek)
{
    WriteBytes("seek.txt", "one\r\ntwo\r\n");
    HANDLE f = FOpen("seek.txt", FO_READ | FO_SHARED);
    EXPECT_FALSE(FEof(f));
    EXPECT_EQ(FSeek(f, 5), 5);
    EXPECT_FALSE(FEof(f));
    EXPECT_EQ(FReadLine(f), "two");
    EXPECT_TRUE(FEof(f));
    EXPECT_EQ(FReadLine(f), "");
    EXPECT_EQ(FError(), static_cast<DWORD>(ERROR_HANDLE_EOF));
    EXPECT_EQ(FSeek(f, -5, FS_RELATIVE), 5);
    EXPECT_EQ(FSeek(f, 0, FS_END), 10);
    EXPECT_EQ(FSeek(f, -20, FS_RELATIVE), -1);  // before the start
    EXPECT_NE(FError(), 0u);
    FClose(f);
}

TEST(Files, CreateEmptiesAndOpenForWritingKeeps)
{
    WriteBytes("append.txt", "old content\r\n");
    HANDLE f = FOpen("append.txt", FO_READWRITE);
    ASSERT_NE(f, F_ERROR);
    FSeek(f, 0, FS_END);
    FPutS(f, "new");
    EXPECT_TRUE(FCommit(f));
    FClose(f);
    EXPECT_EQ(ReadLines("append.txt"), (std::vector<std::string>{"old content", "new"}));
    FClose(FCreate("append.txt"));
    EXPECT_TRUE(ReadLines("append.txt").empty());
}

TEST(Files, ExclusiveOpenRefusesASecondOpening)
{
    WriteBytes("locked.txt", "x");
    HANDLE f = FOpen("locked.txt", FO_READ | FO_EXCLUSIVE);
    ASSERT_NE(f, F_ERROR);
    EXPECT_EQ(FOpen("locked.txt"), F_ERROR);
    EXPECT_EQ(FError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    FClose(f);
}

TEST(Files, FailuresGiveTheSystemErrorAndItsText)
{
    EXPECT_EQ(FOpen("no such file.txt"), F_ERROR);
    EXPECT_EQ(FError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(FCreate("no such folder\\x.txt"), F_ERROR);
    EXPECT_EQ(FError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    for (DWORD code : {ERROR_FILE_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_ACCESS_DENIED}) {
        std::string text = DosErrString(code);
        EXPECT_FALSE(text.empty());
        EXPECT_NE(text, "Error " + std::to_string(code));
        EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << text;
    }
    EXPECT_EQ(DosErrString(0x2FFFFFFF), "Error 805306367");
    // The error handle: nothing to read, nothing to close, no endless loop.
    EXPECT_TRUE(FEof(F_ERROR));
    EXPECT_EQ(FError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    EXPECT_EQ(FReadLine(F_ERROR), "");
    EXPECT_NE(FError(), 0u);
    EXPECT_FALSE(FClose(F_ERROR));
    EXPECT_EQ(FError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
    SetFError(257);
    EXPECT_EQ(FError(), 257u);
}

TEST(Files, FileExistsAndProgramDir)
{
    WriteBytes("exists.txt", "");
    EXPECT_TRUE(FileExists("exists.txt"));
    EXPECT_FALSE(FileExists("missing.txt"));
    EXPECT_FALSE(FileExists("."));  // a directory is no file
    std::string dir = ProgramDir();
    ASSERT_FALSE(dir.empty());
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_TRUE(FileExists(dir + "runtime_test.exe")) << dir;
}

}  // namespace
