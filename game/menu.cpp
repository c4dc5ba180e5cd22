#include "menu.h"

// The page logic comes next; until then the menu shows its main page and never starts a run.
Menu::Menu(const MenuHost& host) : host_(host) {}

void Menu::Init() {}

void Menu::SetResult(const RunParams&) {}

bool Menu::Frame(RunParams&)
{
    Draw();
    return true;
}

void Menu::Draw()
{
    if (!host_.device) return;
    RunCamera camera;
    if (!host_.device->BeginFrame(camera)) return;
    host_.device->EndFrame();
}
