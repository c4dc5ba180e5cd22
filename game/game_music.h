// The game's music: the menu piece loops; race tracks follow one another at random.
#pragma once

// Before DirectShow's headers, whose safe-string rules rename the wide printf the string needs.
#include <string>

#include "KMusic.h"
#include "KString.h"

#include <vector>

class GameMusic : public KMusic {
public:
    void SetTrackList(const std::vector<KString>& names) { tracks_ = names; }
    const std::vector<KString>& Tracks() const { return tracks_; }
    // Opens a random track of the list and plays it at volume 96; nothing when the list is empty.
    void PlayNext();

protected:
    void OnComplete() override { PlayNext(); }

private:
    std::vector<KString> tracks_;
};
