// zv_make_sounds FOLDER: synthesises the 17 sounds of the game's sound file as sound00.wav ..
// sound16.wav, index = the sound's place in the file.
#include <cstdio>
#include <string>

#include "common/file_io.h"
#include "effects.h"
#include "wave_file.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zv_make_sounds FOLDER\n");
        return 2;
    }
    for (int i = 0; i < zvtools::kEffectCount; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "/sound%02d.wav", i);
        const auto wave = zvtools::EncodeWave(zvtools::MakeEffect(i).ToPcm16(), zvtools::kEffectRate);
        if (!zvtools::WriteWholeFile(argv[1] + std::string(name), wave)) {
            std::fprintf(stderr, "zv_make_sounds: cannot write %s%s\n", argv[1], name);
            return 1;
        }
    }
    return 0;
}
