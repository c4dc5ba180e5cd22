// The shaped image's placement and the pixel under a point; the digit display's text, cells and
// digit count.
#include <gtest/gtest.h>

#include "digit_display_rules.h"
#include "shape_image_rules.h"

namespace {

TEST(ShapeImageRules, ImagePlacedByAlignmentCutToTheArea)
{
    struct Case {
        CSize Image;
        bool Stretch;
        int Horizontal, Vertical;
        CRect Target;
    };
    const CSize area(60, 40);
    const Case cases[] = {
        {{20, 10}, false, 0, 0, {0, 0, 20, 10}},   {{20, 10}, false, 1, 1, {20, 15, 40, 25}},
        {{20, 10}, false, 2, 2, {40, 30, 60, 40}}, {{20, 10}, true, 2, 2, {0, 0, 60, 40}},
        {{80, 50}, false, 1, 1, {0, 0, 60, 40}},   {{80, 50}, false, 2, 0, {0, 0, 60, 40}},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(qbk::ShapeImageTarget(area, c.Image, c.Stretch, c.Horizontal, c.Vertical).EqualRect(c.Target))
            << c.Image.cx << " " << c.Stretch << c.Horizontal << c.Vertical;
}

TEST(ShapeImageRules, PointMapsToThePixelDrawnThere)
{
    CPoint pixel;
    // Centred 20 x 10 at (20, 15): outside it no pixel, inside offset by the corner.
    const CRect centred(20, 15, 40, 25);
    EXPECT_FALSE(qbk::ShapeImagePixelAt(centred, CSize(20, 10), false, CPoint(5, 5), &pixel));
    EXPECT_FALSE(qbk::ShapeImagePixelAt(centred, CSize(20, 10), false, CPoint(40, 20), &pixel));
    ASSERT_TRUE(qbk::ShapeImagePixelAt(centred, CSize(20, 10), false, CPoint(25, 20), &pixel));
    EXPECT_EQ(pixel, CPoint(5, 5));
    // Stretched 20 x 20 over 40 x 40: scaled down.
    ASSERT_TRUE(qbk::ShapeImagePixelAt(CRect(0, 0, 40, 40), CSize(20, 20), true, CPoint(39, 30), &pixel));
    EXPECT_EQ(pixel, CPoint(19, 15));
    // No image.
    EXPECT_FALSE(qbk::ShapeImagePixelAt(CRect(0, 0, 40, 40), CSize(0, 0), true, CPoint(1, 1), &pixel));
}

TEST(DigitDisplayRules, TextKeepsTheLastDigitsRightAligned)
{
    struct Case {
        int Value, Digits;
        const char* Text;
    };
    const Case cases[] = {
        {123, 2, "23"},
        {-5, 3, " -5"},
        {7, 4, "   7"},
        {-123, 3, "123"},
        {0, 1, "0"},
        {5, 0, "5"},
        {5, 99, "         5"},  // the count is 1 to 10
        {-2147483647 - 1, 10, "2147483648"},
    };
    for (const Case& c : cases) EXPECT_EQ(qbk::DigitText(c.Value, c.Digits), c.Text) << c.Value << " " << c.Digits;
}

TEST(DigitDisplayRules, CellsOfCharactersAndDigitsForAWidth)
{
    EXPECT_EQ(qbk::DigitCell('7', false, 7), 7);
    EXPECT_EQ(qbk::DigitCell('-', true, -5), qbk::kMinusCell);
    EXPECT_EQ(qbk::DigitCell(' ', false, 7), qbk::kBlankCell);
    EXPECT_EQ(qbk::DigitCell(' ', true, 7), 0);  // leading zeros
    EXPECT_EQ(qbk::DigitCell(' ', true, -5), qbk::kBlankCell);  // never in front of a negative value
    EXPECT_EQ(qbk::DigitsForWidth(100, 13), 7);
    EXPECT_EQ(qbk::DigitsForWidth(5, 13), 1);
    EXPECT_EQ(qbk::DigitsForWidth(1000, 13), 10);
    EXPECT_EQ(qbk::DigitsForWidth(100, 0), 0);  // a strip narrower than twelve pixels has no cells
}

}  // namespace
