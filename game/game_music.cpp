#include "game_music.h"

#include <cstdlib>

void GameMusic::PlayNext()
{
    if (tracks_.empty()) return;
    // The C library's rand scaled to the list (rand stays below 32768 here).
    const int count = static_cast<int>(tracks_.size());
    const int index = static_cast<int>(static_cast<long long>(std::rand() % 32768) * count / 32768);
    if (Open(tracks_[static_cast<size_t>(index)])) {
        Play();
        SetVolume(96);
    }
}
