// A Direct3D 9 device really renders under the test display: a cleared colour reads back.
#include <gtest/gtest.h>
#include "win_test_support.h"

using namespace zvtest;

TEST(HarnessDirect3D, ClearColourReadsBackFromBackBuffer)
{
    HWND hwnd = CreateTestWindow(320, 240);
    ASSERT_NE(hwnd, nullptr);
    IDirect3D9* d3d = Direct3DCreate9(D3D_SDK_VERSION);
    ASSERT_NE(d3d, nullptr);
    D3DPRESENT_PARAMETERS pp = {};
    pp.Windowed = TRUE;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.BackBufferFormat = D3DFMT_X8R8G8B8;
    pp.BackBufferWidth = 320;
    pp.BackBufferHeight = 240;
    pp.hDeviceWindow = hwnd;
    IDirect3DDevice9* dev = nullptr;
    HRESULT hr =
        d3d->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, hwnd, D3DCREATE_SOFTWARE_VERTEXPROCESSING, &pp, &dev);
    ASSERT_TRUE(SUCCEEDED(hr)) << std::hex << hr;

    for (uint32_t colour : {Rgb(200, 30, 90), Rgb(10, 220, 40)}) {
        ASSERT_TRUE(
            SUCCEEDED(dev->Clear(0, nullptr, D3DCLEAR_TARGET,
                                 D3DCOLOR_XRGB((colour >> 16) & 255, (colour >> 8) & 255, colour & 255), 1.0f, 0)));
        Image img = ReadBackBuffer(dev);
        ASSERT_EQ(img.width, 320);
        ASSERT_EQ(img.height, 240);
        EXPECT_TRUE(ColorNear(img.At(0, 0), colour, 2));
        EXPECT_TRUE(ColorNear(img.At(319, 239), colour, 2));
        EXPECT_EQ(img.Count(0, 0, 320, 240, [&](uint32_t p) { return ColorNear(p, colour, 2); }), 320 * 240);
        dev->Present(nullptr, nullptr, nullptr, nullptr);
    }
    dev->Release();
    d3d->Release();
    DestroyWindow(hwnd);
}
