// The painted images: each is a PNG that decodes to the size its use needs, and painting is
// reproducible.
#include <gtest/gtest.h>
#include <png.h>

#include <functional>

#include "image/backdrops.h"
#include "image/png_file.h"
#include "image/stroke_font.h"
#include "image/track_textures.h"

using namespace zvtools;

namespace {

bool IsPowerOfTwo(int n) { return n > 0 && (n & (n - 1)) == 0; }

// Decodes a PNG with libpng's simple interface; false when it is not one.
bool Decode(const std::vector<std::uint8_t>& bytes, int& width, int& height, std::vector<std::uint8_t>& rgb)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
    image.format = PNG_FORMAT_RGB;
    rgb.resize(PNG_IMAGE_SIZE(image));
    const bool ok = png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) != 0;
    width = static_cast<int>(image.width);
    height = static_cast<int>(image.height);
    png_image_free(&image);
    return ok;
}

TEST(ImagesTest, TrackTexturesDecodeAtPowerOfTwoSizes)
{
    const std::function<Canvas()> painters[] = {
        PaintTunnelWall,
        PaintSlideWall,
        PaintFixedBlock,
        PaintPushableBlock,
        [] { return PaintPushFace(false); },
        [] { return PaintPushFace(true); },
        [] { return PaintSign(SignKind::Start); },
        PaintGem,
        PaintTurboArrow,
    };
    for (const auto& paint : painters) {
        const Canvas canvas = paint();
        int w = 0, h = 0;
        std::vector<std::uint8_t> rgb;
        ASSERT_TRUE(Decode(EncodePng(canvas), w, h, rgb));
        EXPECT_EQ(w, canvas.Width());
        EXPECT_EQ(h, canvas.Height());
        EXPECT_TRUE(IsPowerOfTwo(w) && IsPowerOfTwo(h)) << w << " x " << h;
        EXPECT_EQ(rgb, canvas.ToRgb8());
    }
}

TEST(ImagesTest, WallPanoramasHaveThirtyTwoSeparateColumns)
{
    for (const Canvas& wall : {PaintTunnelWall(), PaintSlideWall()}) {
        ASSERT_EQ(wall.Width() % 32, 0);
        const int column = wall.Width() / 32;
        // Every column is drawn alike, so the picture repeats with the column's width (the
        // tints alternate, so compare columns two apart) and the columns meet at a visible seam.
        const int y = wall.Height() / 3;
        const Rgb a = wall.At(column * 4 + column / 2, y), b = wall.At(column * 6 + column / 2, y);
        EXPECT_NEAR(a.r + a.g + a.b, b.r + b.g + b.b, 0.35f);
        const Rgb seam = wall.At(column * 5, y), inside = wall.At(column * 5 + column / 2, y);
        EXPECT_GT(std::abs((seam.r + seam.g + seam.b) - (inside.r + inside.g + inside.b)), 0.1f);
    }
}

TEST(ImagesTest, BackdropsFillAFourThreeScreenAndShowTheirWording)
{
    const Canvas plain = PaintBackdrop({"", "", Rgb{0.2f, 0.5f, 1}, false});
    const Canvas titled = PaintBackdrop({"HIGH SCORES", "", Rgb{0.2f, 0.5f, 1}, false});
    EXPECT_EQ(plain.Width() * 3, plain.Height() * 4);
    // The caption is drawn in the top part: pixels there differ, the middle stays the same.
    int changedTop = 0, changedMiddle = 0;
    for (int y = 0; y < plain.Height(); y += 4)
        for (int x = 0; x < plain.Width(); x += 4) {
            const Rgb p = plain.At(x, y), t = titled.At(x, y);
            const bool changed = std::abs(p.r - t.r) + std::abs(p.g - t.g) + std::abs(p.b - t.b) > 0.1f;
            (y < 200 ? changedTop : changedMiddle) += changed;
        }
    EXPECT_GT(changedTop, 500);
    EXPECT_EQ(changedMiddle, 0);
}

TEST(ImagesTest, LongTitlesStayClearOfTheBackdropsSides)
{
    const Canvas plain = PaintBackdrop({"", "", Rgb{0.5f, 0.2f, 1}, false});
    for (const char* title : {"SELECT LEVEL", "SEE YOU SOON", "WWWWWWWWWWWWWWWWWWWW"}) {
        const Canvas titled = PaintBackdrop({title, "", Rgb{0.5f, 0.2f, 1}, false});
        int changedSides = 0, changedTop = 0;
        for (int y = 0; y < 200; ++y)
            for (int x = 0; x < plain.Width(); ++x) {
                const Rgb p = plain.At(x, y), t = titled.At(x, y);
                const bool changed = std::abs(p.r - t.r) + std::abs(p.g - t.g) + std::abs(p.b - t.b) > 0.1f;
                (x < 24 || x >= plain.Width() - 24 ? changedSides : changedTop) += changed;
            }
        EXPECT_EQ(changedSides, 0) << title;
        EXPECT_GT(changedTop, 500) << title;
    }
}

TEST(ImagesTest, TextWidthGrowsWithTheTextAndUnknownCharactersDrawNothing)
{
    TextStyle style;
    EXPECT_EQ(TextWidth("", style), 0);
    EXPECT_LT(TextWidth("AB", style), TextWidth("ABC", style));
    Canvas canvas(64, 64);
    DrawText(canvas, "~", 0, 0, style);
    EXPECT_EQ(canvas.ToRgb8(), Canvas(64, 64).ToRgb8());
}

TEST(ImagesTest, PaintingIsReproducible)
{
    EXPECT_EQ(EncodePng(PaintSign(SignKind::Checkpoint)), EncodePng(PaintSign(SignKind::Checkpoint)));
    EXPECT_EQ(EncodePng(PaintSlideWall()), EncodePng(PaintSlideWall()));
}

}  // namespace
