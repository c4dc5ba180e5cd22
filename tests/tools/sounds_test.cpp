// The synthesised sounds and music: WAVE images the game's loader accepts, looping sounds that
// join without a click, one-shot sounds that start and end quietly, reproducible output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "sound/effects.h"
#include "sound/music.h"
#include "sound/wave_file.h"

using namespace zvtools;

namespace {

double MeanStep(const std::vector<std::int16_t>& pcm)
{
    double sum = 0;
    for (std::size_t i = 1; i < pcm.size(); ++i) sum += std::abs(pcm[i] - pcm[i - 1]);
    return sum / (pcm.size() - 1);
}

TEST(SoundsTest, EveryEffectIsAWaveImageTheGameLoads)
{
    for (int i = 0; i < kEffectCount; ++i) {
        const auto pcm = MakeEffect(i).ToPcm16();
        const auto wave = EncodeWave(pcm, kEffectRate);
        WaveInfo info;
        ASSERT_TRUE(ParseWave(wave, info)) << i;
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.rate, kEffectRate);
        EXPECT_EQ(info.bitsPerSample, 16);
        EXPECT_EQ(info.dataSize, pcm.size() * 2);
        EXPECT_GT(*std::max_element(pcm.begin(), pcm.end()), 8000) << "sound " << i << " is nearly silent";
    }
}

TEST(SoundsTest, OnlyTheEngineTunnelAndNarrowSoundsLoop)
{
    for (int i = 0; i < kEffectCount; ++i) EXPECT_EQ(EffectAt(i).looping, i == 1 || i == 4 || i == 10) << i;
}

TEST(SoundsTest, LoopingSoundsJoinTheirEndToTheirStartSmoothly)
{
    for (int i : {1, 4, 10}) {
        const auto pcm = MakeEffect(i).ToPcm16();
        const int join = std::abs(pcm.front() - pcm.back());
        // Like the sound's own steps from sample to sample: no click where the buffer starts
        // again (a waveform cut mid-cycle jumps tens of times further).
        EXPECT_LE(join, 4 * MeanStep(pcm)) << "sound " << i;
    }
}

TEST(SoundsTest, OneShotSoundsStartAndEndInSilence)
{
    for (int i = 0; i < kEffectCount; ++i) {
        if (EffectAt(i).looping) continue;
        const auto pcm = MakeEffect(i).ToPcm16();
        EXPECT_LE(std::abs(pcm.front()), 64) << i;
        EXPECT_LE(std::abs(pcm.back()), 64) << i;
    }
}

TEST(SoundsTest, SynthesisIsReproducible)
{
    EXPECT_EQ(MakeEffect(7).ToPcm16(), MakeEffect(7).ToPcm16());
    EXPECT_EQ(MakeEffect(10).ToPcm16(), MakeEffect(10).ToPcm16());
}

TEST(SoundsTest, MusicHasAMenuPieceAndRaceTracksOfAMinuteOrLess)
{
    const auto& songs = GameSongs();
    ASSERT_GE(songs.size(), 3u);
    EXPECT_EQ(songs.front().name, "menu");
    for (const Song& song : songs) {
        const double seconds = song.bars * 4 * 60.0 / song.bpm;
        EXPECT_GT(seconds, 20) << song.name;
        EXPECT_LT(seconds, 70) << song.name;
    }
}

TEST(SoundsTest, WaveParserRefusesForeignLayouts)
{
    auto wave = EncodeWave({1, 2, 3, 4}, 22050);
    WaveInfo info;
    ASSERT_TRUE(ParseWave(wave, info));
    auto cut = wave;
    cut.pop_back();
    EXPECT_FALSE(ParseWave(cut, info));
    auto renamed = wave;
    renamed[12] = 'F';
    EXPECT_FALSE(ParseWave(renamed, info));
    EXPECT_FALSE(ParseWave({}, info));
}

}  // namespace
