#include "calc/listfiles.h"

#include "calc/parser.h"
#include "calc/pump.h"
#include "peak_memory.h"
#include "platform/runtime/numtext.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Spit(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(PointListFiles, WrittenFilesReadBackWithTheirHeaderSkipped)
{
    const std::string longLine = "P1 " + std::string(600, '1') + " 2 3";
    std::vector<std::string_view> lines{"A 1 2 3", "", longLine, "B 4 5 6"};
    std::string error;
    ASSERT_TRUE(calc::WriteLines("list.txt", calc::EllipsoidHeader("GRS 80", 6378137, 6356752.3141), lines, error));
    EXPECT_EQ(Slurp("list.txt").substr(0, 55), "GRS 80\r\n6378137.0000000\r\n6356752.3141000\r\n\r\nA 1 2 3\r\n\r\n");
    calc::ListFile read = calc::ReadPointListFile("list.txt");
    EXPECT_EQ(read.status, calc::ReadStatus::Ok);
    EXPECT_EQ(read.text, "A 1 2 3\r\n" + longLine + "\r\nB 4 5 6\r\n");

    ASSERT_TRUE(calc::WriteLines("plain.txt", {}, lines, error));
    EXPECT_EQ(calc::ReadPointListFile("plain.txt").text, read.text);
}

// The page on files of the help shows a header before a point line: in both
// languages it is the header the program writes, and reading skips it.
TEST(PointListFiles, TheHelpsHeaderIsTheOneWrittenAndSkipped)
{
    for (const std::string language : {"eng", "ger"}) {
        SCOPED_TRACE(language);
        const std::string page = Slurp(MDX_SOURCE_DIR "/help/" + language + "/files.htm");
        const std::string open = "<pre>\r\n";
        const std::size_t start = page.find(open), end = page.find("</pre>");
        ASSERT_NE(start, std::string::npos);
        ASSERT_NE(end, std::string::npos);
        const std::string example = page.substr(start + open.size(), end - start - open.size());
        std::vector<std::string> header;
        std::size_t at = 0;
        for (std::size_t next; header.size() < 4 && (next = example.find("\r\n", at)) != std::string::npos;
             at = next + 2)
            header.push_back(example.substr(at, next - at));
        ASSERT_EQ(header.size(), 4u) << example;
        const std::string points = example.substr(at);
        ASSERT_FALSE(points.empty());

        std::string error;
        ASSERT_TRUE(calc::WriteLines("example.txt", calc::EllipsoidHeader(header[0], Val(header[1]), Val(header[2])),
                                     {std::string_view(points).substr(0, points.size() - 2)}, error));
        EXPECT_EQ(Slurp("example.txt"), example);
        EXPECT_EQ(calc::ReadPointListFile("example.txt").text, points);
    }
}

TEST(PointListFiles, BlankLinesLastLineAndShortFiles)
{
    Spit("blank.txt", "  \r\n\t\r\n\r\n");
    EXPECT_EQ(calc::ReadPointListFile("blank.txt").text, "");
    Spit("short.txt", "1 2 3\n4 5 6");
    EXPECT_EQ(calc::ReadPointListFile("short.txt").text, "1 2 3\r\n4 5 6\r\n");
    // Not the program's header: the second line is no 15-character number.
    Spit("nohead.txt", "name\r\n6378137\r\n6356752.3141000\r\n\r\n1 2 3\r\n");
    EXPECT_EQ(calc::ReadPointListFile("nohead.txt").text, "name\r\n6378137\r\n6356752.3141000\r\n1 2 3\r\n");
}

TEST(PointListFiles, MoreThan30000LinesAreRefused)
{
    std::string text;
    for (int i = 0; i < 30000; ++i) text += "1 2 3\r\n\r\n";
    Spit("full.txt", text);
    EXPECT_EQ(calc::ReadPointListFile("full.txt").status, calc::ReadStatus::Ok);
    Spit("over.txt", text + "4 5 6\r\n");
    calc::ListFile over = calc::ReadPointListFile("over.txt");
    EXPECT_EQ(over.status, calc::ReadStatus::TooManyLines);
    EXPECT_EQ(over.text, "");
}

// A line longer than a list can hold refuses the file with its line number,
// also a file of gigabytes without any line end, which is never read whole.
// A line of exactly the limit is no such line (but no list holds it with its
// line end).
TEST(PointListFiles, ALineLongerThanAListRefusesTheFile)
{
    const std::string fits(calc::kMaxListCharacters, '1');
    Spit("fits.txt", "1 2 3\r\n" + fits);
    EXPECT_EQ(calc::ReadPointListFile("fits.txt").status, calc::ReadStatus::TooManyCharacters);
    Spit("third.txt", "1 2 3\r\n\r\n" + fits + "1\r\n4 5 6\r\n");
    const calc::ListFile third = calc::ReadPointListFile("third.txt");
    EXPECT_EQ(third.status, calc::ReadStatus::LineTooLong);
    EXPECT_EQ(third.badLine, 3u);
    EXPECT_EQ(third.text, "");

    // 4 GiB of zero bytes, sparse where the file system allows.
    HANDLE h = CreateFileA("endless.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    LARGE_INTEGER size;
    size.QuadPart = 4LL << 30;
    ASSERT_TRUE(SetFilePointerEx(h, size, nullptr, FILE_BEGIN));
    ASSERT_TRUE(SetEndOfFile(h));
    CloseHandle(h);
    const calc::ListFile endless = calc::ReadPointListFile("endless.txt");
    DeleteFileA("endless.txt");
    EXPECT_EQ(endless.status, calc::ReadStatus::LineTooLong);
    EXPECT_EQ(endless.badLine, 1u);
    EXPECT_EQ(endless.text, "");
}

// The text kept, line ends included, may fill a list exactly; a character
// more refuses the file. The header the program writes is no part of it.
TEST(PointListFiles, MoreTextThanAListHoldsRefusesTheFile)
{
    const std::string header = "GRS 80\r\n6378137.0000000\r\n6356752.3141000\r\n\r\n";
    const std::string line(calc::kMaxListCharacters - 9, '7');  // with "1 2 3" and both line ends: the limit
    Spit("exact.txt", header + "1 2 3\r\n\r\n" + line + "\r\n");
    const calc::ListFile exact = calc::ReadPointListFile("exact.txt");
    EXPECT_EQ(exact.status, calc::ReadStatus::Ok);
    EXPECT_EQ(exact.text.size(), calc::kMaxListCharacters);
    Spit("over.txt", header + "1 2 3\r\n\r\n" + line + "7\r\n");
    const calc::ListFile over = calc::ReadPointListFile("over.txt");
    EXPECT_EQ(over.status, calc::ReadStatus::TooManyCharacters);
    EXPECT_TRUE(over.text.empty()) << over.text.size();
    // Three short lines that end beyond the limit.
    const std::string third(calc::kMaxListCharacters / 3, '5');
    Spit("short.txt", third + "\r\n" + third + "\r\n" + third);
    EXPECT_EQ(calc::ReadPointListFile("short.txt").status, calc::ReadStatus::TooManyCharacters);
}

// 300 lines of 2,900,000 characters (870 MB, sparse: a digit, then zero
// bytes up to the line end): each line fits a list, together they never
// do. The file is refused after its second line, neither read nor held
// whole.
TEST(PointListFiles, ManyLongLinesAreRefusedAtOnce)
{
    constexpr LONGLONG kLine = 2900000;
    HANDLE h = CreateFileA("many.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    for (LONGLONG i = 0; i < 300; ++i) {
        LARGE_INTEGER at;
        DWORD written = 0;
        at.QuadPart = i * (kLine + 2);
        ASSERT_TRUE(SetFilePointerEx(h, at, nullptr, FILE_BEGIN));
        ASSERT_TRUE(WriteFile(h, "1", 1, &written, nullptr));
        at.QuadPart += kLine;
        ASSERT_TRUE(SetFilePointerEx(h, at, nullptr, FILE_BEGIN));
        ASSERT_TRUE(WriteFile(h, "\r\n", 2, &written, nullptr));
    }
    CloseHandle(h);
    const SIZE_T peak = PeakMemory();
    const DWORD start = GetTickCount();
    const calc::ListFile many = calc::ReadPointListFile("many.txt");
    const DWORD took = GetTickCount() - start;
    const SIZE_T grown = PeakMemory() - peak;
    DeleteFileA("many.txt");
    EXPECT_EQ(many.status, calc::ReadStatus::TooManyCharacters);
    EXPECT_TRUE(many.text.empty()) << many.text.size();
    EXPECT_LT(grown, SIZE_T{64} << 20) << "the file is not held";
    EXPECT_LT(took, 20000u) << "the file is not read on";
}

int g_dispatches = 0;
void CountDispatch()
{
    ++g_dispatches;
}

// A long read dispatches the waiting messages as the computation does (every
// 26th line), so the window blinks and repaints meanwhile.
TEST(PointListFiles, ReadingDispatchesMessagesLineByLine)
{
    std::string text;
    for (int i = 0; i < 2600; ++i) text += "1 2 3\r\n";
    Spit("long.txt", text);
    g_dispatches = 0;
    const calc::MessageDispatcher previous = calc::SetMessageDispatcher(CountDispatch);
    const calc::ListFile read = calc::ReadPointListFile("long.txt");
    calc::SetMessageDispatcher(previous);
    EXPECT_EQ(read.text, text);
    EXPECT_GE(g_dispatches, 99);
    EXPECT_LE(g_dispatches, 101);
}

TEST(PointListFiles, FailuresCarryTheSystemText)
{
    calc::ListFile missing = calc::ReadPointListFile("no such file.txt");
    EXPECT_EQ(missing.status, calc::ReadStatus::Error);
    EXPECT_FALSE(missing.error.empty());

    std::string error;
    EXPECT_FALSE(calc::WriteLines("no such dir\\x.txt", {}, {"1"}, error));
    EXPECT_FALSE(error.empty());

    // A file locked by another opening can be neither replaced nor written.
    Spit("locked.txt", "old");
    HANDLE lock = CreateFileA("locked.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    error.clear();
    EXPECT_FALSE(calc::WriteLines("locked.txt", {}, {"1"}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(calc::ReadPointListFile("locked.txt").status, calc::ReadStatus::Error);
    CloseHandle(lock);
}

TEST(Protocol, EntriesOfOneRunFollowEachOtherAfterAFreshStart)
{
    Spit("protocol.log", "from an earlier run\r\n");
    HANDLE state = nullptr;
    calc::AppendProtocol(state, "protocol.log", "first");
    EXPECT_NE(state, nullptr);
    calc::AppendProtocol(state, "protocol.log", "second");
    EXPECT_EQ(Slurp("protocol.log"), "first\r\n\r\nsecond\r\n\r\n");

    HANDLE elsewhere = nullptr;
    calc::AppendProtocol(elsewhere, "no such dir\\protocol.log", "lost");
    EXPECT_EQ(elsewhere, nullptr);
}

TEST(Protocol, SameFileComparesFullPathsWithoutCase)
{
    EXPECT_TRUE(calc::IsSameFile("C:\\Data\\Protocol.LOG", "c:\\data\\sub\\..\\protocol.log"));
    EXPECT_FALSE(calc::IsSameFile("c:\\data\\protocol.log", "c:\\data\\protocol.txt"));
}

}  // namespace
