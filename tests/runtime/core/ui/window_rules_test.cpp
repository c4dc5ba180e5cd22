// The arithmetic of project windows: key names both ways, anchored places, window styles, scroll
// targets, header fonts and how answers count.
#include <gtest/gtest.h>

#include "key_names.h"
#include "window_rules.h"

namespace {

TEST(KeyNames, NamesFollowTheSystemsConstantsWithDigitsLettersAndKeypadByThemselves)
{
    const struct {
        unsigned code;
        const char* name;
    } cases[] = {{0x0D, "RETURN"},  {0x1B, "ESCAPE"}, {0x30, "0"},         {0x39, "9"},     {0x41, "A"},
                 {0x5A, "Z"},       {0x60, "NUM0"},   {0x69, "NUM9"},      {0x70, "F1"},    {0x7F, "F16"},
                 {0x90, "NUMLOCK"}, {0xFD, "PA1"},    {0x6C, "SEPARATOR"}, {0x2E, "DELETE"}};
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKeyToKeyName(c.code), c.name) << c.code;
        EXPECT_EQ(KeyNameToVirtualKey(c.name), c.code) << c.name;
    }
}

TEST(KeyNames, CodesWithoutARowHaveNoName)
{
    for (unsigned code : {0u, 0x2Au, 0x80u, 0x87u, 0xFEu, 300u}) EXPECT_EQ(VirtualKeyToKeyName(code), "") << code;
    int named = 0;
    for (unsigned code = 0; code < 256; ++code) named += VirtualKeyToKeyName(code).IsEmpty() ? 0 : 1;
    EXPECT_EQ(named, 110);
}

TEST(KeyNames, NamesAreFoundWithoutRegardToCase)
{
    EXPECT_EQ(KeyNameToVirtualKey("RETURN"), 13u);
    EXPECT_EQ(KeyNameToVirtualKey("Return"), 13u);
    EXPECT_EQ(KeyNameToVirtualKey("num5"), 0x65u);
    EXPECT_EQ(KeyNameToVirtualKey(""), 0u);
    EXPECT_EQ(KeyNameToVirtualKey("F17"), 0u);
    EXPECT_EQ(KeyNameToVirtualKey(nullptr), 0u);
    EXPECT_EQ(KeyNameToVirtualKey("AVERYLONGNAMEOFNOKEYATALL"), 0u);
}

TEST(Anchors, EachRuleMovesOrStretchesItsAxisFromTheDesignedPlace)
{
    const qbk::Box design{10, 20, 100, 50};
    const struct {
        int anchor, dx, dy;
        qbk::Box expected;
    } cases[] = {
        {15, 40, 20, {10, 20, 140, 70}},  // stretched both ways
        {10, 40, 20, {50, 40, 100, 50}},  // kept at the far edges
        {5, 40, 20, {30, 30, 100, 50}},  // kept centred
        {4, -3, 0, {9, 20, 100, 50}},  // half of -3 rounds toward zero
        {0, 40, 20, design},  // not anchored
        {16, 40, 20, design},  // outside the rules: the design
        {-1, 40, 20, design},
    };
    for (const auto& c : cases) EXPECT_EQ(qbk::AnchoredBox(design, c.anchor, c.dx, c.dy), c.expected) << c.anchor;
}

TEST(WindowStyle, StoredBitsBecomeFramesAndTheKindDecidesPopUpOrChild)
{
    using qbk::WindowKind;
    // A sizing frame with a system menu but no boxes: the boxes it brings are taken away again.
    const uint32_t framed = qbk::ProjectWindowStyle(0x1 | 0x00080000u, WindowKind::TopLevelPopup);
    EXPECT_EQ(framed & 0x00CF0000u, 0x00CC0000u | 0x00080000u);
    EXPECT_EQ(framed & 0x80000000u, 0x80000000u);
    EXPECT_EQ(framed & 0x10000000u, 0u);  // created hidden
    EXPECT_EQ(qbk::ProjectWindowStyle(0x2, WindowKind::Child), 0x42C00000u);
    EXPECT_EQ(qbk::ProjectWindowStyle(0x08000004, WindowKind::TopLevel), 0x0A800000u);
    EXPECT_EQ(qbk::ProjectWindowKind(-1, false, 0), WindowKind::TopLevelPopup);
    EXPECT_EQ(qbk::ProjectWindowKind(2, false, 1), WindowKind::TopLevel);
    EXPECT_EQ(qbk::ProjectWindowKind(2, true, 0), WindowKind::Child);
    EXPECT_EQ(qbk::ProjectWindowKind(2, true, 1), WindowKind::OwnedPopup);
    EXPECT_EQ(qbk::ProjectWindowKind(2, true, 14), WindowKind::MdiChild);
}

TEST(WindowStyle, MdiChildKeepsOnlyTheFramePartsAsked)
{
    const uint32_t systemMade = 0x40CF0000;  // child with caption, sizing frame, menu and boxes
    EXPECT_EQ(qbk::CorrectedMdiChildStyle(systemMade, 0x40CF0000), systemMade);
    EXPECT_EQ(qbk::CorrectedMdiChildStyle(systemMade, 0x40C00000) & 0x000F0000u, 0u);
}

TEST(Scrolling, RequestsMoveThePositionWithoutClamping)
{
    EXPECT_EQ(qbk::ScrollTarget(0, 10, 0, 100, 1, 10, 0), 9);
    EXPECT_EQ(qbk::ScrollTarget(1, 10, 0, 100, 1, 10, 0), 11);
    EXPECT_EQ(qbk::ScrollTarget(2, 5, 0, 100, 1, 10, 0), -5);
    EXPECT_EQ(qbk::ScrollTarget(3, 95, 0, 100, 1, 10, 0), 105);
    EXPECT_EQ(qbk::ScrollTarget(5, 0, 0, 200000, 1, 10, 150000), 150000);  // beyond 16 bits
    EXPECT_EQ(qbk::ScrollTarget(6, 50, 3, 90, 1, 10, 0), 3);
    EXPECT_EQ(qbk::ScrollTarget(7, 50, 3, 90, 1, 10, 0), 90);
    EXPECT_EQ(qbk::ScrollTarget(8, 50, 3, 90, 1, 10, 0), 50);
}

TEST(HeaderFont, FaceAndPointSizeOrTheDefault)
{
    EXPECT_TRUE(qbk::ParseHeaderFont("").IsDefault);
    const qbk::HeaderFont arial = qbk::ParseHeaderFont(CString("Arial\xA4") + "12");
    EXPECT_FALSE(arial.IsDefault);
    EXPECT_EQ(arial.Face, "Arial");
    EXPECT_EQ(arial.PointSize, 12);
    const qbk::HeaderFont sizeOnly = qbk::ParseHeaderFont("14");
    EXPECT_EQ(sizeOnly.Face, "");
    EXPECT_EQ(sizeOnly.PointSize, 14);
    const qbk::HeaderFont longFace = qbk::ParseHeaderFont(CString(40, 'F') + "\xA4" + "9");
    EXPECT_EQ(longFace.Face.GetLength(), 31);
}

TEST(Answers, OnlyALeadingMinusOneRefuses)
{
    EXPECT_EQ(qbk::AnswerValue("-1"), -1);
    EXPECT_EQ(qbk::AnswerValue("-1x"), -1);
    EXPECT_EQ(qbk::AnswerValue("-12"), -12);
    EXPECT_EQ(qbk::AnswerValue(""), 0);
    EXPECT_EQ(qbk::AnswerValue("no"), 0);
    EXPECT_EQ(qbk::AnswerValue("99999999999999999999"), 2147483647);
}

}  // namespace
