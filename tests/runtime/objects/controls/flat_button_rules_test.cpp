// The image button's rules: where image and text go by alignment, which image shows in which
// state, and the embossed picture of a disabled button.
#include <gtest/gtest.h>

#include "flat_button_rules.h"

namespace {

using qbk::FlatButtonImageSet;
using qbk::PlaceFlatButtonImage;

struct PlacementCase {
    int Align;
    bool HasText;
    CPoint Image;
    CRect Text;
};

TEST(FlatButtonRules, ImageAndTextPlacedByAlignment)
{
    // A button of 100 x 40 with an image of 20 x 10.
    const PlacementCase cases[] = {
        {0, true, {3, 15}, {23, 0, 100, 40}}, {0, false, {40, 15}, {0, 0, 100, 40}},
        {1, true, {40, 3}, {0, 10, 100, 40}}, {1, false, {40, 15}, {0, 0, 100, 40}},
        {2, true, {77, 15}, {3, 0, 77, 40}},  {2, false, {40, 0}, {0, 0, 100, 40}},
        {7, true, {3, 15}, {23, 0, 100, 40}},  // an unknown alignment is the left one
    };
    for (const PlacementCase& c : cases) {
        const qbk::FlatButtonPlacement place = PlaceFlatButtonImage(100, 40, CSize(20, 10), c.Align, c.HasText);
        EXPECT_EQ(place.Image, c.Image) << c.Align << " " << c.HasText;
        EXPECT_TRUE(place.Text.EqualRect(c.Text)) << c.Align << " " << c.HasText;
    }
    // An image larger than the button keeps its middle in the middle.
    EXPECT_EQ(PlaceFlatButtonImage(10, 10, CSize(20, 30), 0, false).Image, CPoint(-5, -10));
}

TEST(FlatButtonRules, ImageShownByState)
{
    struct Case {
        bool Disabled, CheckStyle, Hovered, Pressed, HasHover;
        int Set;
    };
    const Case cases[] = {
        {false, false, false, false, true, 0}, {false, false, true, false, true, 1},
        {false, false, true, false, false, 0}, {false, false, false, true, true, 1},
        {false, true, true, false, true, 0},  // a check button shows its hover image only pushed
        {false, true, false, true, true, 1},   {true, false, true, true, true, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FlatButtonImageSet(c.Disabled, c.CheckStyle, c.Hovered, c.Pressed, c.HasHover), c.Set)
            << c.Disabled << c.CheckStyle << c.Hovered << c.Pressed << c.HasHover;
}

TEST(FlatButtonRules, DisabledPictureEmbossesTheDarkPixels)
{
    constexpr uint32_t W = 0xFFFFFF, K = 0x000000, T = 0x101010, G = 0x808080, M = 0xFF00FF;
    // Dark: grey value below 129; 128 is dark, 129 is not. T is dark but transparent.
    const std::vector<uint32_t> image = {
        K, W, 0x808080, 0x818181,  //
        W, W, W,        W,  //
        T, W, W,        K,  //
    };
    const std::vector<uint32_t> out = qbk::EmbossedPixels(image, 4, 3, T);
    const std::vector<uint32_t> expected = {
        G, M, G, M,  //
        M, W, M, W,  // white below right of the dark pixels of the first row
        M, M, M, G,  // the transparent pixel stays magenta; nothing beyond the edges
    };
    EXPECT_EQ(out, expected);
    EXPECT_EQ(qbk::EmbossedPixels({}, 0, 0, 0).size(), 0u);
}

}  // namespace
