// A grid window in a framework parent window of this process, driven as a user drives it (real
// input through SendInput, the real clipboard) and read back through the grid, its notifications
// to the parent and the pixels on the screen.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "grid_ctrl.h"
#include "win_test_support.h"

namespace gridtest {

constexpr UINT kGridId = 3005;
constexpr DWORD kWait = 5000;
constexpr int kWidth = 60;  // every column
constexpr int kHeight = 20;  // every row

// The grid's parent: records the grid's notifications and click commands, answers notifications
// from replies (0 by default).
class GridParent : public CWnd {
public:
    struct Note {
        int code, row, col;
        bool operator==(const Note& o) const { return code == o.code && row == o.row && col == o.col; }
    };
    std::vector<Note> notes;
    std::map<int, LRESULT> replies;
    std::function<void(const Note&)> onNotify;
    int clickCommands = 0;

    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (const Note& n : notes) codes.push_back(n.code);
        return codes;
    }
    int Count(int code) const
    {
        int count = 0;
        for (const Note& n : notes) count += n.code == code;
        return count;
    }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_NOTIFY) {
            struct GridNotice {
                NMHDR header;
                int row, col;
            };
            const auto* notice = reinterpret_cast<const GridNotice*>(lParam);
            if (notice->header.idFrom == kGridId) {
                const Note note{int(notice->header.code), notice->row, notice->col};
                notes.push_back(note);
                const auto reply = replies.find(note.code);
                if (onNotify) onNotify(note);
                return reply == replies.end() ? 0 : reply->second;
            }
        }
        if (message == WM_COMMAND && LOWORD(wParam) == kGridId && lParam) ++clickCommands;
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

inline CString Cell(int row, int col)
{
    CString text;
    text.Format("%d,%d", row, col);
    return text;
}

class GridWindowTest : public ::testing::Test {
protected:
    GridParent parent;
    CGridCtrl* grid = nullptr;  // deletes itself with its window
    HWND gridWindow = nullptr;

    // A grid of the given shape in a client area of width x height, every column kWidth and every
    // row kHeight pixels, each cell's text "row,col" when labelled.
    void Make(int rows, int cols, int fixedRows, int fixedCols, int width = 400, int height = 300, bool label = true)
    {
        static bool registered = false;
        if (!registered) {
            WNDCLASSA cls = {};
            cls.lpfnWndProc = &CWnd::FrameworkWindowProc;
            cls.hInstance = ::GetModuleHandleA(nullptr);
            cls.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
            cls.hbrBackground = HBRUSH(::GetStockObject(WHITE_BRUSH));
            cls.lpszClassName = "QbkGridTestParent";
            registered = ::RegisterClassA(&cls) != 0;
        }
        ASSERT_TRUE(parent.CreateEx(0, "QbkGridTestParent", "grid test", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 40,
                                    40, width + 40, height + 40, nullptr, nullptr));
        grid = new CGridCtrl(rows, cols, fixedRows, fixedCols);
        // No frame: client coordinates are window coordinates, and the area is exactly width x height.
        ASSERT_TRUE(grid->Create(CRect(20, 20, 20 + width, 20 + height), &parent, kGridId));
        ::SetWindowLongPtrA(*grid, GWL_EXSTYLE, 0);
        ::SetWindowPos(*grid, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        gridWindow = grid->GetSafeHwnd();
        grid->SendMessage(WM_SETFONT, WPARAM(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
        for (int c = 0; c < cols; ++c) grid->SetColumnWidth(c, kWidth);
        for (int r = 0; r < rows; ++r) grid->SetRowHeight(r, kHeight);
        if (label)
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < cols; ++c) grid->SetItemText(r, c, Cell(r, c));
        grid->SetModified(false);
        grid->Refresh();
        zvtest::Activate(parent.GetSafeHwnd());
        ::SetFocus(gridWindow);
        Settle();
    }

    void TearDown() override
    {
        if (parent.GetSafeHwnd()) parent.DestroyWindow();
        zvtest::PumpMessages(20);
    }

    // Lets every waiting message (paints included) through.
    static void Settle() { zvtest::PumpMessages(60); }
    static bool WaitFor(const std::function<bool()>& condition) { return zvtest::WaitFor(condition, kWait); }

    POINT ScreenPoint(int x, int y) const
    {
        POINT point = {x, y};
        ::ClientToScreen(gridWindow, &point);
        return point;
    }
    CPoint Centre(int row, int col) const
    {
        CRect rect;
        EXPECT_TRUE(grid->GetCellRect(row, col, rect)) << row << "," << col;
        return rect.CenterPoint();
    }
    void ClickAt(int x, int y, bool right = false)
    {
        const POINT point = ScreenPoint(x, y);
        zvtest::Click(point.x, point.y, right);
        Settle();
    }
    void ClickCell(int row, int col, bool right = false)
    {
        const CPoint centre = Centre(row, col);
        ClickAt(centre.x, centre.y, right);
    }
    // A click with Shift held. The mouse is there first: under Wine a pointer motion resets the
    // modifier keys to the display's own state, which never saw the Shift sent here.
    void ShiftClickCell(int row, int col)
    {
        const CPoint centre = Centre(row, col);
        const POINT point = ScreenPoint(centre.x, centre.y);
        zvtest::MoveMouse(point.x, point.y);
        Settle();
        zvtest::SendKey(VK_SHIFT, true);
        zvtest::PumpMessages(20);
        INPUT click[2] = {};
        click[0].type = click[1].type = INPUT_MOUSE;
        click[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        click[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(2, click, sizeof(INPUT));
        Settle();
        zvtest::SendKey(VK_SHIFT, false);
        Settle();
    }
    static void Key(WORD key)
    {
        zvtest::TapKey(key);
        Settle();
    }
    static void KeyWith(WORD modifier, WORD key)
    {
        zvtest::SendKey(modifier, true);
        zvtest::PumpMessages(10);
        zvtest::TapKey(key);
        zvtest::SendKey(modifier, false);
        Settle();
    }
    static void Type(const std::string& text)
    {
        zvtest::TypeText(text);
        Settle();
    }
    // Mouse button held from one client point to another.
    void Drag(int x1, int y1, int x2, int y2)
    {
        const POINT from = ScreenPoint(x1, y1), to = ScreenPoint(x2, y2);
        zvtest::MoveMouse(from.x, from.y);
        Settle();
        INPUT press = {};
        press.type = INPUT_MOUSE;
        press.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        ::SendInput(1, &press, sizeof press);
        Settle();
        zvtest::MoveMouse((from.x + to.x) / 2, (from.y + to.y) / 2);
        Settle();
        zvtest::MoveMouse(to.x, to.y);
        Settle();
        press.mi.dwFlags = MOUSEEVENTF_LEFTUP;
        ::SendInput(1, &press, sizeof press);
        Settle();
    }

    // The open in-place editor, or null.
    HWND Editor() const
    {
        const HWND edit = ::GetDlgItem(gridWindow, CGridCtrl::kEditorId);
        return edit && ::IsWindowVisible(edit) ? edit : nullptr;
    }
    static std::string TextOf(HWND window)
    {
        char text[512] = "";
        ::GetWindowTextA(window, text, sizeof text);
        return text;
    }
    static std::pair<int, int> Selection(HWND edit)
    {
        DWORD start = 0, end = 0;
        ::SendMessageA(edit, EM_GETSEL, WPARAM(&start), LPARAM(&end));
        return {int(start), int(end)};
    }

    zvtest::Image Capture() const { return zvtest::CaptureWindow(gridWindow); }
    // A system colour as the captured pixels hold it (0x00RRGGBB).
    static uint32_t Pixel(COLORREF colour)
    {
        return zvtest::Rgb(GetRValue(colour), GetGValue(colour), GetBValue(colour));
    }
    static uint32_t SysPixel(int index) { return Pixel(::GetSysColor(index)); }
};

}  // namespace gridtest
