// The synthesised sounds and music: WAVE images the game's loader accepts, looping sounds that
// join without a click, one-shot sounds that start and end quietly, reproducible output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "sound/effects.h"
#include "sound/music.h"
#include "KWaveData.h"
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
        KMemStream stream;
        stream.Write(wave.data(), static_cast<int>(wave.size()));
        stream.Seek(0);
        KWaveData data;
        ASSERT_TRUE(data.Load(&stream, true)) << i;
        EXPECT_TRUE(stream.AtEnd()) << i;
        const std::uint8_t* format = data.Format();
        EXPECT_EQ(format[0] | format[1] << 8, 1);  // PCM
        EXPECT_EQ(format[2] | format[3] << 8, 1);  // mono
        EXPECT_EQ(format[4] | format[5] << 8 | format[6] << 16, kEffectRate);
        EXPECT_EQ(format[14] | format[15] << 8, 16);
        EXPECT_EQ(data.SampleBytes(), pcm.size() * 2);
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

}  // namespace
