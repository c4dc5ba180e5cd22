// Extension objects with plug-ins of our own carried by the project: loaded from their temporary
// files and told about their host, functions called with every parameter type, a plug-in that
// refuses, one without the optional exports, and the end of the program telling each plug-in once
// and leaving none of their files behind.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "file_hex.h"
#include "project_run.h"

namespace {

using qbktest::ProjectRun;

std::vector<std::string> Lines(const std::string& path)
{
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(ExtensionCommands, PluginsCalledAndToldOnce)
{
    const std::string longName(127, 'L');
    ProjectRun run(
        R"(
window MAIN
  caption "Plug-ins"   style 0x100B0001   rect 0 0 400 300
  event 16
    @out.SetText(@ext.GetFunctionCount() & "," & @ext.CallFunction("Describe", 12, "2.5", "abc", "skip", 7) & "," & @ext.CallFunction("Add", 2, 3) & "," & @ext.CallFunction("Half", 7) & "," & @ext.CallFunction("NullText") & "," & @ext.CallFunction("Silent") & "," & @ext.CallFunction("Count") & "," & @ext.CallFunction("Missing", 1) & "," & @ext.CallFunction(")" +
        longName + R"(") & "," & @ext.CallFunction(")" + longName +
        R"(L") & "," & @refusing.GetFunctionCount() & @refusing.CallFunction("Add", 1, 2) & "," & @bare.GetFunctionCount() & @bare.CallFunction("Add", 1, 2) & "," & @missing.GetFunctionCount() & @missing.CallFunction("Add", 1, 2))
  object Extension ext
    rect 10 10 100 20
    property "Extension" "Plugin.dll"
  object Extension refusing
    rect 10 40 100 20
    property "Extension" "refuse.dll"
  object Extension bare
    rect 10 70 100 20
    property "Extension" "bare.dll"
  object Extension missing
    rect 10 100 100 20
    property "Extension" "none.dll"
  object CheckBox out
    rect 10 200 380 20
file "plugin.dll" hex ")" +
        qbktest::FileHex(EXTENSION_PLUGIN_FULL) + "\"\nfile \"refuse.dll\" hex \"" +
        qbktest::FileHex(EXTENSION_PLUGIN_REFUSE) + "\"\nfile \"bare.dll\" hex \"" +
        qbktest::FileHex(EXTENSION_PLUGIN_BARE) + "\"\n");
    HWND main = run.Window("MAIN"), out = run.Control("MAIN", "out");
    ASSERT_TRUE(main && out);
    EXPECT_TRUE(run.WaitForText(out, "6,5:12|2.5|abc|7,5,3.5,,,1,,long,,0,03,0")) << ProjectRun::Text(out);
    EXPECT_EQ(ProjectRun::Text(run.Control("MAIN", "ext")), "full");
    EXPECT_EQ(ProjectRun::Text(run.Control("MAIN", "bare")), "bare");

    PostMessageA(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(run.WaitForExit(), 0);
    const std::vector<std::string> lines = Lines(run.Folder() + "plugin-log.txt");
    int destroyed = 0;
    std::vector<std::string> files;
    for (const std::string& line : lines) {
        if (line == "full destroy") ++destroyed;
        const size_t at = line.find(" child ");
        if (line.find(" create ") != std::string::npos) {
            EXPECT_NE(at, std::string::npos) << line;  // the control is a child of the window it was given
            if (at != std::string::npos) files.push_back(line.substr(at + 7));
        }
    }
    EXPECT_EQ(destroyed, 1);
    ASSERT_EQ(files.size(), 3u) << lines.size();
    for (const std::string& file : files) {
        EXPECT_NE(file.find("~qbktmp"), std::string::npos) << file;
        EXPECT_FALSE(Exists(file)) << file;
    }
}

}  // namespace
