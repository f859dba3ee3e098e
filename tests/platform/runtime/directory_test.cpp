#include "platform/runtime/directory.h"
#include "platform/runtime/files.h"
#include "platform/runtime/system.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

void MakeFile(const std::string& name, const std::string& bytes)
{
    HANDLE f = FCreate(name);
    ASSERT_NE(f, F_ERROR);
    FWrite(f, bytes);
    FClose(f);
}

std::vector<std::string> Names(const std::vector<DirEntry>& entries)
{
    std::vector<std::string> names;
    for (const auto& e : entries) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
}

class DirectoryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreateDirectoryA("listing", nullptr);
        CreateDirectoryA("listing\\sub.pts", nullptr);
        RemoveDirectoryA("listing\\new");
        SetFileAttributesA("listing\\hidden.pts", FILE_ATTRIBUTE_NORMAL);  // so that it can be made anew
        MakeFile("listing\\a.pts", "12345");
        MakeFile("listing\\b.pts", "");
        MakeFile("listing\\c.txt", "x");
        MakeFile("listing\\hidden.pts", "h");
        SetFileAttributesA("listing\\hidden.pts", FILE_ATTRIBUTE_HIDDEN);
    }
};

TEST_F(DirectoryTest, ListingHonoursMaskAndAttributes)
{
    using List = std::vector<std::string>;
    EXPECT_EQ(Names(Directory("listing\\*.pts")), (List{"a.pts", "b.pts"}));
    EXPECT_EQ(Names(Directory("listing\\*.pts", FA_HIDDEN)), (List{"a.pts", "b.pts", "hidden.pts"}));
    EXPECT_EQ(Names(Directory("listing\\*.pts", FA_DIRECTORY)), (List{"a.pts", "b.pts", "sub.pts"}));
    EXPECT_EQ(Names(Directory("listing\\*", FA_DIRECTORY)),
              (List{"a.pts", "b.pts", "c.txt", "sub.pts"}));  // no "." or ".."
    EXPECT_TRUE(Directory("listing\\*.none").empty());
    EXPECT_TRUE(Directory("missing folder\\*.pts").empty());
}

TEST_F(DirectoryTest, EntryCarriesSizeDateAndTime)
{
    auto entries = Directory("listing\\a.pts");
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].size, 5u);
    EXPECT_EQ(entries[0].date, TodaySortable());
    ASSERT_EQ(entries[0].time.size(), 8u);
    EXPECT_EQ(entries[0].time[2], ':');
    EXPECT_EQ(entries[0].time[5], ':');
}

TEST_F(DirectoryTest, FirstMatchSeesDirectoriesOnlyWhenAsked)
{
    EXPECT_TRUE(FFirst("listing\\c.txt"));
    EXPECT_FALSE(FFirst("listing\\sub.pts"));
    EXPECT_TRUE(FFirst("listing\\sub.pts", FA_DIRECTORY));
    EXPECT_TRUE(FFirst("listing", FA_DIRECTORY));
    EXPECT_FALSE(FFirst("listing\\*.none", FA_DIRECTORY));
}

TEST_F(DirectoryTest, MakeCopyAndErase)
{
    EXPECT_EQ(MakeDir("listing\\new"), 0u);
    EXPECT_TRUE(FFirst("listing\\new", FA_DIRECTORY));
    EXPECT_EQ(MakeDir("listing\\sub.pts"), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(MakeDir("listing\\no\\deeper"), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
    EXPECT_TRUE(FCopy("listing\\a.pts", "listing\\c.txt"));  // overwrites
    EXPECT_EQ(Directory("listing\\c.txt")[0].size, 5u);
    EXPECT_FALSE(FCopy("listing\\missing", "listing\\d.txt"));
    EXPECT_EQ(FError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(FErase("listing\\c.txt"));
    EXPECT_FALSE(FileExists("listing\\c.txt"));
    EXPECT_FALSE(FErase("listing\\c.txt"));
    EXPECT_EQ(FError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
