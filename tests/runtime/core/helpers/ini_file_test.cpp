#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ini_file.h"
#include "scratch_folder.h"

namespace {

struct Rows {
    CStringArray s, k, v;
    std::vector<std::string> Flat() const
    {
        std::vector<std::string> out;
        for (INT_PTR i = 0; i < s.GetSize(); ++i)
            out.push_back(std::string(s[i].GetString()) + "|" + k[i].GetString() + "|" + v[i].GetString());
        return out;
    }
};

using V = std::vector<std::string>;

}  // namespace

using IniFileTest = ScratchFolderTest;

TEST_F(IniFileTest, ReadsSectionsKeysAndFlags)
{
    WriteBytes("a.ini", "top=0\r\n[A]\r\n  x = 1 \r\n=skip\r\n[B]\r\ny=2\r\nx=dup\r\n");
    Rows r;
    EXPECT_EQ(ReadIniFile(Path("a.ini"), r.s, r.k, r.v, "A", "x"), 0);
    EXPECT_EQ(r.Flat(), (V{"|top|0", "A||", "A|x|1", "A||=skip", "B||", "B|y|2", "B|x|dup"}));
    EXPECT_EQ(ReadIniFile(Path("a.ini"), r.s, r.k, r.v, "A", "y"), 2);
    EXPECT_EQ(ReadIniFile(Path("a.ini"), r.s, r.k, r.v, "a", "x"), 3);  // case counts
    EXPECT_EQ(ReadIniFile(Path("a.ini"), r.s, r.k, r.v, "C", "y"), 3);
    EXPECT_EQ(ReadIniFile(Path("a.ini"), r.s, r.k, r.v, "", "top"), 1);
}

TEST_F(IniFileTest, LineEndsOfEveryKindAndALastLineWithoutEnd)
{
    struct Case {
        const char* bytes;
    } cases[] = {
        {"[S]\r\nk=v"},
        {"[S]\nk=v\n"},
        {"[S]\rk=v\r"},
        {"\n\n[S]\r\n\r\nk=v"},
    };
    for (const auto& c : cases) {
        WriteBytes("e.ini", c.bytes);
        Rows r;
        EXPECT_EQ(ReadIniFile(Path("e.ini"), r.s, r.k, r.v, "S", "k"), 0) << c.bytes;
        EXPECT_EQ(r.Flat(), (V{"S||", "S|k|v"})) << c.bytes;
    }
}

TEST_F(IniFileTest, MissingOrEmptyFileIsMinusOne)
{
    Rows r;
    r.s.Add("stale");
    EXPECT_EQ(ReadIniFile(Path("none.ini"), r.s, r.k, r.v, "A", "x"), -1);
    EXPECT_EQ(r.s.GetSize(), 0);
    WriteBytes("empty.ini", "");
    EXPECT_EQ(ReadIniFile(Path("empty.ini"), r.s, r.k, r.v, "A", "x"), -1);
}

TEST_F(IniFileTest, WritesTheNormalisedForm)
{
    Rows r;
    for (auto row : {V{"A", "", ""}, V{"A", "x", "1"}, V{"B", "", ""}, V{"B", "y", "2"}, V{"B", "z", "3"}}) {
        r.s.Add(row[0].c_str());
        r.k.Add(row[1].c_str());
        r.v.Add(row[2].c_str());
    }
    ASSERT_TRUE(WriteIniFile(Path("w.ini"), r.s, r.k, r.v));
    EXPECT_EQ(ReadBytes("w.ini"), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\nz=3\r\n");
    EXPECT_FALSE(WriteIniFile(Path("missing") + Sep() + "w.ini", r.s, r.k, r.v));
}

TEST_F(IniFileTest, ReadWriteRoundTripKeepsCommentsAndLeadingKeys)
{
    const std::string text =
        "; settings\r\nmode=fast\r\n\r\n[A]\r\n# note\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n[A]\r\nw=3\r\n";
    WriteBytes("c.ini", text);
    Rows r;
    ReadIniFile(Path("c.ini"), r.s, r.k, r.v, "A", "x");
    ASSERT_TRUE(WriteIniFile(Path("c.ini"), r.s, r.k, r.v));
    EXPECT_EQ(ReadBytes("c.ini"), text);
    // A second cycle changes nothing more (no growing blank lines).
    ReadIniFile(Path("c.ini"), r.s, r.k, r.v, "A", "x");
    ASSERT_TRUE(WriteIniFile(Path("c.ini"), r.s, r.k, r.v));
    EXPECT_EQ(ReadBytes("c.ini"), text);
}

TEST_F(IniFileTest, LoneLineFeedFileSurvivesAnUpdate)
{
    WriteBytes("lf.ini", "[A]\nx=1\ny=2\n");
    Rows r;
    ASSERT_EQ(ReadIniFile(Path("lf.ini"), r.s, r.k, r.v, "A", "y"), 0);
    r.v[2] = "5";
    ASSERT_TRUE(WriteIniFile(Path("lf.ini"), r.s, r.k, r.v));
    EXPECT_EQ(ReadBytes("lf.ini"), "[A]\r\nx=1\r\ny=5\r\n");
}
