// Project windows opened inside the test's own process, where the test can reach what a packed
// program hides: the main loop's forwarding of keys, event requests sent from this or another
// thread, dropped files, MDI children, closing with foreign windows around, and the outline of a
// shaped window across size changes.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <thread>
#include <vector>

#include "command_families.h"
#include "project_run.h"
#include "runtime_app.h"
#include "stored_project_fixture.h"
#include "window_services.h"

namespace {

constexpr UINT kEventRequest = 791;
constexpr UINT kActivateMe = WM_APP + 1;

// A window of the program that is not one of the project's.
struct ForeignWindow {
    static int forwardedKeys, keys;
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == WM_USER + 7) ++forwardedKeys;
        if (message == WM_KEYDOWN) ++keys;
        if (message == kActivateMe) ::SetActiveWindow(window);
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
    static LRESULT CALLBACK MdiProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::DefMDIChildProcA(window, message, wParam, lParam);
    }
};
int ForeignWindow::forwardedKeys = 0;
int ForeignWindow::keys = 0;

class ProjectWindowTest : public StoredProjectTest {
protected:
    void SetUp() override
    {
        StoredProjectTest::SetUp();
        runtime_.m_commandTable = &GetScriptCommandTable();
        InstallWindowHooks(runtime_);
        const HINSTANCE instance = ::GetModuleHandleA(nullptr);
        runtime_.m_instance = instance;
        RegisterProjectWindowClass(instance);
        RegisterNoCloseWindowClass(instance);
        RegisterEmptyWindowClass(instance);
        WNDCLASSA type = {};
        type.lpfnWndProc = &ForeignWindow::Procedure;
        type.hInstance = instance;
        type.lpszClassName = "ForeignWindow";
        ::RegisterClassA(&type);
        type.lpfnWndProc = &ForeignWindow::MdiProcedure;
        type.lpszClassName = "ForeignMdiChild";
        ::RegisterClassA(&type);
    }
    void TearDown() override
    {
        for (HWND window : foreign_) ::DestroyWindow(window);
        runtime_.m_releasing = 1;
        runtime_.ResetProject();
        StoredProjectTest::TearDown();
    }

    void Start(const std::string& description)
    {
        ASSERT_TRUE(Load(qbktest::DefaultCommandWords() + description));
        runtime_.CompileAllScripts();
    }
    // Opens the window as start-up opens MAIN, or inside parent with the mode.
    HWND Open(const char* name, const char* parent = nullptr, int mode = 0)
    {
        WindowRecord& window = Window(name);
        CreateProjectWindow(runtime_, window.Id, parent ? Window(parent).Id : -1, mode);
        const HWND handle = ObjectHandle(window.Self());
        if (handle) ::ShowWindow(handle, SW_SHOW);
        runtime_.m_running = 1;
        return handle;
    }
    int ObjectId(const char* window, const char* object)
    {
        return runtime_.FindObjectIdByName(Window(window).Id, object);
    }
    HWND Foreign(DWORD exStyle, const char* className, DWORD style, HWND parent)
    {
        const HWND window = ::CreateWindowExA(exStyle, className, "foreign", style, 700, 500, 120, 80, parent, nullptr,
                                              ::GetModuleHandleA(nullptr), nullptr);
        foreign_.push_back(window);
        return window;
    }
    static std::string Title(HWND window) { return qbktest::ProjectRun::Text(window); }

    std::vector<HWND> foreign_;
};

TEST_F(ProjectWindowTest, MainLoopForwardsKeysAndMovesOnlyToProjectWindowsAndMinusOneSwallowsAKey)
{
    Start(R"(
window Other
  caption "Other"
  style 0x100B0001
  rect 0 0 100 50
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 200 100
  builtin Keyboard
    event 0
      @MAIN.SetText(@MAIN.GetText() & "k" & @Application.GetParameter(0))
      @Condition.If(@Application.GetParameter(0), "=", "B")
        @Application.Return("-1")
      @Condition.EndIf()
    event 1
      @MAIN.SetText(@MAIN.GetText() & "+" & @Application.GetParameter(0))
  builtin Mouse
    event 0
      @Other.Other.SetText("moved")
)");
    const HWND other = Open("Other");
    const HWND main = Open("MAIN");
    ASSERT_NE(main, nullptr);
    const HWND foreign = Foreign(WS_EX_TOOLWINDOW, "ForeignWindow", WS_POPUP | WS_VISIBLE, nullptr);
    ForeignWindow::forwardedKeys = ForeignWindow::keys = 0;
    ::SetActiveWindow(main);
    ::PostMessageA(main, WM_KEYDOWN, 'A', 0);
    ::PostMessageA(main, WM_KEYDOWN, 'B', 0);  // answered with -1: never dispatched
    ::PostMessageA(main, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ::PostMessageA(foreign, kActivateMe, 0, 0);
    ::PostMessageA(foreign, WM_KEYDOWN, 'C', 0);  // the active window is not the project's
    ::PostQuitMessage(0);  // after everything posted
    RunMainMessageLoop(runtime_, *Window("MAIN").Self(), false);

    EXPECT_EQ(Title(main), "TkA+AkB");
    EXPECT_EQ(Title(other), "moved");
    EXPECT_EQ(ForeignWindow::forwardedKeys, 0);
    EXPECT_EQ(ForeignWindow::keys, 1);
}

TEST_F(ProjectWindowTest, EventRequestsRunOnlyWhenSentFromThisThreadWithABoundedCount)
{
    Start(R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 200 100
  object Button target
    event 0
      @MAIN.SetText("r" & @Application.GetParameterCount() & @Application.GetParameter(0) & @Application.GetParameter(1))
)");
    const HWND main = Open("MAIN");
    ASSERT_NE(main, nullptr);
    const char* texts[] = {"x", "y"};
    unsigned char request[40] = {};
    auto fill = [&](int32_t count) {
        const char* const* pointer = texts;
        const int32_t windowId = Window("MAIN").Id, objectId = ObjectId("MAIN", "target");
        std::memcpy(request + 4, &count, 4);
        std::memcpy(request + 8, &pointer, sizeof pointer);
        std::memcpy(request + 28, &windowId, 4);
        std::memcpy(request + 32, &objectId, 4);
    };

    fill(300);  // more texts than any sender means
    EXPECT_EQ(::SendMessageA(main, kEventRequest, WPARAM(-1), LPARAM(request)), 0);
    EXPECT_EQ(Title(main), "T");

    fill(2);
    std::thread other([&] {
        DWORD_PTR answer = 0;
        ::SendMessageTimeoutA(main, kEventRequest, WPARAM(-1), LPARAM(request), SMTO_NORMAL, 5000, &answer);
    });
    zvtest::PumpMessages(300);
    other.join();
    EXPECT_EQ(Title(main), "T");  // from another thread: its address vouches for nothing

    // Posted, even an address that happens to hold a record is not trusted, in any message loop.
    IgnorePostedEventRequests(true);
    ::PostMessageA(main, kEventRequest, WPARAM(-1), LPARAM(request));
    zvtest::PumpMessages(200);
    IgnorePostedEventRequests(false);
    EXPECT_EQ(Title(main), "T");

    runtime_.m_releasing = 1;  // nothing runs while the project is let go of
    ::SendMessageA(main, kEventRequest, WPARAM(-1), LPARAM(request));
    EXPECT_EQ(Title(main), "T");
    runtime_.m_releasing = 0;

    EXPECT_EQ(::SendMessageA(main, kEventRequest, WPARAM(-1), LPARAM(request)), 0);
    EXPECT_EQ(Title(main), "r2xy");
}

TEST_F(ProjectWindowTest, DroppedFilesRaiseTheirCountAndNamesAndTheDropIsFinished)
{
    Start(R"(
window MAIN
  caption "T"
  style 0x100B0001
  rect 0 0 200 100
  event 1
    @MAIN.SetText(@Application.GetParameter(0) & "|" & @Application.GetParameter(1) & "|" & @Application.GetParameter(2))
)");
    const HWND main = Open("MAIN");
    ASSERT_NE(main, nullptr);
    const char names[] = "C:\\one.txt\0C:\\two words.txt\0";
    HGLOBAL drop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + sizeof names);
    auto* header = static_cast<DROPFILES*>(::GlobalLock(drop));
    header->pFiles = sizeof(DROPFILES);
    std::memcpy(reinterpret_cast<char*>(header) + sizeof(DROPFILES), names, sizeof names);
    ::GlobalUnlock(drop);
    ::SendMessageA(main, WM_DROPFILES, WPARAM(drop), 0);
    EXPECT_EQ(Title(main), "2|C:\\one.txt|C:\\two words.txt");
    EXPECT_EQ(::GlobalFlags(drop), UINT(GMEM_INVALID_HANDLE));  // the window let go of it
}

const char* const kMdiProject = R"(
window MAIN
  caption "Frame"
  style 0x100B0001
  rect 0 0 400 300
  object MdiWindow area
    rect 0 0 400 300
    style 0x50000000
  object NumberVariable plain
window Child
  caption "Child"
  style 0x10CF0000
  rect 0 0 150 100
  event 0
    @Condition.If(@Child.GetText(), "=", "Child")
      @Child.SetText("Stays")
      @Application.Return("-1")
    @Condition.EndIf()
)";

TEST_F(ProjectWindowTest, MdiChildOpensOnlyInsideAnMdiWindowObject)
{
    Start(kMdiProject);
    const HWND main = Open("MAIN");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Open("Child", "MAIN", 99), nullptr);  // no object of that id
    EXPECT_EQ(Open("Child", "MAIN", ObjectId("MAIN", "plain")), nullptr);  // not an MdiWindow
    EXPECT_EQ(Window("Child").Self()->WindowObject, nullptr);
    const HWND child = Open("Child", "MAIN", ObjectId("MAIN", "area"));
    ASSERT_NE(child, nullptr);
    const HWND area = ObjectHandle(CProjectRuntime::FindObjectById(&Window("MAIN"), ObjectId("MAIN", "area")));
    EXPECT_EQ(::GetParent(child), area);
    EXPECT_TRUE(::GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_MDICHILD);
}

TEST_F(ProjectWindowTest, ClosingAFrameAsksItsMdiChildrenAndStopsAtOnesThatStay)
{
    Start(kMdiProject);
    const HWND main = Open("MAIN");
    ASSERT_NE(main, nullptr);
    const HWND area = ObjectHandle(CProjectRuntime::FindObjectById(&Window("MAIN"), ObjectId("MAIN", "area")));
    // A child the project does not know: it is never asked, and closing must not wait for it.
    MDICREATESTRUCTA create = {"ForeignMdiChild", "foreign", ::GetModuleHandleA(nullptr), 0, 0, 100, 80, 0, 0};
    const HWND foreign = HWND(::SendMessageA(area, WM_MDICREATE, 0, LPARAM(&create)));
    ASSERT_NE(foreign, nullptr);
    const HWND child = Open("Child", "MAIN", ObjectId("MAIN", "area"));
    ASSERT_NE(child, nullptr);
    ::SendMessageA(area, WM_MDIACTIVATE, WPARAM(child), 0);

    EXPECT_EQ(::SendMessageA(main, WM_CLOSE, 0, 0), -1);  // the child refused
    EXPECT_TRUE(::IsWindow(main));
    EXPECT_EQ(Title(child), "Stays");

    EXPECT_EQ(::SendMessageA(main, WM_CLOSE, 0, 0), 0);  // the child agrees; the foreign one comes back
    EXPECT_FALSE(::IsWindow(main));
    EXPECT_FALSE(::IsWindow(child));
    EXPECT_EQ(Window("Child").Self()->WindowObject, nullptr);
    EXPECT_EQ(Window("MAIN").Self()->WindowObject, nullptr);  // MAIN let go of its window object
}

uint32_t MagentaCorner(int x, int y) { return x < 10 && y < 10 ? 0xFF00FF : 0x2080C0; }

TEST_F(ProjectWindowTest, ShapedWindowKeepsItsOutlineThroughSizeChanges)
{
    Start(R"(
window MAIN
  caption "Shaped"
  style 0x10000000
  rect 0 0 60 40
  property "Image" "image/58465954204.png"
file "image/58465954204.png" type 1 hex ")" +
          qbktest::BmpFileHex(20, 20, &MagentaCorner) + "\"\n");
    const HWND main = Open("MAIN");
    ASSERT_NE(main, nullptr);
    auto shapeHolds = [&] {
        HRGN region = ::CreateRectRgn(0, 0, 0, 0);
        const bool shaped = ::GetWindowRgn(main, region) != ERROR && !::PtInRegion(region, 5, 5) &&
                            ::PtInRegion(region, 15, 5) && ::PtInRegion(region, 50, 30);
        ::DeleteObject(region);
        return shaped;
    };
    EXPECT_TRUE(shapeHolds());
    for (int grow : {20, 40, 10}) {
        ::SetWindowPos(main, nullptr, 0, 0, 60 + grow, 40 + grow, SWP_NOMOVE | SWP_NOZORDER);
        zvtest::PumpMessages(50);
        EXPECT_TRUE(shapeHolds()) << grow;
    }
}

}  // namespace
