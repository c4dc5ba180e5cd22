#include "KPath.h"

#include "kstring_print.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string CurrentFolder()
{
    char buffer[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, buffer);
    std::string folder = buffer;
    if (folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

TEST(KPathSet, ClassifiesAndSplits)
{
    struct Case {
        const char* input;
        int kind;
        const char* root;
        const char* folder;
        const char* name;
    };
    const Case cases[] = {
        {"http://host.example/dir/page.html", KPath::Url, "http://host.example/", "dir/", "page.html"},
        {"http://host.example", KPath::Url, "http://host.example", "", ""},
        {"ftp://h/", KPath::Url, "ftp://h/", "", ""},
        {"//server/share/f.txt", KPath::Network, "//server/", "share/", "f.txt"},
        {"//server", KPath::Network, "//server/", "", ""},
        {"//", KPath::Network, "///", "", ""},
        {"C:\\games\\zorvane\\zorvane.exe", KPath::Local, "C:\\", "games\\zorvane\\", "zorvane.exe"},
        {"C:\\file.txt", KPath::Local, "C:\\", "", "file.txt"},
        {"C:\\a\\b/c.txt", KPath::Local, "C:\\", "a\\b\\", "c.txt"},
        // A backslash counts before any "/" that follows it.
        {"http://h/a\\b/c", KPath::Url, "http://h/", "a\\", "b/c"},
        {"C:\\a\\..\\b\\.\\c.txt", KPath::Local, "C:\\", "b\\", "c.txt"},
    };
    for (const Case& c : cases) {
        KPath p;
        EXPECT_EQ(p.Set(c.input), c.kind) << c.input;
        EXPECT_EQ(p.GetInput(), c.input);
        EXPECT_EQ(p.GetRoot(), c.root) << c.input;
        EXPECT_EQ(p.GetFolder(), c.folder) << c.input;
        EXPECT_EQ(p.GetFileName(), c.name) << c.input;
    }
}

TEST(KPathSet, CompletesLocalPaths)
{
    std::string here = CurrentFolder();
    KPath p;
    EXPECT_EQ(p.Set("."), KPath::Local);
    EXPECT_EQ(p.GetFull(), here.c_str());
    EXPECT_EQ(p.GetFileName(), "");
    EXPECT_EQ((p.GetRoot() + p.GetFolder().c_str()), here.c_str());

    EXPECT_EQ(p.Set("data\\level.dat"), KPath::Local);
    EXPECT_EQ(p.GetFull(), (here + "data\\level.dat").c_str());
    EXPECT_EQ(p.GetFileName(), "level.dat");

    KPath fresh;
    EXPECT_EQ(fresh.GetKind(), KPath::Invalid);
    EXPECT_EQ(fresh.GetRoot(), "");
    EXPECT_EQ(fresh.GetFolder(), "");
    EXPECT_EQ(fresh.GetFileName(), "");
}

TEST(KPathSet, FullPathLongerThanTheBufferFails)
{
    std::string longPath = "C:\\" + std::string(1100, 'a') + "\\file.txt";
    KPath p;
    EXPECT_EQ(p.Set(longPath.c_str()), KPath::Invalid);
    EXPECT_EQ(p.GetFull(), "");
    EXPECT_EQ(p.GetFileName(), "");
    std::string fits = "C:\\" + std::string(200, 'b');
    EXPECT_EQ(p.Set(fits.c_str()), KPath::Local);
    EXPECT_EQ(p.GetFull().Length(), 203);
    EXPECT_EQ(p.Set(""), KPath::Invalid);
}

TEST(KPathFiles, ExistsAndSize)
{
    std::string file = scratch::Path("exists.txt");
    ASSERT_TRUE(scratch::WriteFile(file, "12345"));
    KPath p;
    EXPECT_TRUE(p.Exists(file.c_str()));
    EXPECT_TRUE(p.Exists(scratch::Folder().c_str()));
    EXPECT_FALSE(p.Exists(scratch::Path("nothing.txt").c_str()));
    EXPECT_FALSE(p.Exists(""));
    EXPECT_FALSE(p.Exists(nullptr));
    EXPECT_EQ(KPath::FileSize(file.c_str()), 5);
}

// A small tree of files: root\a.mp3, root\b.txt, root\sub\c.mp3, root\sub\deeper\d.mp3.
class FolderScan : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = scratch::Path("scan\\");
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA((root + "sub").c_str(), nullptr);
        CreateDirectoryA((root + "sub\\deeper").c_str(), nullptr);
        for (const char* name : {"a.mp3", "b.txt", "sub\\c.mp3", "sub\\deeper\\d.mp3"}) {
            ASSERT_TRUE(scratch::WriteFile(root + name, "x"));
        }
    }
    std::vector<std::string> Scan(const std::string& pattern, bool recurse, bool folders, bool files, int* count)
    {
        KStringList list;
        list.Add("earlier");
        KPath p;
        *count = p.FindFiles(list, pattern.c_str(), recurse, folders, files);
        std::vector<std::string> names;
        for (int i = 1; i < list.GetCount(); ++i) {
            std::string name = list.GetAt(i).c_str();
            names.push_back(name.substr(0, root.size()) == root ? name.substr(root.size()) : name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string root;
};

TEST_F(FolderScan, WildcardsFoldersAndRecursion)
{
    using Names = std::vector<std::string>;
    struct Case {
        const char* mask;
        bool recurse;
        bool folders;
        bool files;
        Names names;
    };
    const Case cases[] = {
        {"*.mp3", false, false, true, {"a.mp3"}},
        {"*.mp3", true, false, true, {"a.mp3", "sub\\c.mp3", "sub\\deeper\\d.mp3"}},
        {"*.*", false, true, false, {"sub\\"}},
        {"*.mp3", true, true, true, {"a.mp3", "sub\\", "sub\\c.mp3", "sub\\deeper\\", "sub\\deeper\\d.mp3"}},
        {"*.wav", true, false, true, {}},
        {"a.mp3", false, false, true, {}},  // no "*": nothing is appended
        {"?.mp3", true, false, true, {}},
    };
    for (const Case& c : cases) {
        int count = -1;
        Names names = Scan(root + c.mask, c.recurse, c.folders, c.files, &count);
        EXPECT_EQ(names, c.names) << c.mask << " recurse " << c.recurse << " folders " << c.folders;
        EXPECT_EQ(count, static_cast<int>(c.names.size())) << c.mask;
    }
}

TEST_F(FolderScan, RelativePatternsAndForwardSlashes)
{
    std::string saved = CurrentFolder();
    ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
    KStringList list;
    KPath p;
    int count = p.FindFiles(list, "sub/*.mp3", false, false, true);
    int plain = p.FindFiles(list, "*.txt", false, false, true);
    SetCurrentDirectoryA(saved.c_str());
    EXPECT_EQ(count, 1);
    EXPECT_EQ(plain, 1);
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_EQ(list.GetAt(0), "sub/c.mp3");
    EXPECT_EQ(list.GetAt(1), "b.txt");
}

#ifdef ZV_LOOP_TREE
// A folder that holds a link back to its parent (made by the build): the scan ends.
TEST(FolderScanLinks, LinkBackToAnOpenFolderIsNotFollowed)
{
    std::string tree = ZV_LOOP_TREE;
    KStringList list;
    KPath p;
    int count = p.FindFiles(list, (tree + "\\*.txt").c_str(), true, false, true);
    std::vector<std::string> names;
    for (int i = 0; i < list.GetCount(); ++i) {
        names.push_back(list.GetAt(i).c_str() + tree.size() + 1);
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(count, list.GetCount());
    ASSERT_GE(names.size(), 2u);
    EXPECT_EQ(names[0], "a.txt");
    EXPECT_EQ(names[1], "sub\\b.txt");
    EXPECT_LE(names.size(), 3u);  // at most one pass through the link
}
#endif

}  // namespace
