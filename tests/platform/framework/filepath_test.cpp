#include <gtest/gtest.h>

#include "platform/framework/filepath.h"

namespace {

TEST(FileSpecTest, SplitsNamesIntoDrivePathNameAndExtension)
{
    struct Case {
        const char* name;
        const char* drive;
        const char* path;
        const char* file;
        const char* extension;
    };
    const Case cases[] = {
        {"C:\\daten\\koord\\liste.txt", "C:", "\\daten\\koord\\", "liste", ".txt"},
        {"c:\\helmert.txt", "c:", "\\", "helmert", ".txt"},
        {"d:liste", "d:", "", "liste", ""},
        {"\\\\server\\share\\a\\b.kns", "\\\\server\\share", "\\a\\", "b", ".kns"},
        {"relativ\\x.y.z", "", "relativ\\", "x.y", ".z"},
        {"C:\\ordner.neu\\datei", "C:", "\\ordner.neu\\", "datei", ""},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FileSpec file(c.name);
        EXPECT_EQ(file.FullPath(), c.name);
        EXPECT_EQ(file.Drive(), c.drive);
        EXPECT_EQ(file.Path(), c.path);
        EXPECT_EQ(file.FileName(), c.file);
        EXPECT_EQ(file.Extension(), c.extension);
    }
}

}  // namespace
