#include "game_startup.h"

#include "KIniFile.h"
#include "KLibrary.h"
#include "KMemStream.h"
#include "KSoundDevice.h"
#include "KWnd.h"
#include "data_key.h"
#include "game.h"
#include "game_settings.h"

namespace {

const int kKeyResource = 129;

// A frame whenever no message waits; the loop never sleeps.
int RunMessageLoop(Game& game)
{
    MSG msg = {};
    for (;;) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        } else {
            game.Frame();
        }
    }
}

}  // namespace

int RunZorvane(HINSTANCE instance)
{
    KLibrary::Init(instance);

    auto* key = new KMemStream;
    if (!key->LoadResource("BINARY", kKeyResource) || !CutDataKey(key)) {
        delete key;
        KLibrary::Shutdown();
        return 1;
    }

    auto* window = new KWnd;
    // Closing the window (Alt+F4 included) ends the loop, and the tables are still saved.
    window->SetQuitOnDestroy(true);
    const RECT none = {0, 0, 0, 0};
    window->Create("Zorvane", WS_VISIBLE, 0, &none, nullptr, nullptr);
    window->Center(false);

    auto* ini = new KIniFile;
    ini->Load("config.ini");
    const GameSettings settings = ReadGameSettings(*ini);
    delete ini;

    // Without a device the sounds load and stay silent.
    if (settings.sound) KSoundDevice::Create(window->Handle(), DSSCL_PRIORITY);

    int width = 0, height = 0;
    ChooseScreenSize(settings, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), &width, &height);

    auto* game = new Game(key);
    game->Init(window->Handle(), width, height, settings.sound, settings.music);
    game->SetMode(Game::kMenu, nullptr);

    const int code = RunMessageLoop(*game);

    game->SaveAll();
    delete game;
    if (settings.sound) KSoundDevice::Release();
    delete window;
    delete key;
    KLibrary::Shutdown();
    return code;
}
