// The game's settings from "config.ini" and the screen size it asks for.
#include "KIniFile.h"
#include "KMemStream.h"
#include "game_settings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Ini {
    KIniFile file;
    explicit Ini(const std::string& text)
    {
        KMemStream stream;
        stream.Write(text.data(), static_cast<int>(text.size()));
        stream.Seek(0);
        file.LoadFromStream(&stream);
    }
};

struct FlagCase {
    const char* value;
    bool on;
};

TEST(GameSettings, AFlagIsOnExactlyWhenItsValueIsOne)
{
    const FlagCase cases[] = {{"1", true},     {"0", false},  {"yes", false}, {" 1", false}, {"01", false},
                              {"true", false}, {"1 ", false}, {"", false},    {"11", false}};
    for (const FlagCase& c : cases) {
        Ini ini(std::string("[AUDIO]\r\nSOUND=") + c.value + "\r\nMUSIC=" + c.value + "\r\n");
        EXPECT_EQ(ReadIniBool(ini.file, "AUDIO", "SOUND"), c.on) << "'" << c.value << "'";
        const GameSettings s = ReadGameSettings(ini.file);
        EXPECT_EQ(s.sound, c.on) << "'" << c.value << "'";
        EXPECT_EQ(s.music, c.on) << "'" << c.value << "'";
    }
}

struct NumberCase {
    const char* value;
    int number;
};

TEST(GameSettings, ANumberReadsAsFarAsItsDigitsGo)
{
    const NumberCase cases[] = {{"800abc", 800}, {"1024", 1024}, {"  640", 640}, {"abc", 0},
                                {"", 0},         {"-5", -5},     {"+768", 768},  {"99999999999", 2147483647}};
    for (const NumberCase& c : cases) {
        Ini ini(std::string("[VIDEO]\r\nWIDTH=") + c.value + "\r\n");
        EXPECT_EQ(ReadIniInt(ini.file, "VIDEO", "WIDTH"), c.number) << "'" << c.value << "'";
    }
}

TEST(GameSettings, AllFiveSettingsComeFromTheirSections)
{
    Ini ini("[video]\r\nwidth=1024\r\nHeight=768\r\n[AUDIO]\r\nSOUND=1\r\nMUSIC=0\r\n[GENERAL]\r\nSKIP=1\r\n");
    const GameSettings s = ReadGameSettings(ini.file);
    EXPECT_EQ(s.width, 1024);
    EXPECT_EQ(s.height, 768);
    EXPECT_TRUE(s.sound);
    EXPECT_FALSE(s.music);
    EXPECT_TRUE(s.skip);
}

TEST(GameSettings, AnEmptyFileGivesNoSizeNoSoundNoMusic)
{
    Ini ini("");
    const GameSettings s = ReadGameSettings(ini.file);
    EXPECT_EQ(s.width, 0);
    EXPECT_EQ(s.height, 0);
    EXPECT_FALSE(s.sound);
    EXPECT_FALSE(s.music);
    EXPECT_FALSE(s.skip);
}

struct SizeCase {
    int width, height;
    int expectedWidth, expectedHeight;
};

TEST(GameSettings, AMissingOrImpossibleSizeFallsBackToTheDesktop)
{
    const SizeCase cases[] = {{800, 600, 800, 600}, {0, 0, 1280, 1024},      {800, 0, 1280, 1024},
                              {0, 600, 1280, 1024}, {-800, 600, 1280, 1024}, {1, 1, 1, 1}};
    for (const SizeCase& c : cases) {
        GameSettings s;
        s.width = c.width;
        s.height = c.height;
        int w = -1, h = -1;
        ChooseScreenSize(s, 1280, 1024, &w, &h);
        EXPECT_EQ(w, c.expectedWidth) << c.width << " x " << c.height;
        EXPECT_EQ(h, c.expectedHeight) << c.width << " x " << c.height;
    }
}

}  // namespace
