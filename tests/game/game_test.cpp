// The Game object on a real Direct3D device in a window, with a small data set of its own: what
// it loads, what it saves, its sounds, and its modes coming and going without leaving meshes.
#include <gtest/gtest.h>

#include "KFont3D.h"
#include "KMesh.h"
#include "KSoundDevice.h"
#include "game.h"
#include "game_test_data.h"
#include "run_test_level.h"
#include "support/library_environment.h"
#include "win_test_support.h"

#include <set>

using namespace zvtest;
using namespace gametest;

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

const int kWidth = 320, kHeight = 240;

class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillKey(key);
        window = CreateTestWindow(kWidth, kHeight, "game");
        ASSERT_NE(window, nullptr);
        game = std::make_unique<Game>(&key, test.Make());
    }
    void TearDown() override
    {
        game.reset();
        DestroyWindow(window);
    }

    void WriteImages(int count = Game::kImages)
    {
        std::vector<Bytes> images;
        for (int i = 0; i < count; ++i) images.push_back(SolidImage(Rgb(10 * i, 40, 200 - 5 * i)));
        ASSERT_TRUE(WriteRecordFile("image.dat", images, &key));
    }
    void WriteSounds(int count = Game::kSounds)
    {
        std::vector<Bytes> sounds(static_cast<size_t>(count), Tone());
        ASSERT_TRUE(WriteRecordFile("sound.dat", sounds, &key));
    }
    bool Init(bool sound = false) { return game->Init(window, kWidth, kHeight, sound, false); }
    // A player and a score the game has to keep.
    void SaveStoredTables()
    {
        PlayerTable players;
        players.SetPlayerName(0, "KEEP ME");
        ASSERT_TRUE(players.Save("player.dat", &key));
        ScoreTable scores;
        scores.InsertScore(4, 3, 1234, "KEEP ME");
        ASSERT_TRUE(scores.Save("score.dat", &key));
    }

    // A frame later by ms milliseconds of both clocks.
    void Frame(uint32_t later = 20)
    {
        ms += later;
        ticks += later * 100ull;
        game->Frame();
    }
    // Holds a key for one frame, then lets it go for another.
    void Tap(int k)
    {
        held.insert(k);
        Frame(250);
        held.erase(k);
        Frame(250);
    }
    void ChooseLevel(const std::string& text)
    {
        RunParams& p = game->Params();
        p.kind = RunParams::kLevel;
        p.player = 0;
        p.playerName = "PLAYER 1";
        p.difficulty = 0;
        p.levelIndex = 0;
        p.replay = false;
        p.levelText.Close();
        p.levelText.Write(text.data(), static_cast<int>(text.size()));
        p.levelText.Seek(0);
    }

    ScratchFolder folder{::testing::UnitTest::GetInstance()->current_test_info()->name()};
    KMemStream key;
    HWND window = nullptr;
    TestSources test;
    uint64_t& ticks = test.ticks;
    uint32_t& ms = test.ms;
    std::set<int>& held = test.held;
    int& quits = test.quits;
    std::unique_ptr<Game> game;
};

TEST_F(GameTest, InitMakesTheDeviceTwentyTexturesAndSixFonts)
{
    WriteImages();
    ASSERT_TRUE(Init());
    EXPECT_NE(game->Device().Device(), nullptr);
    EXPECT_EQ(game->TextureCount(), Game::kImages);
    for (int i = 0; i < Game::kImages; ++i) {
        ASSERT_NE(game->Texture(i), nullptr) << i;
        EXPECT_NE(game->Texture(i)->texture, nullptr) << i;
    }
    EXPECT_EQ(game->Texture(-1), nullptr);
    EXPECT_EQ(game->Texture(Game::kImages), nullptr);
    for (int i = 0; i < Game::kFonts; ++i) EXPECT_NE(game->Font(i), nullptr) << i;
    EXPECT_EQ(game->Device().FontCount(), Game::kFonts);
    EXPECT_GT(game->TextSink().FontHeight(5), game->TextSink().FontHeight(0));
    EXPECT_EQ(game->TextSink().FontHeight(6), 0);
}

TEST_F(GameTest, AnImageFileCutShortStillGivesEveryIndexATexture)
{
    WriteImages(7);
    ASSERT_TRUE(Init());
    ASSERT_EQ(game->TextureCount(), Game::kImages);
    for (int i = 0; i < 7; ++i) EXPECT_NE(game->Texture(i)->texture, nullptr) << i;
    for (int i = 7; i < Game::kImages; ++i) EXPECT_EQ(game->Texture(i)->texture, nullptr) << i;
}

TEST_F(GameTest, ModesSwitchBackAndForthWithoutLeavingMeshes)
{
    WriteImages();
    ASSERT_TRUE(Init());
    ASSERT_EQ(game->SetMode(Game::kMenu, nullptr), 1);
    EXPECT_EQ(game->GetMode(), Game::kMenu);
    ASSERT_NE(game->GetMenu(), nullptr);
    const int menuMeshes = game->Device().MeshCount();

    TestLevel level(12);
    level.Set(8, 3, '#').Set(9, 20, 'O');
    ChooseLevel(level.Text());
    ASSERT_EQ(game->SetMode(Game::kRun, &game->Params()), 1);
    EXPECT_EQ(game->GetMode(), Game::kRun);
    EXPECT_EQ(game->GetMenu(), nullptr);
    ASSERT_NE(game->GetRun(), nullptr);
    const int runMeshes = game->Device().MeshCount();
    EXPECT_GT(runMeshes, 12) << "a tunnel per piece, gems";

    ASSERT_EQ(game->SetMode(Game::kMenu, &game->Params()), 1);
    EXPECT_EQ(game->Device().MeshCount(), menuMeshes);
    ASSERT_EQ(game->SetMode(Game::kRun, &game->Params()), 1);
    EXPECT_EQ(game->Device().MeshCount(), runMeshes);
    ASSERT_EQ(game->SetMode(Game::kMenu, &game->Params()), 1);
    EXPECT_EQ(game->Device().MeshCount(), menuMeshes);
    EXPECT_EQ(quits, 0);
}

TEST_F(GameTest, TheRunsBackItemHandsTheParametersToANewMenu)
{
    WriteImages();
    ASSERT_TRUE(Init());
    const int noMeshes = game->Device().MeshCount();
    ChooseLevel(TestLevel(10).Text());
    ASSERT_EQ(game->SetMode(Game::kRun, &game->Params()), 1);
    Frame();
    Frame();
    EXPECT_EQ(game->GetRun()->GetState(), LevelRun::kReady);

    Tap(kKeyEscape);
    ASSERT_EQ(game->GetMode(), Game::kRun);
    EXPECT_EQ(game->GetRun()->GetState(), LevelRun::kPaused);
    Tap(kKeyDown);
    EXPECT_EQ(game->GetRun()->GetSelection(), LevelRun::kBack);
    held.insert(kKeyReturn);
    Frame(250);
    held.clear();
    EXPECT_EQ(game->GetMode(), Game::kMenu);
    EXPECT_EQ(game->GetRun(), nullptr);
    ASSERT_NE(game->GetMenu(), nullptr);
    Frame();
    EXPECT_LE(game->Device().MeshCount(), noMeshes + 1) << "at most the menu's backdrop";
}

TEST_F(GameTest, ALevelThatCannotBeReadEndsTheProgramWithoutARun)
{
    WriteImages();
    ASSERT_TRUE(Init());
    // Never read (level.dat missing), a header alone, limits that no level has.
    const std::string texts[] = {"", "60,50,40\r\n", "-1,50,40\r\n" + TestLevel(10).rows[0] + "\r\n"};
    int expectedQuits = 0;
    for (const std::string& text : texts) {
        ASSERT_EQ(game->SetMode(Game::kMenu, nullptr), 1);
        ChooseLevel(text);
        EXPECT_EQ(game->SetMode(Game::kRun, &game->Params()), 0) << text;
        EXPECT_EQ(quits, ++expectedQuits) << text;
        EXPECT_EQ(game->GetMode(), Game::kNone) << text;
        EXPECT_EQ(game->GetRun(), nullptr) << text;
        EXPECT_EQ(game->GetMenu(), nullptr) << text;
        EXPECT_EQ(game->Device().MeshCount(), 0) << text;
        Frame();  // nothing to run, nothing to crash
    }
    EXPECT_EQ(game->SetMode(Game::kRun, nullptr), 0);
    EXPECT_EQ(quits, expectedQuits + 1);
}

TEST_F(GameTest, WithSoundsOffNoSoundFileIsNeededAndNoSoundPlays)
{
    WriteImages();
    ASSERT_TRUE(Init(false));
    EXPECT_EQ(game->SoundCount(), 0);
    EXPECT_TRUE(game->PlayersLoaded());
    EXPECT_TRUE(game->ScoresLoaded());
    game->PlaySound(kSoundGem, false);
    game->StopSound(kSoundGem);
    game->StopAllSounds();
}

TEST_F(GameTest, WithSoundsOnAMissingSoundFileStopsBeforeThePlayers)
{
    WriteImages();
    EXPECT_FALSE(Init(true));
    EXPECT_EQ(game->SoundCount(), 0);
    EXPECT_FALSE(game->PlayersLoaded());
    EXPECT_FALSE(game->ScoresLoaded());
}

TEST_F(GameTest, SeventeenSoundsLoadAndTheThreeLoopsLoop)
{
    WriteImages();
    WriteSounds();
    ASSERT_TRUE(Init(true));
    ASSERT_EQ(game->SoundCount(), Game::kSounds);
    for (int i = 0; i < Game::kSounds; ++i) {
        EXPECT_TRUE(game->Sound(i)->IsLoaded()) << i;
        EXPECT_EQ(game->Sound(i)->IsLooping(), i == 1 || i == 4 || i == 10) << i;
    }
    // No sound device in this test: the sounds play nothing and nothing breaks.
    for (int i : {-1, 0, 16, 17, 1000}) {
        game->PlaySound(i, false);
        game->PlaySound(i, true);
        game->StopSound(i);
    }
    game->StopAllSounds();
}

TEST_F(GameTest, ABrokenSoundFileKeepsEveryIndex)
{
    WriteImages();
    std::vector<Bytes> sounds(5, Tone());
    sounds[2] = Bytes(40, 'x');
    ASSERT_TRUE(WriteRecordFile("sound.dat", sounds, &key));
    ASSERT_TRUE(Init(true));
    ASSERT_EQ(game->SoundCount(), Game::kSounds);
    for (int i = 0; i < Game::kSounds; ++i) EXPECT_EQ(game->Sound(i)->IsLoaded(), i < 5 && i != 2) << i;
}

TEST_F(GameTest, OnASoundDeviceASoundPlaysAndSwitchingSoundsOffStopsIt)
{
    WriteImages();
    WriteSounds();
    KSoundDevice::Create(window, DSSCL_PRIORITY);
    ASSERT_NE(KSoundDevice::Get(), nullptr);
    ASSERT_TRUE(Init(true));
    game->PlaySound(kSoundBackground, false);
    EXPECT_TRUE(game->Sound(kSoundBackground)->IsPlaying());
    game->PlaySound(kSoundGem, true);
    EXPECT_TRUE(game->Sound(kSoundGem)->IsPlaying());
    game->StopSound(kSoundGem);
    EXPECT_FALSE(game->Sound(kSoundGem)->IsPlaying());
    game->EnableSound(false);
    EXPECT_FALSE(game->Sound(kSoundBackground)->IsPlaying());
    game->PlaySound(kSoundBackground, false);
    EXPECT_FALSE(game->Sound(kSoundBackground)->IsPlaying());
    game.reset();
    KSoundDevice::Release();
}

TEST_F(GameTest, AZeroBytePlayerFileGivesEightDefaultPlayersAndIsSavedScrambled)
{
    WriteImages();
    ASSERT_TRUE(WriteFile("player.dat", ""));
    ASSERT_TRUE(Init());
    ASSERT_TRUE(game->PlayersLoaded());
    for (int i = 0; i < PlayerTable::kPlayers; ++i)
        EXPECT_STREQ(game->Players().GetPlayerName(i).c_str(), ("PLAYER " + std::to_string(i + 1)).c_str());
    game->Players().SetPlayerName(3, "ZED");
    game->SaveAll();

    const std::vector<uint8_t> saved = ReadFileBytes("player.dat");
    ASSERT_FALSE(saved.empty());
    EXPECT_NE(saved[0], '[') << "stored scrambled";
    PlayerTable again;
    ASSERT_TRUE(again.Load("player.dat", &key));
    EXPECT_STREQ(again.GetPlayerName(3).c_str(), "ZED");
    ScoreTable scores;
    ASSERT_TRUE(scores.Load("score.dat", &key));
    EXPECT_EQ(scores.GetScoreCount(0), 0);
}

TEST_F(GameTest, AMissingImageFileLeavesTheStoredPlayersAndScoresAlone)
{
    SaveStoredTables();
    const std::vector<uint8_t> playerBytes = ReadFileBytes("player.dat");
    const std::vector<uint8_t> scoreBytes = ReadFileBytes("score.dat");

    EXPECT_FALSE(Init());
    EXPECT_FALSE(game->PlayersLoaded());
    EXPECT_FALSE(game->ScoresLoaded());
    game->SaveAll();
    game.reset();
    EXPECT_EQ(ReadFileBytes("player.dat"), playerBytes);
    EXPECT_EQ(ReadFileBytes("score.dat"), scoreBytes);
}

TEST_F(GameTest, ATableFileThatCannotBeReadAndTheOtherOneAreBothLeftAsTheyWere)
{
    WriteImages();
    for (const char* unreadable : {"player.dat", "score.dat"}) {
        SCOPED_TRACE(unreadable);
        SaveStoredTables();
        // A folder in the one file's place, holding a file of its own.
        const std::string inside = std::string(unreadable) + "\\inside.txt";
        ASSERT_TRUE(DeleteFileA(unreadable));
        ASSERT_TRUE(CreateDirectoryA(unreadable, nullptr));
        ASSERT_TRUE(WriteFile(inside, "inside"));
        const bool playersReadable = std::string(unreadable) != "player.dat";
        const std::string other = playersReadable ? "player.dat" : "score.dat";
        const std::vector<uint8_t> otherBytes = ReadFileBytes(other);

        game = std::make_unique<Game>(&key, test.Make());
        ASSERT_TRUE(Init());
        EXPECT_EQ(playersReadable, game->PlayersLoaded());
        EXPECT_EQ(!playersReadable, game->ScoresLoaded());
        game->SaveAll();
        game.reset();

        EXPECT_TRUE(GetFileAttributesA(unreadable) & FILE_ATTRIBUTE_DIRECTORY);
        EXPECT_EQ(ReadFileBytes(inside), std::vector<uint8_t>({'i', 'n', 's', 'i', 'd', 'e'}));
        EXPECT_EQ(ReadFileBytes(other), otherBytes);
        ASSERT_TRUE(DeleteFileA(inside.c_str()));
        ASSERT_TRUE(RemoveDirectoryA(unreadable));
    }
}

TEST_F(GameTest, TheBackdropIsAQuadThatLeavesTheDeviceWithIt)
{
    WriteImages();
    ASSERT_TRUE(Init());
    const int before = game->Device().MeshCount();
    {
        std::unique_ptr<MenuBackdrop> backdrop = game->Backdrops().CreateBackdrop();
        ASSERT_NE(backdrop, nullptr);
        ASSERT_EQ(game->Device().MeshCount(), before + 1);
        KMesh* mesh = static_cast<QuadBackdrop*>(backdrop.get())->Mesh();
        ASSERT_EQ(mesh->TriangleCount(), 2);
        backdrop->SetTexture(13);
        EXPECT_EQ(backdrop->GetTexture(), 13);
        EXPECT_EQ(mesh->GetTexture(), game->Texture(13));
        backdrop->SetTexture(99);
        EXPECT_EQ(mesh->GetTexture(), nullptr);
    }
    EXPECT_EQ(game->Device().MeshCount(), before);
}

TEST_F(GameTest, SeenFromTheMenusCameraTheBackdropFillsTheScreenUpright)
{
    // Picture 13: red above, blue below.
    std::vector<Bytes> images(Game::kImages, SolidImage(Rgb(0, 255, 0)));
    const std::vector<unsigned char> bmp =
        MakeBmp24(16, 16, [](int, int y) { return y < 8 ? Rgb(0, 0, 255) : Rgb(255, 0, 0); });  // rows from the bottom
    images[13] = Bytes(bmp.begin(), bmp.end());
    ASSERT_TRUE(WriteRecordFile("image.dat", images, &key));
    ASSERT_TRUE(Init());
    std::unique_ptr<MenuBackdrop> backdrop = game->Backdrops().CreateBackdrop();
    backdrop->SetTexture(13);

    RunCamera camera;
    camera.z = -600;
    camera.fieldOfView = 1.570796326;
    ticks += 2000;
    ASSERT_TRUE(game->RunDeviceAdapter().BeginFrame(camera));
    const Image shown = ReadBackBuffer(game->Device().Device());
    game->RunDeviceAdapter().EndFrame();
    ASSERT_FALSE(shown.Empty());
    const int w = shown.width, h = shown.height;
    auto count = [&](int x0, int y0, int x1, int y1, uint32_t colour) {
        return shown.Count(x0, y0, x1, y1, [colour](uint32_t p) { return ColorNear(p, colour, 40); });
    };
    // Corner to corner, with a margin for the blend along the picture's middle.
    const int upper = (w - 2) * (h / 2 - 12), lower = upper;
    EXPECT_GE(count(1, 1, w - 1, h / 2 - 11, Rgb(255, 0, 0)), upper * 95 / 100);
    EXPECT_GE(count(1, h / 2 + 11, w - 1, h - 1, Rgb(0, 0, 255)), lower * 95 / 100);
}

}  // namespace
