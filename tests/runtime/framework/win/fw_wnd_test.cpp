// The framework's window class under Wine: windows mapped from their first message, messages
// routed to the object, system controls subclassed and chained, and let go when destroyed.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "fw_wnd.h"
#include "win_test_support.h"

namespace {

constexpr UINT kPing = WM_APP + 1;
const char kClassName[] = "QbkFrameworkTest";

bool RegisterTestClass()
{
    WNDCLASSEXA cls = {};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = &CWnd::FrameworkWindowProc;
    cls.hInstance = ::GetModuleHandleA(nullptr);
    cls.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
    cls.lpszClassName = kClassName;
    return ::RegisterClassExA(&cls) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// Records every message it sees and answers kPing with 42 + wParam.
class Recorder : public CWnd {
public:
    std::vector<UINT> messages;
    bool afterNcDestroy = false;
    HWND handleAfterNcDestroy = reinterpret_cast<HWND>(1);

    bool Saw(UINT message) const { return std::count(messages.begin(), messages.end(), message) > 0; }
    size_t IndexOf(UINT message) const
    {
        return size_t(std::find(messages.begin(), messages.end(), message) - messages.begin());
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.push_back(message);
        if (message == kPing) return LRESULT(42 + wParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
    void PostNcDestroy() override
    {
        afterNcDestroy = true;
        handleAfterNcDestroy = m_hWnd;
    }
};

// A plain subclass procedure outside the framework, recording what reaches it.
std::vector<UINT> g_spied;
WNDPROC g_spyPrevious = nullptr;
LRESULT CALLBACK SpyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    g_spied.push_back(message);
    return ::CallWindowProcA(g_spyPrevious, window, message, wParam, lParam);
}
void Spy(HWND window)
{
    g_spied.clear();
    g_spyPrevious =
        reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SpyProc)));
}

HMENU ControlId(int id) { return reinterpret_cast<HMENU>(INT_PTR(id)); }

WNDPROC ProcOf(HWND window) { return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(window, GWLP_WNDPROC)); }

class FrameworkWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(RegisterTestClass());
        host_ = zvtest::CreateTestWindow(300, 200, "framework window test");
        ASSERT_NE(host_, nullptr);
    }
    void TearDown() override
    {
        if (::IsWindow(host_)) ::DestroyWindow(host_);
    }
    HWND NewEdit()
    {
        return ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24, host_, ControlId(3001), nullptr,
                                 nullptr);
    }
    HWND host_ = nullptr;
};

TEST_F(FrameworkWindowTest, AWindowOfOurClassIsMappedFromItsFirstMessage)
{
    Recorder window;
    ASSERT_TRUE(window.CreateEx(0, kClassName, "Mapped", WS_OVERLAPPEDWINDOW, 20, 20, 200, 150, nullptr, nullptr));
    const HWND handle = window.GetSafeHwnd();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), &window);
    ASSERT_FALSE(window.messages.empty());
    EXPECT_TRUE(window.messages[0] == WM_GETMINMAXINFO || window.messages[0] == WM_NCCREATE) << window.messages[0];
    ASSERT_TRUE(window.Saw(WM_NCCREATE));
    ASSERT_TRUE(window.Saw(WM_CREATE));
    EXPECT_LT(window.IndexOf(WM_NCCREATE), window.IndexOf(WM_CREATE));
    EXPECT_EQ(window.GetWindowText(), "Mapped") << "what WindowProc passes on gets the default handling";
    EXPECT_EQ(window.SendMessage(kPing, 1), 43);
    EXPECT_EQ(::SendMessageA(handle, kPing, 5, 0), 47) << "the handle's messages reach the object";
    EXPECT_FALSE(window.CreateEx(0, kClassName, "Twice", WS_OVERLAPPEDWINDOW, 0, 0, 10, 10, nullptr, nullptr));

    ASSERT_TRUE(window.DestroyWindow());
    EXPECT_TRUE(window.Saw(WM_DESTROY));
    EXPECT_EQ(window.messages.back(), UINT(WM_NCDESTROY));
    EXPECT_TRUE(window.afterNcDestroy);
    EXPECT_EQ(window.handleAfterNcDestroy, nullptr) << "let go before PostNcDestroy";
    EXPECT_EQ(window.GetSafeHwnd(), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
    EXPECT_FALSE(::IsWindow(handle));
}

TEST_F(FrameworkWindowTest, ASystemControlMadeThroughCreateExIsRoutedFromItsFirstMessage)
{
    Recorder edit;
    ASSERT_TRUE(edit.CreateEx(0, "EDIT", "start", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24, host_, ControlId(3002)));
    EXPECT_TRUE(edit.Saw(WM_NCCREATE));
    EXPECT_TRUE(edit.Saw(WM_CREATE));
    EXPECT_EQ(edit.GetDlgCtrlID(), 3002);
    EXPECT_EQ(ProcOf(edit.GetSafeHwnd()), &CWnd::FrameworkWindowProc);
    edit.SetWindowText("hello");
    EXPECT_TRUE(edit.Saw(WM_SETTEXT));
    EXPECT_EQ(edit.GetWindowText(), "hello") << "the control's own procedure still does its work";
    edit.SendMessage(WM_CHAR, '!', 1);
    EXPECT_EQ(edit.GetWindowText(), "!hello");
}

TEST_F(FrameworkWindowTest, ASubclassedEditSeesItsMessagesAndChainsToItsOwnProcedure)
{
    const HWND handle = NewEdit();
    ASSERT_NE(handle, nullptr);
    const WNDPROC original = ProcOf(handle);
    Recorder edit;
    ASSERT_TRUE(edit.SubclassWindow(handle));
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), &edit);
    Recorder other;
    EXPECT_FALSE(other.SubclassWindow(handle)) << "one object per handle";

    ::SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("abc"));
    ::SendMessageA(handle, WM_CHAR, 'x', 1);
    EXPECT_TRUE(edit.Saw(WM_SETTEXT));
    EXPECT_TRUE(edit.Saw(WM_CHAR));
    EXPECT_EQ(edit.GetWindowText(), "xabc");
    EXPECT_EQ(edit.SendMessage(EM_LINELENGTH, 0), 4) << "control messages pass through to the edit";
    EXPECT_EQ(edit.SendMessage(kPing, 0), 42);

    EXPECT_EQ(edit.UnsubclassWindow(), handle);
    EXPECT_EQ(ProcOf(handle), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
    const size_t seen = edit.messages.size();
    ::SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("after"));
    EXPECT_EQ(edit.messages.size(), seen);
    ::DestroyWindow(handle);
}

// Deletes itself once its window is gone, as owned controls do.
class SelfDeleting : public Recorder {
public:
    static std::vector<UINT> lastMessages;
    static bool deleted;
    ~SelfDeleting() override
    {
        lastMessages = messages;
        deleted = true;
    }

protected:
    void PostNcDestroy() override { delete this; }
};
std::vector<UINT> SelfDeleting::lastMessages;
bool SelfDeleting::deleted = false;

TEST_F(FrameworkWindowTest, DestroyingASubclassedControlChainsItsLastMessageAndLetsGo)
{
    const HWND handle = NewEdit();
    Spy(handle);  // between the framework and the edit's own procedure
    SelfDeleting::deleted = false;
    auto* edit = new SelfDeleting;
    ASSERT_TRUE(edit->SubclassWindow(handle));
    ::DestroyWindow(host_);  // the parent takes its child with it
    EXPECT_TRUE(SelfDeleting::deleted);
    ASSERT_FALSE(SelfDeleting::lastMessages.empty());
    EXPECT_EQ(SelfDeleting::lastMessages.back(), UINT(WM_NCDESTROY));
    ASSERT_FALSE(g_spied.empty());
    EXPECT_EQ(g_spied.back(), UINT(WM_NCDESTROY)) << "the previous procedure had the message too";
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), nullptr);
}

TEST_F(FrameworkWindowTest, UnsubclassingUnderAnotherSubclassIsRefused)
{
    const HWND handle = NewEdit();
    Recorder edit;
    ASSERT_TRUE(edit.SubclassWindow(handle));
    Spy(handle);  // over ours
    EXPECT_EQ(edit.UnsubclassWindow(), nullptr);
    EXPECT_EQ(CWnd::FromHandlePermanent(handle), &edit);
    ::SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("still"));
    EXPECT_EQ(g_spied.back(), UINT(WM_SETTEXT));
    EXPECT_EQ(edit.messages.back(), UINT(WM_SETTEXT));
    EXPECT_EQ(edit.GetWindowText(), "still");
    ::SetWindowLongPtrA(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_spyPrevious));
    EXPECT_EQ(edit.UnsubclassWindow(), handle);
    ::DestroyWindow(handle);
}

TEST_F(FrameworkWindowTest, TheObjectOwnsItsWindowUnlessDetached)
{
    HWND destroyed = nullptr;
    {
        Recorder window;
        ASSERT_TRUE(window.CreateEx(0, kClassName, "", WS_CHILD, 0, 0, 10, 10, host_, ControlId(3003)));
        destroyed = window.GetSafeHwnd();
    }
    EXPECT_FALSE(::IsWindow(destroyed));
    EXPECT_EQ(CWnd::FromHandlePermanent(destroyed), nullptr);

    HWND kept = nullptr;
    const HWND edit = NewEdit();
    const WNDPROC original = ProcOf(edit);
    {
        Recorder window;
        ASSERT_TRUE(window.CreateEx(0, kClassName, "", WS_CHILD, 0, 0, 10, 10, host_, ControlId(3004)));
        kept = window.Detach();
        Recorder control;
        ASSERT_TRUE(control.SubclassWindow(edit));
        EXPECT_EQ(control.Detach(), edit);
    }
    EXPECT_TRUE(::IsWindow(kept));
    EXPECT_TRUE(::IsWindow(edit));
    EXPECT_EQ(ProcOf(edit), original) << "a detached control gets its own procedure back";
    EXPECT_EQ(::SendMessageA(kept, kPing, 0, 0), 0) << "no object answers for a detached window";
}

// Makes a child window of our class while it is being created itself.
class Parent : public Recorder {
public:
    Recorder child;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_CREATE &&
            !child.CreateEx(0, kClassName, "child", WS_CHILD | WS_VISIBLE, 0, 0, 50, 50, m_hWnd, ControlId(7)))
            return -1;
        return Recorder::WindowProc(message, wParam, lParam);
    }
};

TEST_F(FrameworkWindowTest, WindowsMadeWhileAnotherIsCreatedMapToTheirOwnObjects)
{
    Parent parent;
    ASSERT_TRUE(parent.CreateEx(0, kClassName, "parent", WS_OVERLAPPEDWINDOW, 0, 0, 200, 200, nullptr, nullptr));
    ASSERT_NE(parent.child.GetSafeHwnd(), nullptr);
    EXPECT_NE(parent.child.GetSafeHwnd(), parent.GetSafeHwnd());
    EXPECT_EQ(CWnd::FromHandlePermanent(parent.GetSafeHwnd()), &parent);
    EXPECT_EQ(CWnd::FromHandlePermanent(parent.child.GetSafeHwnd()), &parent.child);
    EXPECT_EQ(::GetParent(parent.child.GetSafeHwnd()), parent.GetSafeHwnd());
    EXPECT_TRUE(parent.child.Saw(WM_NCCREATE));
    EXPECT_FALSE(parent.Saw(kPing));
    EXPECT_EQ(parent.child.SendMessage(kPing, 2), 44);
    const HWND child = parent.child.GetSafeHwnd();
    parent.DestroyWindow();
    EXPECT_TRUE(parent.child.afterNcDestroy) << "destroyed with its parent";
    EXPECT_EQ(CWnd::FromHandlePermanent(child), nullptr);
}

}  // namespace
