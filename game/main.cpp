// The game's entry point; the command line is not used.
#include "game_startup.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return RunZorvane(instance); }
