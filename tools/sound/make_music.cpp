// zv_make_music FOLDER: renders the game's music as WAVE files (menu.wav, race1.wav, ...), which
// the build then encodes as MP3.
#include <cstdio>
#include <string>

#include "common/file_io.h"
#include "music.h"
#include "wave_file.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zv_make_music FOLDER\n");
        return 2;
    }
    for (const zvtools::Song& song : zvtools::GameSongs()) {
        const std::string path = argv[1] + ("/" + song.name + ".wav");
        const auto wave = zvtools::EncodeWave(zvtools::RenderSong(song).ToPcm16(), zvtools::kMusicRate);
        if (!zvtools::WriteWholeFile(path, wave)) {
            std::fprintf(stderr, "zv_make_music: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
