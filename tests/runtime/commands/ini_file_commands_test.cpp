// INI files: reading, writing, deleting sections and keys, and rewriting without losing lines.
#include <filesystem>

#include "file_script_test.h"

namespace {

const char* const kTwoSections = "[A]\r\nx=1\r\n[B]\r\ny=2\r\n";

class IniFileCommandsTest : public FileScriptTest {
protected:
    // Points the IniFile object at a.ini, runs the lines as event 0 and answers its return.
    CString Script(const std::string& lines)
    {
        Start(kIniFileWords + std::string("window MAIN\n  object IniFile ini\n  event 0\n") +
              Indent("@ini.SetFile(" + QuotedPath(Path("a.ini")) + ")\n" + lines));
        return Run("MAIN", 0);
    }
};

TEST_F(IniFileCommandsTest, ReadsValuesBySectionAndKeyExactly)
{
    WriteFile("a.ini", "top=0\r\n[A]\r\n  x = 1 \r\n[B]\r\ny=2\r\nx=3\r\n[A]\r\nx=late\r\n");
    EXPECT_EQ(Script("@Application.Return(@ini.Read(\"A\", \"x\") & \"|\" & @ini.Read(\"a\", \"x\") & \"|\" & "
                     "@ini.Read(\"B\", \"x\") & \"|\" & @ini.Read(\"A\", \"y\") & \"|\" & @ini.Read(\"\", \"top\") & "
                     "\"|\" & @ini.Read(\"C\", \"x\"))\n"),
              "1||3|||");
}

TEST_F(IniFileCommandsTest, WritingAddsKeysAfterTheirSectionAndSectionsAtTheEnd)
{
    struct Case {
        const char *before, *lines, *after;
    } cases[] = {
        {kTwoSections, "@ini.Write(\"B\", \"z\", 3)", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\nz=3\r\n"},
        {kTwoSections, "@ini.Write(\"A\", \"z\", 3)", "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
        {kTwoSections, "@ini.Write(\"C\", \"k\", \"v\")", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n[C]\r\nk=v\r\n"},
        {"[A]\r\n x = 1\r\n[B]\r\ny=2\r\n", "@ini.Write(\"A\", \"x\", 5)", "[A]\r\nx=5\r\n\r\n[B]\r\ny=2\r\n"},
        {"", "@ini.Write(\"S\", \"k\", \"v\")", "[S]\r\nk=v\r\n"},
        {"", "@ini.Write(\"S\", \"\", \"\")", "[S]\r\n"},
        {kTwoSections, "@ini.DeleteSection(\"A\")", "[B]\r\ny=2\r\n"},
        {kTwoSections, "@ini.DeleteSectionKeepFirst(\"A\")", "[A]\r\n\r\n[B]\r\ny=2\r\n"},
        {kTwoSections, "@ini.DeleteSection(\"C\")", kTwoSections},
        {kTwoSections, "@ini.DeleteKey(\"B\", \"y\")", "[A]\r\nx=1\r\n\r\n[B]\r\n"},
        {kTwoSections, "@ini.DeleteKey(\"B\", \"x\")", kTwoSections},
        {"[A]\r\nx=1\r\nx=2\r\n", "@ini.DeleteKey(\"A\", \"x\")", "[A]\r\n"},
    };
    for (const Case& c : cases) {
        WriteFile("a.ini", c.before);
        Script(std::string(c.lines) + "\n");
        EXPECT_EQ(ReadFile("a.ini"), c.after) << c.before << " " << c.lines;
    }
}

TEST_F(IniFileCommandsTest, RewritingKeepsLinesItDoesNotKnow)
{
    // Comments, keys before the first section, LF-only lines and a last line without a line end.
    WriteFile("a.ini", "; settings\ntop=0\n[A]\n# about x\nx=1\n[B]\ny=2");
    EXPECT_EQ(Script("@ini.Write(\"B\", \"z\", 3)\n@Application.Return(@ini.Read(\"B\", \"y\") & @ini.Read(\"A\", "
                     "\"x\"))\n"),
              "21");
    EXPECT_EQ(ReadFile("a.ini"), "; settings\r\ntop=0\r\n\r\n[A]\r\n# about x\r\nx=1\r\n\r\n[B]\r\ny=2\r\nz=3\r\n");
}

TEST_F(IniFileCommandsTest, NamingTheFile)
{
    // A missing file is created empty; a name that can be neither read nor created is refused and
    // the name set before stays.
    std::filesystem::create_directories(Path("folder"));
    EXPECT_EQ(Script("@Application.Return(@ini.SetFile(" + QuotedPath(Path("new.ini")) + ") & " + "@ini.SetFile(" +
                     QuotedPath(Path("none/x.ini")) + ") & @ini.SetFile(" + QuotedPath(Path("folder")) +
                     ") & @ini.Write(\"S\", \"k\", 1) & @ini.Read(\"S\", \"k\") & "
                     "@ini.Close() & @ini.Read(\"S\", \"k\") & @ini.Write(\"T\", \"k\", 1))\n"),
              "1001");
    EXPECT_EQ(ReadFile("new.ini"), "[S]\r\nk=1\r\n");
    EXPECT_EQ(ReadFile("a.ini"), "");  // made by the first SetFile, then left alone
}

}  // namespace
