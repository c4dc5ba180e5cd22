// The game's settings from "config.ini": the screen size, sound and music.
#pragma once

class KIniFile;

// The value text read by the C library's decimal conversion ("800abc" is 800; none is 0).
int ReadIniInt(KIniFile& ini, const char* section, const char* key);
// True exactly when the value text is "1".
bool ReadIniBool(KIniFile& ini, const char* section, const char* key);

struct GameSettings {
    int width = 0;
    int height = 0;
    bool sound = false;
    bool music = false;
    bool skip = false;  // read, and has no effect
};

GameSettings ReadGameSettings(KIniFile& ini);

// The back-buffer size to ask for: the configured one, or the desktop's when either side is not
// positive (a missing or empty "config.ini" gives 0 x 0, which no device accepts).
void ChooseScreenSize(const GameSettings& settings, int desktopWidth, int desktopHeight, int* width, int* height);
