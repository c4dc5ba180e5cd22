// The data set in the build tree as the game's Windows loaders see it: the key cut as the game
// cuts it, every image decodable by D3DX, every sound a WAVE image the sound loader accepts, the
// levels and lessons where the menu looks for them, the menu music present.
#include <gtest/gtest.h>

#include <d3dx9.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "KMemStream.h"
#include "KMusic.h"
#include "KWaveData.h"

namespace {

const std::string kGameDir = ZV_GAME_DIR;

class DataSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(key.LoadFile(ZV_KEY_FILE));
        ASSERT_GE(key.Size(), 8561);
        key.SetSize(8561);
    }

    // Loads and unscrambles a data file as the game does, positioned at its start.
    void Load(const char* name, KMemStream& file)
    {
        ASSERT_TRUE(file.LoadFile((kGameDir + "/" + name).c_str())) << name;
        ASSERT_TRUE(file.UnscrambleStream(&key, 0));
        file.Seek(0);
    }

    static int ReadLength(KMemStream& file)
    {
        KString line;
        EXPECT_TRUE(file.ReadLine(line));
        return std::atoi(line.c_str());
    }

    KMemStream key;
};

TEST_F(DataSetTest, TwentyImagesThatD3dxDecodes)
{
    KMemStream file;
    Load("image.dat", file);
    for (int i = 0; i < 20; ++i) {
        const int size = ReadLength(file);
        ASSERT_GT(size, 0) << "image " << i;
        ASSERT_LE(size, file.Remaining()) << "image " << i;
        D3DXIMAGE_INFO info{};
        EXPECT_EQ(D3DXGetImageInfoFromFileInMemory(file.GetData() + file.Tell(), static_cast<UINT>(size), &info),
                  D3D_OK)
            << "image " << i;
        EXPECT_GE(info.Width, 64u) << "image " << i;
        file.Seek(file.Tell() + size);
    }
    EXPECT_TRUE(file.AtEnd());
}

TEST_F(DataSetTest, SeventeenSoundsTheSoundLoaderReads)
{
    KMemStream file;
    Load("sound.dat", file);
    for (int i = 0; i < 17; ++i) {
        KString skipped;
        ASSERT_TRUE(file.ReadLine(skipped)) << "sound " << i;
        KWaveData wave;
        ASSERT_TRUE(wave.Load(&file, true)) << "sound " << i;
        EXPECT_GT(wave.SampleBytes(), 1000u) << "sound " << i;
    }
    EXPECT_TRUE(file.AtEnd());
}

TEST_F(DataSetTest, TwentyLevelRecordsAndFiveLessons)
{
    KMemStream file;
    Load("level.dat", file);
    for (int i = 0; i < 20; ++i) {
        const int size = ReadLength(file);
        ASSERT_GT(size, 34) << "level " << i;
        ASSERT_LE(size, file.Remaining()) << "level " << i;
        KString text;
        file.ReadText(text, size);
        EXPECT_NE(std::string(text.c_str()).find("\r\n................................"), std::string::npos);
    }
    EXPECT_TRUE(file.AtEnd());
    for (int k = 1; k <= 5; ++k) {
        KMemStream lesson;
        EXPECT_TRUE(lesson.LoadFile((kGameDir + "/help/lesson" + std::to_string(k) + ".dat").c_str())) << k;
        EXPECT_GT(lesson.Size(), 100) << k;
    }
}

TEST_F(DataSetTest, ConfigAndMusicBesideTheProgram)
{
    KMemStream config, music;
    ASSERT_TRUE(config.LoadFile((kGameDir + "/config.ini").c_str()));
    const std::string text(reinterpret_cast<const char*>(config.GetData()), config.Size());
    EXPECT_NE(text.find("[VIDEO]\r\nWIDTH="), std::string::npos);
    EXPECT_NE(text.find("SOUND=1\r\n"), std::string::npos);
    ASSERT_TRUE(music.LoadFile((kGameDir + "/music.dat").c_str()));
    ASSERT_GT(music.Size(), 10000);
    // An MPEG audio frame (or an ID3 tag) at the start, so DirectShow recognises it by content.
    const unsigned char* b = music.GetData();
    EXPECT_TRUE((b[0] == 0xFF && (b[1] & 0xE0) == 0xE0) || std::memcmp(b, "ID3", 3) == 0);
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((kGameDir + "/music/*.mp3").c_str(), &found);
    EXPECT_NE(h, INVALID_HANDLE_VALUE);
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
}

// DirectShow must recognise "music.dat" by its contents (its name says nothing) and the race
// tracks by theirs: each opens with the length it was composed to.
TEST_F(DataSetTest, MusicOpensInDirectShowWithItsLength)
{
    CoInitialize(nullptr);
    {
        const struct {
            std::string file;
            uint32_t atLeastMs;
        } pieces[] = {{kGameDir + "/music.dat", 30000}, {kGameDir + "/music/race1.mp3", 40000}};
        for (const auto& piece : pieces) {
            KMusic music;
            ASSERT_TRUE(music.Open(piece.file.c_str())) << piece.file;
            EXPECT_GE(music.GetDuration(), piece.atLeastMs) << piece.file;
            EXPECT_LE(music.GetDuration(), 70000u) << piece.file;
        }
    }
    CoUninitialize();
}

}  // namespace
