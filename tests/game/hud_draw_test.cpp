// The level run's heads-up display on a real Direct3D device: a run on the game's own device and
// font adapters, its back buffer read before the present, the display's texts found in the
// palette's colours where the display puts them.
#include <gtest/gtest.h>

#include "game.h"
#include "game_test_data.h"
#include "run_test_level.h"
#include "support/library_environment.h"
#include "win_test_support.h"

#include <cmath>
#include <set>

using namespace zvtest;
using namespace gametest;

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

// Large enough for the radar's small font to draw whole strokes.
const int kWidth = 1000, kHeight = 740;
const uint32_t kDark = Rgb(24, 40, 24);

// The game's device adapter, keeping what the frame shows just before it is presented.
class CapturingDevice : public DeviceRunAdapter {
public:
    using DeviceRunAdapter::DeviceRunAdapter;
    void EndFrame() override
    {
        shown = ReadBackBuffer(Device()->Device());
        DeviceRunAdapter::EndFrame();
    }
    Image shown;
};

uint32_t PaletteRgb(int i) { return kTextPalette[i] & 0xFFFFFF; }

class HudTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        FillKey(key);
        // Every texture dark, so that the tunnel cannot pass for text.
        ASSERT_TRUE(WriteRecordFile("image.dat", std::vector<Bytes>(Game::kImages, SolidImage(kDark)), &key));
        window = CreateTestWindow(kWidth, kHeight, "hud");
        ASSERT_NE(window, nullptr);
        const GameSources sources = test.Make();
        game = std::make_unique<Game>(&key, sources);
        ASSERT_TRUE(game->Init(window, kWidth, kHeight, false, false));

        device = std::make_unique<CapturingDevice>(&game->Device());
        meshes = std::make_unique<TrackMeshMaker>(&game->Device(), [this](int i) { return game->Texture(i); });
        RunHost host;
        host.device = device.get();
        host.sounds = game.get();
        host.text = &game->TextSink();
        host.keyDown = sources.keyDown;
        host.clock = sources.clock;
        host.meshes = meshes.get();
        run = std::make_unique<LevelRun>(host);

        TestLevel level(30);
        for (int c = 10; c < 22; ++c) level.Set(9, c, c % 2 ? 'O' : '#');
        const std::string text = level.Text();
        params.kind = RunParams::kLevel;
        params.difficulty = 0;
        params.replay = false;
        params.levelText.Write(text.data(), static_cast<int>(text.size()));
        params.levelText.Seek(0);
        ASSERT_TRUE(run->LoadLevel(&params.levelText));
        run->Start(params);
    }
    void TearDown() override
    {
        run.reset();
        meshes.reset();
        game.reset();
        DestroyWindow(window);
    }

    void Frames(int n)
    {
        for (int i = 0; i < n; ++i) {
            ms += 20;
            ticks += 2000;
            run->Frame(params);
        }
    }
    // Pixels of a palette colour within a part of the screen given in fractions of its size.
    int Count(int palette, double x0, double y0, double x1, double y1) const
    {
        const Image& img = device->shown;
        const uint32_t colour = PaletteRgb(palette);
        return img.Count(int(x0 * img.width), int(y0 * img.height), int(x1 * img.width), int(y1 * img.height),
                         [colour](uint32_t p) { return ShadeOf(p, colour); });
    }
    // Smoothed glyph edges fade the colour towards the shadow's black: a pixel counts when it is
    // at least half as bright as the colour and of the same hue.
    static bool ShadeOf(uint32_t p, uint32_t c)
    {
        const double pr = (p >> 16) & 0xFF, pg = (p >> 8) & 0xFF, pb = p & 0xFF;
        const double cr = (c >> 16) & 0xFF, cg = (c >> 8) & 0xFF, cb = c & 0xFF;
        const double pn = std::sqrt(pr * pr + pg * pg + pb * pb), cn = std::sqrt(cr * cr + cg * cg + cb * cb);
        if (pn < 0.45 * cn || pn > 1.05 * cn) return false;
        return (pr * cr + pg * cg + pb * cb) / (pn * cn) > 0.997;
    }
    int CountAny(double x0, double y0, double x1, double y1) const
    {
        int n = 0;
        for (int i = 0; i < 4; ++i) n += Count(i, x0, y0, x1, y1);
        return n;
    }

    KMemStream key;
    ScratchFolder folder{"hud"};
    HWND window = nullptr;
    TestSources test;
    uint64_t& ticks = test.ticks;
    uint32_t& ms = test.ms;
    std::set<int>& held = test.held;
    std::unique_ptr<Game> game;
    std::unique_ptr<CapturingDevice> device;
    std::unique_ptr<TrackMeshMaker> meshes;
    std::unique_ptr<LevelRun> run;
    RunParams params;
};

TEST_F(HudTest, TheDisplaysTextsAndRadarAppearInTheirColoursAndPlaces)
{
    // Two pieces before a row of blocks and gems, which the radar shows above the car.
    run->PlaceCar(0, 7 * 200 + 100);
    Frames(3);
    const Image& img = device->shown;
    ASSERT_FALSE(img.Empty());
    // The screen may keep the window a little smaller than asked.
    ASSERT_GE(img.height, 600);

    // The radar at the top left: floor dots in plain text colour, blocks, gems and the car in the
    // headline colour.
    EXPECT_GE(Count(0, 0, 0, 0.45, 0.2), 10) << "radar floor dots";
    EXPECT_GE(Count(1, 0, 0, 0.45, 0.2), 20) << "radar blocks, gems and car";
    // Remaining time at the top centre, gems at the top right, speed at the bottom right.
    EXPECT_GE(Count(0, 0.4, 0, 0.6, 0.1), 20) << "remaining time";
    EXPECT_GE(Count(0, 0.75, 0, 1.0, 0.08), 20) << "gems";
    EXPECT_GE(Count(0, 0.6, 0.85, 1.0, 1.0), 20) << "speed";
    // Nothing of the display in the middle of the screen while the car rolls to the start.
    EXPECT_EQ(CountAny(0.3, 0.35, 0.7, 0.65), 0);
    if (::testing::Test::HasFailure()) img.SavePpm(TempDir() + "hud_running.ppm");
}

TEST_F(HudTest, ThePausePanelShowsItsItemsInTheMiddle)
{
    Frames(3);
    held.insert(kKeyEscape);
    Frames(1);
    held.clear();
    Frames(2);
    ASSERT_EQ(run->GetState(), LevelRun::kPaused);
    const Image& img = device->shown;
    ASSERT_FALSE(img.Empty());
    // "Replay" selected, "Resume" and "Back" unselected.
    EXPECT_GE(Count(2, 0.3, 0.3, 0.7, 0.7), 30) << "selected item";
    EXPECT_GE(Count(1, 0.3, 0.3, 0.7, 0.7), 30) << "other items";
    if (::testing::Test::HasFailure()) img.SavePpm(TempDir() + "hud_paused.ppm");
}

}  // namespace
