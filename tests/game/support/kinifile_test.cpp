#include "KIniFile.h"

#include "kstring_print.h"
#include "scratch.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// An INI object in stream mode holding the given text.
class IniText : public ::testing::Test {
protected:
    void Use(const std::string& text)
    {
        KMemStream source;
        source.WriteText(text.c_str(), static_cast<int>(text.size()));
        ASSERT_TRUE(ini.LoadFromStream(&source));
    }
    std::string Text()
    {
        KMemStream& s = ini.GetStream();
        return std::string(reinterpret_cast<const char*>(s.GetData()), static_cast<size_t>(s.Size()));
    }
    KIniFile ini;
};

TEST_F(IniText, GetValueFindsKeysOfTheirSection)
{
    Use("; settings\r\n[VIDEO]\r\nWIDTH=800\r\nHEIGHT=600\r\n"
        "[AUDIO]\r\nSOUND=1\r\nNAME = x\r\nTITLE= a b \r\nEMPTY=\r\nEQ=a=b\r\n"
        "  [SPACED]\r\nSPACEDKEY=5\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"video", "width", "800"},
        {"VIDEO", "HEIGHT", "600"},
        {"Audio", "Sound", "1"},
        {"VIDEO", "SOUND", ""},
        {"AUDIO", "WIDTH", ""},
        {"AUDIO", "NAME", ""},
        {"AUDIO", "NAME ", " x"},
        {"AUDIO", "TITLE", " a b "},
        {"AUDIO", "EMPTY", ""},
        {"AUDIO", "EQ", "a=b"},
        {"MISSING", "WIDTH", ""},
        {"spaced", "SPACEDKEY", "5"},
        // A header with leading blanks is found, but does not end the section before it.
        {"AUDIO", "SPACEDKEY", "5"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ini.GetValue(c.section, c.key), c.value) << c.section << "/" << c.key;
    }
    EXPECT_EQ(ini.FindSection(ini.GetStream(), "audio"), static_cast<int>(Text().find("[AUDIO]")));
    EXPECT_EQ(ini.FindKey(ini.GetStream(), "video", "height"), static_cast<int>(Text().find("HEIGHT")));
    EXPECT_EQ(ini.FindKey(ini.GetStream(), "video", "nothing"), -1);
    EXPECT_EQ(ini.FindSection(ini.GetStream(), "nothing"), -1);
}

TEST_F(IniText, LinesEndedByLoneLineFeeds)
{
    Use("[VIDEO]\nWIDTH=1024\nHEIGHT=768\r\n[AUDIO]\nMUSIC=0");
    EXPECT_EQ(ini.GetValue("VIDEO", "WIDTH"), "1024");
    EXPECT_EQ(ini.GetValue("VIDEO", "HEIGHT"), "768");
    EXPECT_EQ(ini.GetValue("AUDIO", "MUSIC"), "0");
    EXPECT_EQ(ini.GetValue("VIDEO", "MUSIC"), "");
    ASSERT_TRUE(ini.SetValue("VIDEO", "WIDTH", "640"));
    EXPECT_EQ(Text(), "[VIDEO]\nWIDTH=640\nHEIGHT=768\r\n[AUDIO]\nMUSIC=0");
    ASSERT_TRUE(ini.SetValue("AUDIO", "SOUND", "1"));
    EXPECT_EQ(Text(), "[VIDEO]\nWIDTH=640\nHEIGHT=768\r\n[AUDIO]\nSOUND=1\r\nMUSIC=0");
}

TEST_F(IniText, SetValueAddsSectionsKeysAndReplacesValues)
{
    struct Case {
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    };
    const Case cases[] = {
        // A new section on an empty text: exactly the two lines.
        {"", "VIDEO", "WIDTH", "800", "[VIDEO]\r\nWIDTH=800\r\n"},
        // A new section after text: the last line is ended, then one empty line.
        {"[A]\r\nK=1\r\n", "B", "X", "2", "[A]\r\nK=1\r\n\r\n[B]\r\nX=2\r\n"},
        {"[A]\r\nK=1", "B", "X", "2", "[A]\r\nK=1\r\n\r\n[B]\r\nX=2\r\n"},
        // A new key becomes the section's first key.
        {"[A]\r\nK=1\r\n[B]\r\nY=3\r\n", "b", "X", "2", "[A]\r\nK=1\r\n[B]\r\nX=2\r\nY=3\r\n"},
        // A header that is the last line without a line end gets one first.
        {"[A]\r\nK=1\r\n[B]", "B", "X", "2", "[A]\r\nK=1\r\n[B]\r\nX=2\r\n"},
        {"[A]", "A", "X", "2", "[A]\r\nX=2\r\n"},
        // An existing key is rewritten in place, longer or shorter, as the caller spells it.
        {"[A]\r\nkey=1\r\nNEXT=n\r\n", "A", "KEY", "12345", "[A]\r\nKEY=12345\r\nNEXT=n\r\n"},
        {"[A]\r\nKEY=12345\r\nNEXT=n\r\n", "A", "KEY", "", "[A]\r\nKEY=\r\nNEXT=n\r\n"},
        {"[A]\r\nKEY=123", "A", "KEY", "4", "[A]\r\nKEY=4"},
        // Keys after the next header belong to that section.
        {"[A]\r\n[B]\r\nK=1\r\n", "A", "K", "2", "[A]\r\nK=2\r\n[B]\r\nK=1\r\n"},
    };
    for (const Case& c : cases) {
        Use(c.before);
        EXPECT_TRUE(ini.SetValue(c.section, c.key, c.value));
        EXPECT_EQ(Text(), c.after) << c.before;
        EXPECT_EQ(ini.GetValue(c.section, c.key), c.value) << c.before;
    }
}

TEST_F(IniText, ClearAndStreamSources)
{
    Use("[A]\r\nK=1\r\n");
    EXPECT_EQ(ini.GetMode(), KIniFile::StreamMode);
    EXPECT_FALSE(ini.LoadFromStream(nullptr));
    EXPECT_EQ(ini.GetValue("A", "K"), "1");
    // The source is copied from its start, wherever it stands.
    KMemStream source;
    source.WriteText("[S]\r\nV=9\r\n");
    ASSERT_TRUE(ini.LoadFromStream(&source));
    EXPECT_EQ(ini.GetValue("S", "V"), "9");
    EXPECT_EQ(ini.GetValue("A", "K"), "");
    EXPECT_TRUE(ini.LoadFromStream(&ini.GetStream()));
    EXPECT_EQ(ini.GetValue("S", "V"), "9");
    EXPECT_TRUE(ini.Clear());
    EXPECT_EQ(ini.GetValue("S", "V"), "");
    EXPECT_TRUE(ini.SetValue("S", "V", "1"));
    EXPECT_EQ(Text(), "[S]\r\nV=1\r\n");
}

TEST(KIniFileOnDisk, LoadsAndSavesForEveryAccess)
{
    std::string path = scratch::Path("config.ini");
    std::remove(path.c_str());
    KIniFile ini;
    EXPECT_EQ(ini.GetValue("VIDEO", "WIDTH"), "");
    EXPECT_FALSE(ini.SetValue("VIDEO", "WIDTH", "1"));  // no file yet

    ASSERT_TRUE(ini.Load(path.c_str()));  // created empty
    EXPECT_EQ(ini.GetMode(), KIniFile::FileMode);
    EXPECT_EQ(KPath::FileSize(path.c_str()), 0);
    EXPECT_TRUE(ini.SetValue("VIDEO", "WIDTH", "800"));
    EXPECT_TRUE(ini.SetValue("VIDEO", "HEIGHT", "600"));
    EXPECT_EQ(scratch::ReadFile(path), "[VIDEO]\r\nHEIGHT=600\r\nWIDTH=800\r\n");

    // Edited by hand between two accesses.
    ASSERT_TRUE(scratch::WriteFile(path, "[VIDEO]\nWIDTH=1280\n[GENERAL]\nSKIP=1\n"));
    EXPECT_EQ(ini.GetValue("video", "width"), "1280");
    EXPECT_EQ(ini.GetValue("GENERAL", "SKIP"), "1");
    EXPECT_TRUE(ini.SetValue("GENERAL", "SKIP", "0"));
    EXPECT_EQ(scratch::ReadFile(path), "[VIDEO]\nWIDTH=1280\n[GENERAL]\nSKIP=0\n");

    // A file that exists keeps its contents when loaded again.
    KIniFile again;
    ASSERT_TRUE(again.Load(path.c_str()));
    EXPECT_EQ(again.GetValue("VIDEO", "WIDTH"), "1280");

    KIniFile bad;
    EXPECT_FALSE(bad.Load(""));
    EXPECT_FALSE(bad.Load(scratch::Path("no-such-folder/x.ini").c_str()));
    std::remove(path.c_str());
    EXPECT_EQ(ini.GetValue("VIDEO", "WIDTH"), "");
    EXPECT_FALSE(ini.SetValue("VIDEO", "WIDTH", "1"));
}

TEST(KPathSize, FileSizes)
{
    std::string path = scratch::Path("size.bin");
    ASSERT_TRUE(scratch::WriteFile(path, std::string(1234, 'x')));
    EXPECT_EQ(KPath::FileSize(path.c_str()), 1234);
    ASSERT_TRUE(scratch::WriteFile(path, ""));
    EXPECT_EQ(KPath::FileSize(path.c_str()), 0);
    EXPECT_EQ(KPath::FileSize(scratch::Path("missing.bin").c_str()), -1);
    EXPECT_EQ(KPath::FileSize(""), -1);
    EXPECT_EQ(KPath::FileSize(nullptr), -1);
}

}  // namespace
