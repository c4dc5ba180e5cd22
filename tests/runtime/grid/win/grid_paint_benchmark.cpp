// Benchmark (not a test): painting one screen of a grid window and scrolling it a line at a time,
// with 1,000 and with 1,000,000 rows, next to a plain window that paints the same cells with the
// same GDI calls (and moves a scroll bar of its own as it scrolls) in the same run. Goal: painting
// and scrolling flat as the rows grow (the 1,000,000 / 1,000 ratios near 1). Run under Wine on a
// display of its own, e.g.
//   (source cmake/session.sh; trap zv_end_session EXIT; zv_start_display; zv_start_wineserver;
//    cmake/wine-run.sh x86_64 build/win-x86_64/tests/runtime/grid/grid_paint_benchmark.exe)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>

#include "grid_ctrl.h"

namespace {

constexpr int kClientWidth = 800, kClientHeight = 600;
constexpr int kColumns = 3;  // one fixed
constexpr int kColumnWidth = 200, kRowHeight = 20;
constexpr int kPaints = 60, kScrolls = 200;

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return double(count.QuadPart) / double(frequency.QuadPart);
}

// The best of five runs, in seconds.
double Best(const std::function<void()>& work)
{
    double best = 1e30;
    for (int run = 0; run < 5; ++run) {
        const double start = Now();
        work();
        best = std::min(best, Now() - start);
    }
    return best;
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The plain baseline: a window that paints the cells a screen shows, each filled, framed by its
// grid lines and given its text, from a first row it is told.
int g_plainFirstRow = 0;
HFONT g_font = nullptr;

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT) return DefWindowProcA(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    const HDC target = BeginPaint(window, &paint);
    const HDC dc = CreateCompatibleDC(target);
    const HBITMAP bitmap = CreateCompatibleBitmap(target, kClientWidth, kClientHeight);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HGDIOBJ oldFont = SelectObject(dc, g_font);
    SetBkMode(dc, TRANSPARENT);
    const HPEN pen = CreatePen(PS_SOLID, 0, GetSysColor(COLOR_WINDOWFRAME));
    const HGDIOBJ oldPen = SelectObject(dc, pen);
    char text[32];
    for (int y = 0, row = g_plainFirstRow; y < kClientHeight; y += kRowHeight, ++row)
        for (int c = 0; c < kColumns; ++c) {
            RECT cell = {c * kColumnWidth, y, (c + 1) * kColumnWidth, y + kRowHeight};
            SetBkColor(dc, GetSysColor(c == 0 ? COLOR_3DFACE : COLOR_WINDOW));
            ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &cell, nullptr, 0, nullptr);
            const int length = snprintf(text, sizeof text, "row %d col %d", row, c);
            DrawTextA(dc, text, length, &cell, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
            MoveToEx(dc, cell.right - 1, cell.top, nullptr);
            LineTo(dc, cell.right - 1, cell.bottom - 1);
            LineTo(dc, cell.left - 1, cell.bottom - 1);
        }
    BitBlt(target, 0, 0, kClientWidth, kClientHeight, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    EndPaint(window, &paint);
    return 0;
}

HWND MakeTopLevel(const char* className, WNDPROC procedure, DWORD style)
{
    WNDCLASSA cls = {};
    cls.lpfnWndProc = procedure;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    cls.lpszClassName = className;
    RegisterClassA(&cls);
    RECT outer = {0, 0, kClientWidth, kClientHeight};
    AdjustWindowRect(&outer, style, FALSE);
    return CreateWindowA(className, "grid benchmark", style | WS_VISIBLE, 0, 0, outer.right - outer.left,
                         outer.bottom - outer.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

struct Figures {
    double paint, scroll, plainPaint, plainScroll;
};

Figures Measure(int rows)
{
    CWnd parent;
    WNDCLASSA cls = {};
    cls.lpfnWndProc = &CWnd::FrameworkWindowProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.lpszClassName = "GridBenchmarkParent";
    RegisterClassA(&cls);
    parent.CreateEx(0, "GridBenchmarkParent", "grid benchmark", WS_POPUP | WS_VISIBLE, 0, 0, kClientWidth + 40,
                    kClientHeight, nullptr, nullptr);
    auto* grid = new CGridCtrl(rows, kColumns, 0, 1);
    grid->Create(CRect(0, 0, kClientWidth + 40, kClientHeight), &parent, 100);
    grid->SendMessage(WM_SETFONT, WPARAM(g_font), TRUE);
    grid->SetRedraw(false);
    char text[32];
    for (int r = 0; r < rows; ++r) {
        grid->SetRowHeight(r, kRowHeight);
        for (int c = 0; c < kColumns; ++c) {
            snprintf(text, sizeof text, "row %d col %d", r, c);
            grid->SetItemText(r, c, text);
        }
    }
    for (int c = 0; c < kColumns; ++c) grid->SetColumnWidth(c, kColumnWidth);
    grid->SetRedraw(true);
    Pump();
    // From the middle of the grid, where a walk from the top would cost the most.
    const auto middle = [&] {
        grid->SetScrollPos32(true, rows / 2 * kRowHeight);
        grid->Redraw();
    };
    Figures figures;
    middle();
    figures.paint = Best([&] {
                        for (int i = 0; i < kPaints; ++i) grid->Redraw();
                    }) /
                    kPaints;
    figures.scroll = Best([&] {
                         middle();
                         for (int i = 0; i < kScrolls; ++i) {
                             grid->SendMessage(WM_VSCROLL, SB_LINEDOWN);
                             UpdateWindow(*grid);
                         }
                     }) /
                     kScrolls;
    parent.DestroyWindow();
    Pump();

    // With a scroll bar of its own, moved at every line like the grid's (under Wine the bar's own
    // drawing is most of a line's cost).
    const HWND plain = MakeTopLevel("GridBenchmarkPlain", PlainProc, WS_POPUP | WS_VSCROLL);
    SCROLLINFO bar = {sizeof bar, SIF_RANGE | SIF_PAGE | SIF_POS, 0, rows * kRowHeight - 1, UINT(kClientHeight), 0, 0};
    SetScrollInfo(plain, SB_VERT, &bar, TRUE);
    g_plainFirstRow = rows / 2;
    figures.plainPaint = Best([&] {
                             for (int i = 0; i < kPaints; ++i)
                                 RedrawWindow(plain, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                         }) /
                         kPaints;
    figures.plainScroll = Best([&] {
                              g_plainFirstRow = rows / 2;
                              for (int i = 0; i < kScrolls; ++i) {
                                  ++g_plainFirstRow;
                                  SetScrollPos(plain, SB_VERT, g_plainFirstRow * kRowHeight, TRUE);
                                  InvalidateRect(plain, nullptr, FALSE);
                                  UpdateWindow(plain);
                              }
                          }) /
                          kScrolls;
    DestroyWindow(plain);
    Pump();
    return figures;
}

void Row(const char* what, int rows, double ours, double plain)
{
    std::printf("%-28s %9d rows %8.3f ms   plain GDI %8.3f ms   ratio %5.2f\n", what, rows, ours * 1e3, plain * 1e3,
                ours / plain);
}

}  // namespace

int main()
{
    g_font = HFONT(GetStockObject(DEFAULT_GUI_FONT));
    const Figures small = Measure(1000);
    const Figures large = Measure(1000000);
    Row("paint one screen", 1000, small.paint, small.plainPaint);
    Row("paint one screen", 1000000, large.paint, large.plainPaint);
    Row("scroll a line and repaint", 1000, small.scroll, small.plainScroll);
    Row("scroll a line and repaint", 1000000, large.scroll, large.plainScroll);
    std::printf("growth from 1,000 to 1,000,000 rows: painting %.2f, scrolling %.2f (goal: about 1)\n",
                large.paint / small.paint, large.scroll / small.scroll);
    return 0;
}
