// Speed of the runtime's own list window and of the system list view with 1,000 and 100,000
// items: filling, sorting, painting one screen and scrolling. The 1,000-item figures of the same
// run are the baseline; painting and scrolling should not grow with the count (ratio near 1).
// A program, not a test.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "custom_list_wnd.h"
#include "fw_controls.h"
#include "list_view_items.h"

#include <commctrl.h>

namespace {

class Stopwatch {
public:
    Stopwatch()
    {
        ::QueryPerformanceFrequency(&m_frequency);
        ::QueryPerformanceCounter(&m_start);
    }
    double Ms() const
    {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return double(now.QuadPart - m_start.QuadPart) * 1000.0 / double(m_frequency.QuadPart);
    }

private:
    LARGE_INTEGER m_frequency, m_start;
};

// Labels in a scrambled order, the same in every run.
std::string Label(int i)
{
    const unsigned scrambled = unsigned(i) * 2654435761u;
    char text[32];
    std::snprintf(text, sizeof text, "%c item %08x", "aBcDeF"[scrambled % 6], scrambled);
    return text;
}

struct Figures {
    double Fill = 0, Sort = 0, Paint = 0, Scroll = 0;
};

constexpr int kRepeats = 20;
// GDI bitmaps are a per-process resource of a few thousand: only the first screens get real
// pictures, the others an empty image (drawn as nothing).
constexpr int kPictures = 200;

void Pump()
{
    MSG message;
    while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&message);
}

Figures MeasureCustomList(CWnd& host, int count)
{
    CCustomListWnd list;
    list.Create(WS_CHILD | WS_VISIBLE, &host, RECT{0, 0, 640, 480}, 1);
    Figures figures;
    {
        const Stopwatch watch;
        for (int i = 0; i < count; ++i) {
            auto image = std::make_unique<CImageBitmap>();
            if (i < kPictures) image->CreateCompatible(nullptr, 32, 24);
            list.SetItemText(list.InsertItem(image.release(), -1), Label(i).c_str());
        }
        figures.Fill = watch.Ms();
    }
    {
        const Stopwatch watch;
        list.SortItems();
        figures.Sort = watch.Ms();
    }
    list.SetScrollPos(0);
    {
        const Stopwatch watch;
        for (int i = 0; i < kRepeats; ++i) list.Redraw();
        figures.Paint = watch.Ms() / kRepeats;
    }
    {
        const Stopwatch watch;
        for (int i = 0; i < kRepeats; ++i) list.SetScrollPos(list.GetScrollPos() + 3);
        figures.Scroll = watch.Ms() / kRepeats;
    }
    Pump();
    return figures;
}

Figures MeasureListView(CWnd& host, int count)
{
    CListCtrl list;
    list.Create(WS_CHILD | WS_VISIBLE | LVS_REPORT, RECT{0, 0, 640, 480}, &host, 2);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH | LVCF_TEXT;
    column.cx = 200;
    column.pszText = const_cast<char*>("Name");
    list.SendMessage(LVM_INSERTCOLUMNA, 0, LPARAM(&column));
    list.SendMessage(LVM_INSERTCOLUMNA, 1, LPARAM(&column));
    Figures figures;
    {
        // The system control repaints and resets its bar on every insertion while it draws.
        list.SendMessage(WM_SETREDRAW, FALSE);
        const Stopwatch watch;
        for (int i = 0; i < count; ++i) {
            const std::string text = Label(i);
            LVITEMA item = {};
            item.mask = LVIF_TEXT;
            item.iItem = i;
            item.pszText = const_cast<char*>(text.c_str());
            const int index = int(list.SendMessage(LVM_INSERTITEMA, 0, LPARAM(&item)));
            SetListItemText(list, index, 1, text.c_str());
        }
        figures.Fill = watch.Ms();
        list.SendMessage(WM_SETREDRAW, TRUE);
    }
    {
        const Stopwatch watch;
        SortListByColumn(list, 0, true);
        figures.Sort = watch.Ms();
    }
    {
        const Stopwatch watch;
        for (int i = 0; i < kRepeats; ++i) ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        figures.Paint = watch.Ms() / kRepeats;
    }
    {
        const Stopwatch watch;
        for (int i = 0; i < kRepeats; ++i) {
            list.SendMessage(LVM_SCROLL, 0, 60);
            ::UpdateWindow(list);
        }
        figures.Scroll = watch.Ms() / kRepeats;
    }
    Pump();
    return figures;
}

void Progress(const char* what, int count) { std::fprintf(stderr, "measured %s with %d items\n", what, count); }

void Print(const char* what, const Figures& small, const Figures& large)
{
    auto row = [&](const char* step, double a, double b) {
        std::printf("%-12s %-8s %12.3f %12.3f %10.1f\n", what, step, a, b, a > 0 ? b / a : 0.0);
    };
    row("fill", small.Fill, large.Fill);
    row("sort", small.Sort, large.Sort);
    row("paint", small.Paint, large.Paint);
    row("scroll", small.Scroll, large.Scroll);
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    const HWND window = ::CreateWindowExA(0, "STATIC", "list bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 660, 520,
                                          nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    CWnd host;
    host.Attach(window);
    std::printf("%-12s %-8s %12s %12s %10s\n", "list", "step", "1000 ms", "100000 ms", "ratio");
    const Figures customSmall = MeasureCustomList(host, 1000);
    Progress("custom list", 1000);
    const Figures customLarge = MeasureCustomList(host, 100000);
    Progress("custom list", 100000);
    Print("custom list", customSmall, customLarge);
    std::fflush(stdout);
    const Figures viewSmall = MeasureListView(host, 1000);
    Progress("list view", 1000);
    const Figures viewLarge = MeasureListView(host, 100000);
    Progress("list view", 100000);
    Print("list view", viewSmall, viewLarge);
    std::printf("paint and scroll are per screen; fill and sort for all items (the list view filled\n"
                "with its drawing off).\n");
    host.Detach();
    ::DestroyWindow(window);
    return 0;
}
