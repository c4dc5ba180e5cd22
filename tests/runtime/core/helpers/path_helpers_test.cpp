#include <gtest/gtest.h>

#include "path_helpers.h"

TEST(PathHelpersTest, PartsOfPathsByTable)
{
    struct Case {
        const char* path;
        const char* name;
        const char* title;
        const char* ext;
        const char* noExt;
    } cases[] = {
        {"C:\\dir\\file.txt", "file.txt", "file", ".txt", "C:\\dir\\file"},
        {"C:\\dir.old\\file", "file", "file", "", ""},
        {"name", "name", "name", "", ""},
        {"name.tar.gz", "name.tar.gz", "name.tar", ".gz", "name.tar"},
        {"a/b/c.d", "c.d", "c", ".d", "a/b/c"},
        {"a\\b/c.d", "b/c.d", "b/c", ".d", "a\\b/c"},  // '/' only counts without any '\'
        {"C:\\dir\\", "", "", "", ""},
        {"", "", "", "", ""},
        {".profile", ".profile", "", ".profile", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFileName(c.path), c.name) << c.path;
        EXPECT_EQ(GetFileTitle(c.path), c.title) << c.path;
        EXPECT_EQ(GetFileExtPart(c.path), c.ext) << c.path;
        EXPECT_EQ(GetPathWithoutExtension(c.path), c.noExt) << c.path;
        EXPECT_EQ(GetFileNamePart(c.path), GetFileName(c.path));
        EXPECT_EQ(GetFileTitlePart(c.path), GetFileTitle(c.path));
    }
}

TEST(PathHelpersTest, DrivesAndFolders)
{
    struct Case {
        const char* path;
        const char* drive;
        const char* folder;
    } cases[] = {
        {"C:", "C:\\", ""},
        {"C:\\dir\\sub\\f.txt", "C:\\", "dir\\sub\\"},
        {"\\\\server\\share\\f", "\\", "\\server\\share\\"},
        {"//server/share/f", "/", "/server/share/"},
        {"\\x", "", ""},
        {"x", "", ""},
        {"", "", ""},
        {"rel\\f.txt", "", ""},
        {"a:b:c\\d\\e", "a:\\", "d\\"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetDrive(c.path), c.drive) << c.path;
        EXPECT_EQ(GetPathDrive(c.path), c.drive) << c.path;
        EXPECT_EQ(GetFolderWithoutDrive(c.path), c.folder) << c.path;
        EXPECT_EQ(SplitPathAtSlash(c.path), c.folder) << c.path;
    }
}
