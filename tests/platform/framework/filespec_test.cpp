#include <gtest/gtest.h>

#include "platform/framework/filespec.h"

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
        FileSpec spec(c.name);
        EXPECT_EQ(spec.FullPath(), c.name);
        EXPECT_EQ(spec.Drive(), c.drive);
        EXPECT_EQ(spec.Path(), c.path);
        EXPECT_EQ(spec.FileName(), c.file);
        EXPECT_EQ(spec.Extension(), c.extension);
    }
}

}  // namespace
