// String lists: filled, searched, reordered and loaded.
#include "script_test_fixture.h"

#include "string_list_commands.h"

namespace {

class StringListCommandsTest : public ScriptTest {
protected:
    // A list holding the entries (joined by ","), then the lines; answers the expression.
    CString OnList(const std::string& entries, const std::string& lines, const std::string& expression,
                   const std::string& more = "")
    {
        std::string adds;
        size_t start = 0;
        while (start < entries.size()) {
            const size_t comma = entries.find(',', start);
            adds += "    @list.Add(\"" + entries.substr(start, comma - start) + "\")\n";
            start = comma == std::string::npos ? entries.size() : comma + 1;
        }
        Start("window MAIN\n  object StringList list\n  object DataStream stream\n" + more + "  event 0\n" + adds +
              lines + "    @Application.Return(" + expression + ")\n");
        return Run("MAIN", 0);
    }
    std::string Entries() const
    {
        const CStringArray& list = runtime_.FindWindowByName("MAIN")->Objects[12]->TextList;
        std::string joined;
        for (INT_PTR i = 0; i < list.GetSize(); ++i) joined += (i ? "|" : "") + list[i].Str();
        return joined;
    }
};

TEST(WildcardMatchTest, WholeTextAgainstWholePattern)
{
    struct Case {
        const char *text, *pattern;
        bool match;
    } cases[] = {
        {"abc", "a*c", true},
        {"abc", "*", true},
        {"abc", "a?c", true},
        {"abc", "abc*", true},
        {"abc", "*b*", true},
        {"abc", "ab", false},
        {"abc", "a?", false},
        {"abc", "????", false},
        {"abc", "*b", false},
        {"", "", true},
        {"", "***", true},
        {"", "?", false},
        {"ab", "a**b", true},
        {"axxb", "a**b", true},
        {"a", "a*?", false},
        {"mississippi", "m*iss*ppi", true},
        {"mississippi", "*sip*", true},
        {"mississippi", "*sip", false},
        {"Abc", "a*", false},
        {"a*c", "a?c", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WildcardMatch(c.text, c.pattern, '*', '?'), c.match) << c.text << " " << c.pattern;
    EXPECT_TRUE(WildcardMatch("a.b", "a%b", '#', '%'));
    EXPECT_FALSE(WildcardMatch("a.b", "a*b", '#', '%'));
}

TEST_F(StringListCommandsTest, EntriesByIndex)
{
    EXPECT_EQ(OnList("a,b,a", "",
                     "@list.GetCount() & @list.IndexOf(\"a\") & @list.IndexOf(\"B\") & @list.GetAt(1) & "
                     "@list.GetAt(3) & @list.GetAt(-1)"),
              "30-1b");
    EXPECT_EQ(OnList("A,B,C", "", "@list.InsertAt(-5, \"x\") & @list.InsertAt(1, \"y\") & @list.InsertAt(9, \"z\")"),
              "315");
    EXPECT_EQ(Entries(), "A|y|B|C|x|z");
    EXPECT_EQ(OnList("A,B,C", "    @list.RemoveAt(0)\n    @list.RemoveAt(2)\n", "@list.GetCount()"), "2");
    EXPECT_EQ(Entries(), "B|C");
    EXPECT_EQ(OnList("A,B,C", "    @list.SetAt(1, \"x\")\n    @list.SetAt(3, \"y\")\n",
                     "@list.Swap(0, 2) & @list.Swap(0, 3)"),
              "10");
    EXPECT_EQ(Entries(), "C|x|A");
    EXPECT_EQ(OnList("A,B,C", "    @list.SetAt(-1, \"q\")\n", "@list.GetCount()"), "3");
    EXPECT_EQ(Entries(), "q|q|q");
    EXPECT_EQ(OnList("A,B,C", "    @list.RemoveAll()\n", "@list.GetCount()"), "0");
}

TEST_F(StringListCommandsTest, FindMatchesAnswersTheMatchingIndices)
{
    EXPECT_EQ(OnList("apple,Banana,avocado", "", "@list.FindMatches(\"a*\", \"*?\")"), "0,2");
    EXPECT_EQ(OnList("apple,Banana,avocado", "", "@list.FindMatches(\"a*\", \"*\")"), "");
    EXPECT_EQ(OnList("apple,Banana,avocado", "", "@list.FindMatches(\"?a*\", \"*?\")"), "1");
    EXPECT_EQ(OnList("apple,Banana", "", "@list.FindMatches(\"z*\", \"*?\")"), "");
}

TEST_F(StringListCommandsTest, MovesShiftsCountsAndSorts)
{
    struct Case {
        const char* line;
        const char* result;
        const char* entries;
    } cases[] = {
        {"@list.Move(0, -1)", "2", "B|C|A"},         {"@list.Move(2, 0)", "0", "C|A|B"},
        {"@list.Move(1, 1)", "-1", "A|B|C"},         {"@list.Move(-1, 1)", "-1", "A|B|C"},
        {"@list.Shift(1, \"x\")", "", "x|A|B"},      {"@list.Shift(-1, \"x\")", "", "B|C|x"},
        {"@list.Shift(5, \"x\")", "", "x|x|x"},      {"@list.SetCount(-2)", "", ""},
        {"@list.SetCount(4)", "", "A|B|C|"},         {"@list.SetCount(1)", "", "A"},
        {"@list.SetCount(2147483647)", "", "A|B|C"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(OnList("A,B,C", "", c.line), c.result) << c.line;
        EXPECT_EQ(Entries(), c.entries) << c.line;
    }
    OnList("b,A,a,B,a", "    @list.Sort()\n", "1");
    EXPECT_EQ(Entries(), "A|B|a|a|b");
    OnList("b,c,a", "    @list.Shuffle()\n", "1");
    std::string sorted = Entries();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, "abc||") << "every entry once";
}

TEST_F(StringListCommandsTest, LoadsLinesFromFilesStreamsAndEmbeddedFiles)
{
    qbkw::WriteWholeFile(Path("crlf.txt"), "a\r\nb\r\n");
    qbkw::WriteWholeFile(Path("lf.txt"), "a\nb");
    qbkw::WriteWholeFile(Path("empty.txt"), "");
    qbkw::WriteWholeFile(Path("mixed.txt"), "\r\n\rxy\rz");
    auto load = [&](const std::string& file) { return OnList("old", "", "@list.LoadFile(" + Quote(Path(file)) + ")"); };
    EXPECT_EQ(load("crlf.txt"), "1");
    EXPECT_EQ(Entries(), "a|b");
    EXPECT_EQ(load("lf.txt"), "1");
    EXPECT_EQ(Entries(), "a\nb");
    EXPECT_EQ(load("mixed.txt"), "1");
    EXPECT_EQ(Entries(), "||y") << "the byte after each carriage return is dropped";
    EXPECT_EQ(load("empty.txt"), "0");
    EXPECT_EQ(Entries(), "old");
    EXPECT_EQ(load("missing.txt"), "0");
    EXPECT_EQ(Entries(), "old");

    EXPECT_EQ(
        OnList(
            "old", "    @stream.Create()\n    @stream.WriteLine(\"one\")\n    @stream.WriteText(\"two\")\n",
            "@list.LoadFromObject(13) & @stream.GetPosition() & @list.LoadFromObject(12) & @list.LoadFromObject(99)"),
        "1000");
    EXPECT_EQ(Entries(), "one|two");
    EXPECT_EQ(OnList("old", "", "@list.LoadFromObject(13)"), "0") << "a stream object without its stream";
    EXPECT_EQ(Entries(), "old");

    const std::string file = "file \"Lines.TXT\" text \"x\\r\\ny\"\n";
    EXPECT_EQ(OnList("old", "", "@list.LoadEmbedded(\"lines.txt\") & @list.LoadEmbedded(\"none.txt\")", ""), "00");
    Start(
        "window MAIN\n  object StringList list\n  event 0\n    @Application.Return(@list.LoadEmbedded(\"lines.txt\") & "
        "@list.LoadEmbedded(\"none.txt\"))\n" +
        file);
    EXPECT_EQ(Run("MAIN", 0), "10");
    EXPECT_EQ(Entries(), "x|y");
}

}  // namespace
