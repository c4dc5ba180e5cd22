// The digit display as drawn: each character in its strip cell (digits, blanks, minus sign,
// leading zeros), cells with a transparent colour, the digit count following the width, and a strip
// too narrow for cells.
#include <gtest/gtest.h>

#include <vector>

#include "image_bitmap.h"
#include "picture_static.h"
#include "win_test_support.h"

namespace {

constexpr int kCell = 4, kHeight = 6, kLeft = 10, kTop = 10;

// Cell i of the test strip is one colour of its own.
uint32_t CellColour(int i) { return uint32_t(i * 20) << 16 | uint32_t(255 - i * 20) << 8 | 0x64; }

class DigitDisplay : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = zvtest::CreateTestWindow(200, 100, "digits");
        ASSERT_NE(window_, nullptr);
        zvtest::Activate(window_);
        ASSERT_TRUE(parent_.Attach(window_));
        const RECT rect = {kLeft, kTop, kLeft + 3 * kCell, kTop + kHeight};
        ASSERT_TRUE(display_.Create("", WS_CHILD | WS_VISIBLE, rect, &parent_, 100));
        GiveStrip(12 * kCell);
        display_.SetDigitCount(3);
    }
    void TearDown() override
    {
        display_.DestroyWindow();
        parent_.Detach();
        DestroyWindow(window_);
    }

    void GiveStrip(int width)
    {
        CImageBitmap strip;
        ASSERT_TRUE(strip.CreateCompatible(nullptr, width, kHeight));
        std::vector<uint32_t> pixels(size_t(width) * kHeight);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < width; ++x) pixels[size_t(y) * width + x] = CellColour(x / kCell);
        ASSERT_TRUE(strip.WritePixels(pixels.data()));
        ASSERT_TRUE(strip.CopyTo(&display_.GetBitmap()));
        display_.SetBitmap();
    }

    // The strip cells shown, read back from the screen, or -1 for a colour of no cell.
    std::vector<int> Shown(int count)
    {
        ::RedrawWindow(display_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        zvtest::PumpMessages(50);
        const zvtest::Image shot = zvtest::CaptureWindow(window_);
        std::vector<int> cells;
        for (int i = 0; i < count; ++i) {
            const uint32_t pixel = shot.Empty() ? 0 : shot.At(kLeft + i * kCell + kCell / 2, kTop + kHeight / 2);
            int cell = -1;
            for (int c = 0; c < 12; ++c)
                if (zvtest::ColorNear(pixel, CellColour(c), 4)) cell = c;
            cells.push_back(cell);
        }
        return cells;
    }

    HWND window_ = nullptr;
    CWnd parent_;
    CPictureStatic display_;
};

TEST_F(DigitDisplay, CharactersShowTheirCells)
{
    struct Case {
        int Value, Digits, LeadingZeros;
        std::vector<int> Cells;
    };
    const Case cases[] = {
        {123, 2, 0, {2, 3}},     {-5, 3, 0, {10, 11, 5}},    {-5, 3, 1, {10, 11, 5}},
        {7, 4, 1, {0, 0, 0, 7}}, {7, 4, 0, {10, 10, 10, 7}}, {-123, 3, 0, {1, 2, 3}},
    };
    for (const Case& c : cases) {
        ::MoveWindow(display_, kLeft, kTop, c.Digits * kCell, kHeight, TRUE);
        EXPECT_EQ(display_.GetDigitCount(), c.Digits);
        display_.SetLeadingZeros(c.LeadingZeros, 0);
        display_.SetValue(c.Value, true);
        EXPECT_EQ(Shown(c.Digits), c.Cells) << c.Value << " " << c.Digits << " " << c.LeadingZeros;
    }
}

TEST_F(DigitDisplay, TransparentCellsShowTheWindowBehind)
{
    display_.SetTransparentColor(RGB(200, 55, 0x64));  // the blank cell's colour
    display_.SetValue(-5, true);
    EXPECT_EQ(Shown(3), (std::vector<int>{-1, 11, 5}));
    const zvtest::Image shot = zvtest::CaptureWindow(window_);
    ASSERT_FALSE(shot.Empty());
    EXPECT_TRUE(zvtest::ColorNear(shot.At(kLeft + kCell / 2, kTop + kHeight / 2), 0xFFFFFF, 4));
}

TEST_F(DigitDisplay, StripTooNarrowForCellsShowsNoDigits)
{
    GiveStrip(11);
    EXPECT_EQ(display_.GetCellWidth(), 0);
    ::MoveWindow(display_, kLeft, kTop, 40, kHeight, TRUE);  // no division by the cell width
    EXPECT_EQ(display_.GetDigitCount(), 3);
    display_.SetValue(42, true);
    EXPECT_EQ(display_.FormatText(), " 42");
}

}  // namespace
