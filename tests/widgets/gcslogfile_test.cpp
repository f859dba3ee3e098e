// The log file: opening, entry formats, reading back, and text that could
// not be written reaching the file once.
#include "widgets/gcslogfile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using widgets::GcsLogFile;

constexpr const char* kLog = "gcslogfile_test.log";

std::string Contents(const char* name = kLog)
{
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const std::string& contents)
{
    std::ofstream(kLog, std::ios::binary) << contents;
}

// The text with every digit shown as 9, so that date and time compare.
std::string Shape(std::string text)
{
    for (char& c : text)
        if (std::isdigit(static_cast<unsigned char>(c))) c = '9';
    return text;
}

class LogFileTest : public ::testing::Test {
protected:
    LogFileTest() { DeleteFileA(kLog); }
    ~LogFileTest() override { DeleteFileA(kLog); }
};

TEST_F(LogFileTest, OpeningCreatesEmptiesOrAppendsAsTheAppendFlagSays)
{
    struct Case {
        const char* before;  // null: no file
        bool append;
        const char* after;
    };
    const Case cases[] = {
        {nullptr, true, "new\r\n"},
        {nullptr, false, "new\r\n"},
        {"old\r\n", false, "new\r\n"},
        {"old\r\n", true, "old\r\nnew\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.before ? c.before : "(none)") + (c.append ? " append" : " anew"));
        DeleteFileA(kLog);
        if (c.before) Put(c.before);
        GcsLogFile log(kLog, true, false, false, c.append);
        ASSERT_TRUE(log.IsOpen());
        EXPECT_EQ(log.FileName(), kLog);
        EXPECT_TRUE(log.Write("new"));
        EXPECT_TRUE(log.Close());
        EXPECT_FALSE(log.IsOpen());
        EXPECT_EQ(Contents(), c.after);
    }
}

TEST_F(LogFileTest, EntriesCarryTheirPrefixesAndLineEnd)
{
    struct Case {
        bool lineEnd, date, time, writeLine;
        const char* text;
        const char* shape;
    };
    const Case cases[] = {
        {true, false, false, false, "abc", "abc\r\n"},
        {true, false, false, false, "", "\r\n"},
        {false, false, false, false, "abc", "abc"},
        {true, true, false, false, "abc", "99999999 abc\r\n"},
        {true, false, true, false, "abc", "99:99:99 abc\r\n"},
        {true, true, true, false, "abc", "99999999 99:99:99 abc\r\n"},
        {false, true, true, true, "abc", "abc\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.shape);
        GcsLogFile log(kLog, c.lineEnd, c.date, c.time, false);
        EXPECT_TRUE(c.writeLine ? log.WriteLine(c.text) : log.Write(c.text));
        EXPECT_EQ(log.Buffer(), "");
        log.Close();
        EXPECT_EQ(Shape(Contents()), c.shape);
    }
}

TEST_F(LogFileTest, ReadingBackLineByLine)
{
    GcsLogFile log(kLog);
    EXPECT_EQ(log.Size(), 0);
    EXPECT_TRUE(log.Eof());
    for (const char* line : {"one", "two", "three"}) log.WriteLine(line);
    EXPECT_EQ(log.LineCount(), 0);
    log.GoTop();
    EXPECT_EQ(log.LineCount(), 3);
    EXPECT_TRUE(log.Eof());

    log.GoTop();
    EXPECT_EQ(log.ReadLine(), "one");
    EXPECT_EQ(log.LastError(), 0u);
    EXPECT_TRUE(log.Seek(5));
    EXPECT_EQ(log.ReadLine(), "three");
    EXPECT_TRUE(log.Eof());
    EXPECT_EQ(log.ReadLine(), "");
    EXPECT_EQ(log.LastError(), static_cast<DWORD>(ERROR_HANDLE_EOF));

    EXPECT_FALSE(log.Seek(0, FS_END));
    EXPECT_TRUE(log.Seek(0, FS_SET));
    EXPECT_EQ(log.Size(), 17);
    EXPECT_TRUE(log.Eof());
    log.GoTop();
    log.GoBottom();
    EXPECT_TRUE(log.Eof());
}

TEST_F(LogFileTest, ALineLongerThanTheLimitCountsOnce)
{
    Put("abcdefgh\r\nxy");
    GcsLogFile log(kLog, true, false, false, true, 4);
    log.GoTop();
    EXPECT_EQ(log.LineCount(), 2);
    log.GoTop();
    EXPECT_EQ(log.ReadLine(), "abcd");
    EXPECT_EQ(log.ReadLine(), "xy");
}

TEST_F(LogFileTest, TextThatCouldNotBeWrittenGoesFirstOnce)
{
    GcsLogFile log(kLog);
    FWriteFailNext();
    EXPECT_FALSE(log.Write("first"));
    EXPECT_EQ(log.LastError(), static_cast<DWORD>(ERROR_WRITE_FAULT));
    EXPECT_EQ(log.Buffer(), "first\r\n");
    EXPECT_TRUE(log.Write("second"));
    EXPECT_EQ(log.Buffer(), "");
    FWriteFailNext();
    EXPECT_FALSE(log.WriteLine("lost line"));
    EXPECT_EQ(log.Buffer(), "");
    log.Close();
    EXPECT_EQ(Contents(), "first\r\nsecond\r\n");
}

TEST_F(LogFileTest, CloseWritesPendingTextOnceAndUnchanged)
{
    GcsLogFile log(kLog, true, true, true);
    FWriteFailNext();
    EXPECT_FALSE(log.Write("kept"));
    std::string pending = log.Buffer();
    EXPECT_TRUE(log.Close());
    EXPECT_EQ(Contents(), pending);
    EXPECT_TRUE(log.Close());
    EXPECT_EQ(Contents(), pending);
}

TEST_F(LogFileTest, PendingTextThatStillCannotBeWrittenMakesCloseFalse)
{
    GcsLogFile log(kLog);
    FWriteFailNext();
    log.Write("kept");
    FWriteFailNext();
    EXPECT_FALSE(log.Close());
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(log.Buffer(), "kept\r\n");
    EXPECT_EQ(Contents(), "");
}

TEST_F(LogFileTest, AnObjectDroppedOpenClosesItsFileWithItsPendingText)
{
    {
        GcsLogFile log(kLog);
        FWriteFailNext();
        log.Write("kept");
    }
    HANDLE file = FOpen(kLog, FO_READWRITE | FO_EXCLUSIVE);
    EXPECT_NE(file, F_ERROR);
    FClose(file);
    EXPECT_EQ(Contents(), "kept\r\n");
}

TEST_F(LogFileTest, AFileThatDidNotOpenKeepsEveryEntry)
{
    GcsLogFile log("no such folder\\gcslogfile_test.log");
    EXPECT_FALSE(log.IsOpen());
    EXPECT_EQ(log.LastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(log.Write("a"));
    EXPECT_FALSE(log.Write("b"));
    EXPECT_FALSE(log.WriteLine("c"));
    EXPECT_EQ(log.Buffer(), "a\r\nb\r\n");
    EXPECT_TRUE(log.Eof());
    EXPECT_EQ(log.LineCount(), 0);
    EXPECT_EQ(log.ReadLine(), "");
    EXPECT_TRUE(log.Close());
}

}  // namespace
