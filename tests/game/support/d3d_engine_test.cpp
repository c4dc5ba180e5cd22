// The 3D engine on a real Direct3D 9 device under Wine: what the back buffer shows after a frame.
#include <gtest/gtest.h>

#include "bmp_file.h"
#include "KCamera.h"
#include "KDevice3D.h"
#include "KFont3D.h"
#include "KMemStream.h"
#include "KMesh.h"
#include "library_environment.h"
#include "win_test_support.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

using namespace zvtest;

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

const int kWidth = 320, kHeight = 240;

// A 24-bit BMP file of one colour.
std::vector<unsigned char> SolidBmp(int w, int h, uint32_t rgb)
{
    return MakeBmp24(w, h, [rgb](int, int) { return rgb; });
}

class Engine : public ::testing::Test {
protected:
    HWND window = nullptr;
    uint64_t ticks = 1000000;
    KDevice3D device{[this] { return ticks; }};

    void SetUp() override
    {
        window = CreateTestWindow(kWidth, kHeight, "engine");
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(device.Init(window, nullptr));
        device.Camera()->aspect = double(kWidth) / kHeight;
    }
    void TearDown() override
    {
        device.FreeAll();
        DestroyWindow(window);
    }

    KTexture* Texture(uint32_t rgb)
    {
        const std::vector<unsigned char> bmp = SolidBmp(8, 8, rgb);
        KMemStream stream;
        stream.Write(bmp.data(), static_cast<int>(bmp.size()));
        stream.Seek(0);
        return device.LoadTexture(&stream, -1);
    }

    // A square of side 2 x half at depth z, facing the camera at the origin, wound so that it is
    // seen (or, with seen false, wound the other way).
    KMesh* Square(double cx, double cy, double z, double half, KTexture* texture, bool seen = true)
    {
        KMesh* mesh = KMesh::Create(&device);
        const double l = cx - half, r = cx + half, b = cy - half, t = cy + half;
        // Counter-clockwise as the camera sees them (the buffer reverses the winding).
        const double a[9] = {l, b, z, r, b, z, r, t, z};
        const double c[9] = {l, b, z, r, t, z, l, t, z};
        const double flippedA[9] = {l, b, z, r, t, z, r, b, z};
        const double flippedC[9] = {l, b, z, l, t, z, r, t, z};
        mesh->AddTriangle(seen ? a : flippedA, nullptr, texture);
        mesh->AddTriangle(seen ? c : flippedC, nullptr, texture);
        return mesh;
    }

    // One frame; the back buffer as it stands before the present.
    Image Frame()
    {
        ticks += 1600;
        Image img;
        if (device.BeginFrame()) {
            img = ReadBackBuffer(device.Device());
            device.EndFrame();
        }
        return img;
    }
};

int CountNear(const Image& img, uint32_t color)
{
    return img.Count(0, 0, img.width, img.height, [color](uint32_t p) { return ColorNear(p, color, 24); });
}

// Mean x of the pixels near a colour, or -1 when there are none.
double CentreX(const Image& img, uint32_t color)
{
    double sum = 0;
    int n = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (ColorNear(img.At(x, y), color, 24)) {
                sum += x;
                ++n;
            }
    return n ? sum / n : -1;
}

const uint32_t kRed = Rgb(255, 0, 0);

}  // namespace

TEST_F(Engine, AFrameClearsToBlack)
{
    const Image img = Frame();
    ASSERT_FALSE(img.Empty());
    EXPECT_EQ(img.width, kWidth);
    EXPECT_EQ(CountNear(img, Rgb(0, 0, 0)), kWidth * kHeight);
}

TEST_F(Engine, ATexturedSquareCoversThePixelsInFrontOfTheCamera)
{
    KTexture* red = Texture(0xFF0000);
    ASSERT_NE(red->texture, nullptr);
    Square(0, 0, 100, 20, red);
    const Image img = Frame();
    ASSERT_FALSE(img.Empty());
    EXPECT_TRUE(ColorNear(img.At(kWidth / 2, kHeight / 2), kRed, 24));
    EXPECT_TRUE(ColorNear(img.At(2, 2), 0, 8));
    // Vertical field of view 1.5 rad: a 40-unit square at distance 100 spans
    // 0.4 / (2 tan 0.75) of the height, about 51 pixels.
    const int covered = CountNear(img, kRed);
    const double side = 0.4 / (2 * std::tan(0.75)) * kHeight;
    EXPECT_GT(covered, side * side * 0.9);
    EXPECT_LT(covered, side * side * 1.1);
}

TEST_F(Engine, OnlyTheWindingThatFacesTheCameraIsDrawn)
{
    Square(-40, 0, 100, 15, Texture(0xFF0000), true);
    Square(40, 0, 100, 15, Texture(0x00FF00), false);
    const Image img = Frame();
    EXPECT_GT(CountNear(img, kRed), 100);
    EXPECT_EQ(CountNear(img, Rgb(0, 255, 0)), 0);
}

TEST_F(Engine, AHiddenMeshIsNotDrawn)
{
    KMesh* mesh = Square(0, 0, 100, 20, Texture(0xFF0000));
    mesh->hidden = true;
    EXPECT_EQ(CountNear(Frame(), kRed), 0);
    mesh->hidden = false;
    EXPECT_GT(CountNear(Frame(), kRed), 100);
}

TEST_F(Engine, MovingTheCameraMovesTheMeshTheOtherWay)
{
    Square(0, 0, 100, 10, Texture(0xFF0000));
    const double before = CentreX(Frame(), kRed);
    device.Camera()->position.x = 20;
    const double after = CentreX(Frame(), kRed);  // seen from where the camera is in this frame
    ASSERT_GT(before, 0);
    ASSERT_GT(after, 0);
    EXPECT_NEAR(before, kWidth / 2.0, 3);
    EXPECT_LT(after, before - 20);
}

TEST_F(Engine, TurningTheCameraMovesTheMeshToo)
{
    Square(0, 0, 100, 10, Texture(0xFF0000));
    const double before = CentreX(Frame(), kRed);
    device.Camera()->SetAngles(0, 0.2, 0);
    const double after = CentreX(Frame(), kRed);
    ASSERT_GT(after, 0);
    EXPECT_GT(std::abs(after - before), 20);
}

TEST_F(Engine, TrianglesSharingATextureAreDrawnInOneCall)
{
    KTexture* red = Texture(0xFF0000);
    KTexture* blue = Texture(0x0000FF);
    KMesh* mesh = KMesh::Create(&device);
    mesh->live = false;
    const double tri[9] = {0, 0, 100, 1, 1, 100, 1, 0, 100};
    for (int i = 0; i < 100; ++i) mesh->AddTriangle(tri, nullptr, i < 60 ? red : blue);
    mesh->live = true;
    ASSERT_TRUE(mesh->Rebuild());
    Frame();
    EXPECT_EQ(mesh->LastDrawCalls(), 2);
    for (int i = 0; i < 100; ++i) mesh->GetTriangle(i)->texture = i % 2 ? red : blue;
    Frame();
    EXPECT_EQ(mesh->LastDrawCalls(), 100);
}

TEST_F(Engine, ATimedMoveOfNoTimeArrivesAtTheNextFrame)
{
    KMesh* mesh = Square(0, 0, 100, 10, Texture(0xFF0000));
    mesh->MoveTo({0, 0, 300}, 0);
    Frame();
    EXPECT_FALSE(mesh->Moving());
    EXPECT_EQ(mesh->GetPosition().z, 300);
}

TEST_F(Engine, ATimedMoveFollowsTheDeviceClockAndStandsStillWhilePaused)
{
    KMesh* mesh = Square(0, 0, 100, 10, Texture(0xFF0000));
    Frame();
    mesh->MoveTo({0, 0, -100}, 1000);  // 100 units in 1 s, towards negative z
    ticks += 50000 - 1600;  // half a second (Frame adds its own 1600)
    Frame();
    // A device made without preserving the floating-point unit leaves a 32-bit program's x87 unit
    // in single precision: the position is good to a few of float's steps near 50.
    const double tolerance = 8 * 50 * std::numeric_limits<float>::epsilon();
    EXPECT_NEAR(mesh->GetPosition().z, -50, tolerance);
    EXPECT_TRUE(device.Pause());
    ticks += 300000;
    Frame();
    EXPECT_NEAR(mesh->GetPosition().z, -50, tolerance);
    EXPECT_GE(device.Resume(), 300000);
    Frame();
    EXPECT_FALSE(mesh->Moving());  // the real time since the start is well past the duration
    EXPECT_EQ(mesh->GetPosition().z, -100);
}

TEST_F(Engine, FrameStepsComeFromTheDeviceClock)
{
    Frame();
    ticks += 25000 - 1600;
    Frame();
    EXPECT_EQ(device.Step(), 10000u);
    EXPECT_EQ(device.Excess(), 15000u);
    EXPECT_TRUE(device.Pause());
    EXPECT_FALSE(device.Pause());
    Frame();
    EXPECT_EQ(device.Step(), 0u);
    EXPECT_GE(device.Resume(), 0);
    EXPECT_EQ(device.Resume(), -1);
}

TEST_F(Engine, TextIsDrawnInsideItsRectangleWithTheShadowDownAndRight)
{
    // A grey backdrop, so that the shadow shows.
    Square(0, 0, 50, 100, Texture(0x808080));
    KFont3D* font = device.CreateFont("Arial", 0.2, true);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->Height(), static_cast<int>(kHeight * 0.2));
    ticks += 1600;
    ASSERT_TRUE(device.BeginFrame());
    const RECT rect = {40, 60, 300, 200};
    font->DrawTextRel("HI", rect, DT_LEFT | DT_TOP, 0xFFFFFFFF);
    const Image img = ReadBackBuffer(device.Device());
    device.EndFrame();
    int textLeft = kWidth, textTop = kHeight, shadowRight = -1, shadowBottom = -1, textRight = -1, textBottom = -1;
    int outside = 0;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const uint32_t p = img.At(x, y);
            const int level = static_cast<int>(p & 0xFF);
            const bool white = level > 0xE0, dark = level < 0x40;
            if (white) {
                textLeft = std::min(textLeft, x);
                textTop = std::min(textTop, y);
                textRight = std::max(textRight, x);
                textBottom = std::max(textBottom, y);
            }
            if (dark && x < 220 && y > 20 && y < 220) {
                shadowRight = std::max(shadowRight, x);
                shadowBottom = std::max(shadowBottom, y);
            }
            if ((white || dark) && x > 30 && x < 220 && y > 20 && y < 220 &&
                !(x >= rect.left - 1 && x < rect.right && y >= rect.top - 1 && y < rect.bottom))
                ++outside;
        }
    ASSERT_GE(textRight, 0);
    EXPECT_GE(textLeft, rect.left - 1);  // the text stands one pixel up and left of its shadow
    EXPECT_GE(textTop, rect.top - 1);
    EXPECT_EQ(outside, 0);
    ASSERT_GE(shadowRight, 0);
    // ceil(320 x 0.001) = ceil(240 x 0.001) = 1 pixel; an edge pixel may blend either way.
    EXPECT_GE(shadowRight - textRight, 1);
    EXPECT_LE(shadowRight - textRight, 2);
    EXPECT_GE(shadowBottom - textBottom, 1);
    EXPECT_LE(shadowBottom - textBottom, 2);
}

TEST_F(Engine, FontsBelongToTheDevice)
{
    KFont3D* font = device.CreateFont("Arial", -0.5, false);
    ASSERT_NE(font, nullptr);  // a negative fraction asks for the default height
    EXPECT_EQ(font->Height(), 0);
    KFont3D stranger(&device);
    EXPECT_FALSE(device.DeleteFont(&stranger));
    EXPECT_FALSE(device.DeleteFont(nullptr));
    EXPECT_EQ(device.FontCount(), 1);
    EXPECT_TRUE(device.DeleteFont(font));
    EXPECT_EQ(device.FontCount(), 0);
}

TEST_F(Engine, ATextureRecordThatClaimsTooManyBytesReadsOnlyWhatIsThere)
{
    const std::vector<unsigned char> bmp = SolidBmp(8, 8, 0x00FF00);
    KMemStream stream;
    stream.Write(bmp.data(), static_cast<int>(bmp.size()));
    stream.Seek(0);
    KTexture* t = device.LoadTexture(&stream, 1 << 30);
    ASSERT_NE(t, nullptr);
    EXPECT_NE(t->texture, nullptr);
    EXPECT_EQ(stream.Remaining(), 0);
    // Bytes that are no image give a texture object that holds none.
    KMemStream junk;
    junk.Write("not an image", 12);
    junk.Seek(0);
    KTexture* none = device.LoadTexture(&junk, 12);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->texture, nullptr);
    EXPECT_EQ(device.TextureCount(), 2);
}

TEST_F(Engine, RemoveObjectTakesOnlyItsOwnMeshes)
{
    KMesh* mesh = Square(0, 0, 100, 10, nullptr);
    KMesh stranger(&device);
    EXPECT_FALSE(device.RemoveObject(&stranger));
    EXPECT_TRUE(device.RemoveObject(mesh));
    EXPECT_EQ(device.MeshCount(), 0);
}

TEST(EngineWithoutDevice, EveryCallDoesNothingAfterAFailedCreation)
{
    KDevice3D device;
    EXPECT_FALSE(device.Init(nullptr, nullptr));  // no window to present to
    EXPECT_EQ(device.Device(), nullptr);
    EXPECT_FALSE(device.BeginFrame());
    device.EndFrame();
    EXPECT_EQ(device.CreateCamera(), nullptr);
    EXPECT_EQ(device.CreateFont("Arial", 0.1, false), nullptr);
    KMemStream stream;
    stream.Write("BM", 2);
    stream.Seek(0);
    EXPECT_EQ(device.LoadTexture(&stream, 2), nullptr);
    KMesh* mesh = KMesh::Create(&device);
    ASSERT_NE(mesh, nullptr);
    const double tri[9] = {0, 0, 1, 1, 1, 1, 1, 0, 1};
    mesh->AddTriangle(tri);
    EXPECT_FALSE(mesh->Rebuild());
    mesh->Render();
    EXPECT_EQ(mesh->LastDrawCalls(), 0);
    KFont3D font(&device);
    EXPECT_EQ(font.Create("Arial", 0.1, false), nullptr);
    font.DrawTextRel("x", RECT{0, 0, 10, 10}, 0, 0xFFFFFFFF);
}
