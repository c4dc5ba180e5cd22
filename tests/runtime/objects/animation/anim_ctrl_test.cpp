// The animation control's window: frames centred on its background, transparent colours, the timer
// stepping through the frames, and the mouse and focus notices its owner receives.
#include "anim_ctrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "win_test_support.h"

namespace {

constexpr uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

// A one-colour frame, or one with a left half of another colour.
std::unique_ptr<CImageBitmap> Frame(int width, int height, COLORREF colour, COLORREF left = CLR_INVALID)
{
    auto image = std::make_unique<CImageBitmap>();
    image->CreateCompatible(nullptr, width, height);
    std::unique_ptr<CDC> dc(image->CreateMemDC());
    dc->FillSolidRect(0, 0, width, height, colour);
    if (left != CLR_INVALID) dc->FillSolidRect(0, 0, width / 2, height, left);
    return image;
}

// The owner of the control: records the notices it receives.
class Owner : public CWnd {
public:
    std::vector<UINT> notices;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_COMMAND && LOWORD(wParam) == 77) notices.push_back(HIWORD(wParam));
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class AnimCtrlWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        host_ = zvtest::CreateTestWindow(200, 120, "animation control");
        ASSERT_NE(host_, nullptr);
        ASSERT_TRUE(owner_.SubclassWindow(host_));
        ASSERT_TRUE(anim_.Create(WS_CHILD | WS_VISIBLE, &owner_, RECT{10, 10, 70, 50}, 77));
        zvtest::Activate(host_);
    }
    void TearDown() override
    {
        anim_.DestroyWindow();
        owner_.UnsubclassWindow();
        DestroyWindow(host_);
    }
    uint32_t At(int x, int y) const
    {
        zvtest::PumpMessages(10);
        return zvtest::CaptureWindow(anim_.GetSafeHwnd()).At(x, y);
    }
    void Add(std::unique_ptr<CImageBitmap> frame) { ASSERT_TRUE(anim_.InsertFrame(-1, frame.get())); }

    HWND host_ = nullptr;
    Owner owner_;
    CAnimCtrl anim_;
};

TEST_F(AnimCtrlWindow, FramesAreCentredOnTheBackgroundAndNeverScaled)
{
    EXPECT_EQ(At(30, 20), kWhite);  // no frame: the background
    Add(Frame(20, 10, RGB(255, 0, 0)));
    anim_.Redraw();
    EXPECT_EQ(At(20, 15), kRed);
    EXPECT_EQ(At(39, 24), kRed);
    EXPECT_EQ(At(19, 15), kWhite);
    EXPECT_EQ(At(40, 25), kWhite);
    anim_.SetBackColor(RGB(0, 255, 0));
    Add(Frame(100, 80, RGB(0, 0, 255), RGB(255, 0, 0)));
    anim_.SetFrame(1);  // larger than the control: clipped, its centre in the middle
    EXPECT_EQ(At(0, 0), kRed);
    EXPECT_EQ(At(59, 39), kBlue);
    anim_.SetFrame(0);
    EXPECT_EQ(At(2, 2), kGreen);
    anim_.SetTransparentColor(RGB(255, 0, 0));
    anim_.Redraw();
    EXPECT_EQ(At(30, 20), kGreen);
}

TEST_F(AnimCtrlWindow, TheTimerStepsThroughTheFrames)
{
    Add(Frame(60, 40, RGB(255, 0, 0)));
    Add(Frame(60, 40, RGB(0, 255, 0)));
    anim_.SetLoop(false);
    anim_.SetDelay(10);
    anim_.Play();
    EXPECT_TRUE(zvtest::WaitFor([&] { return !anim_.IsPlaying(); }, 5000));
    EXPECT_EQ(anim_.GetCurrentFrame(), 1);
    EXPECT_EQ(At(30, 20), kGreen);
    anim_.PlayBackward();
    EXPECT_TRUE(zvtest::WaitFor([&] { return !anim_.IsPlaying(); }, 5000));
    EXPECT_EQ(At(30, 20), kRed);
}

TEST_F(AnimCtrlWindow, MouseAndFocusReachTheOwnerWhileNotifying)
{
    POINT inside = {30, 20};
    ClientToScreen(anim_.GetSafeHwnd(), &inside);
    zvtest::Click(inside.x, inside.y);
    zvtest::PumpMessages(200);
    EXPECT_TRUE(owner_.notices.empty());  // not notifying yet
    anim_.SetNotify(true);
    zvtest::MoveMouse(inside.x + 1, inside.y);
    zvtest::Click(inside.x + 2, inside.y);
    EXPECT_TRUE(zvtest::WaitFor([&] { return owner_.notices.size() >= 4; }, 5000));
    zvtest::MoveMouse(inside.x + 200, inside.y + 200);
    const auto has = [&](UINT notice) {
        return std::find(owner_.notices.begin(), owner_.notices.end(), notice) != owner_.notices.end();
    };
    EXPECT_TRUE(zvtest::WaitFor([&] { return has(8); }, 5000));  // the mouse went away
    ASSERT_GE(owner_.notices.size(), 5u);
    EXPECT_EQ(owner_.notices.front(), 7u);  // the mouse came in
    EXPECT_TRUE(has(WM_LBUTTONDOWN) && has(WM_LBUTTONUP) && has(WM_MOUSEMOVE));
    EXPECT_NE(GetCapture(), anim_.GetSafeHwnd());
    owner_.notices.clear();
    SetFocus(anim_.GetSafeHwnd());
    SetFocus(host_);
    EXPECT_EQ(owner_.notices, (std::vector<UINT>{WM_SETFOCUS, WM_KILLFOCUS}));
}

}  // namespace
