#include "game_settings.h"

#include "KIniFile.h"
#include "decimal.h"

int ReadIniInt(KIniFile& ini, const char* section, const char* key)
{
    return ParseDecimal(ini.GetValue(section, key).c_str());
}

bool ReadIniBool(KIniFile& ini, const char* section, const char* key) { return ini.GetValue(section, key) == "1"; }

GameSettings ReadGameSettings(KIniFile& ini)
{
    GameSettings s;
    s.width = ReadIniInt(ini, "VIDEO", "WIDTH");
    s.height = ReadIniInt(ini, "VIDEO", "HEIGHT");
    s.sound = ReadIniBool(ini, "AUDIO", "SOUND");
    s.music = ReadIniBool(ini, "AUDIO", "MUSIC");
    s.skip = ReadIniBool(ini, "GENERAL", "SKIP");
    return s;
}

void ChooseScreenSize(const GameSettings& settings, int desktopWidth, int desktopHeight, int* width, int* height)
{
    if (settings.width > 0 && settings.height > 0) {
        *width = settings.width;
        *height = settings.height;
    } else {
        *width = desktopWidth;
        *height = desktopHeight;
    }
}
