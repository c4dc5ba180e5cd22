// Scroll bars (type 66), sliders (type 67) and panels (type 68).
#include "command_table.h"
#include "panel_wnd.h"
#include "position_commands.h"

#include <commctrl.h>

namespace {

// ---- ScrollBar -------------------------------------------------------------------------------

const PositionAccess kScrollBarPosition = {
    [](HWND bar) { return ::GetScrollPos(bar, SB_CTL); },
    [](HWND bar, int position) { ::SetScrollPos(bar, SB_CTL, position, TRUE); },
};

void ScrollBar_Increase(CommandContext& ctx) { MovePositionBy(ctx, kScrollBarPosition, 1); }

void ScrollBar_Decrease(CommandContext& ctx) { MovePositionBy(ctx, kScrollBarPosition, -1); }

void ScrollBar_GetPos(CommandContext& ctx) { GetPosition(ctx, kScrollBarPosition); }

void ScrollBar_SetPos(CommandContext& ctx) { SetPosition(ctx, kScrollBarPosition); }

// The steps are numbers of the object: entry 0 the line step, entry 1 the page step. Neither
// needs the control; a list without the entry is left alone.
void GetStep(CommandContext& ctx, size_t entry)
{
    const std::vector<double>& steps = ctx.Object().Numbers;
    if (entry < steps.size()) ctx.SetReal(steps[entry]);
}

void SetStep(CommandContext& ctx, size_t entry)
{
    const int step = ctx.Int();
    std::vector<double>& steps = ctx.Object().Numbers;
    if (entry < steps.size()) steps[entry] = step;
}

void ScrollBar_GetLineStep(CommandContext& ctx) { GetStep(ctx, 0); }

void ScrollBar_GetPageStep(CommandContext& ctx) { GetStep(ctx, 1); }

void ScrollBar_SetLineStep(CommandContext& ctx) { SetStep(ctx, 0); }

void ScrollBar_SetPageStep(CommandContext& ctx) { SetStep(ctx, 1); }

void ScrollBar_GetRange(CommandContext& ctx)
{
    int low = 0, high = 0;
    if (const HWND bar = ControlHandle(ctx)) ::GetScrollRange(bar, SB_CTL, &low, &high);
    ctx.SetInt(high);
}

void ScrollBar_SetRange(CommandContext& ctx)
{
    const int low = ctx.Int(), high = ctx.Int();
    if (const HWND bar = ControlOrZero(ctx)) ::SetScrollRange(bar, SB_CTL, low, high, TRUE);
}

// ---- Slider ----------------------------------------------------------------------------------

const PositionAccess kSliderPosition = {
    [](HWND slider) { return int(::SendMessageA(slider, TBM_GETPOS, 0, 0)); },
    [](HWND slider, int position) { ::SendMessageA(slider, TBM_SETPOS, TRUE, LPARAM(position)); },
};

void Slider_Increase(CommandContext& ctx) { MovePositionBy(ctx, kSliderPosition, 1); }

void Slider_Decrease(CommandContext& ctx) { MovePositionBy(ctx, kSliderPosition, -1); }

void Slider_GetPos(CommandContext& ctx) { GetPosition(ctx, kSliderPosition); }

void Slider_SetPos(CommandContext& ctx) { SetPosition(ctx, kSliderPosition); }

void Slider_GetRange(CommandContext& ctx)
{
    const HWND slider = ControlHandle(ctx);
    ctx.SetInt(slider ? int(::SendMessageA(slider, TBM_GETRANGEMAX, 0, 0)) : 0);
}

void Slider_SetRange(CommandContext& ctx)
{
    const int low = ctx.Int(), high = ctx.Int();
    const HWND slider = ControlHandle(ctx);
    if (!slider) return;
    ::SendMessageA(slider, TBM_SETRANGEMIN, FALSE, LPARAM(low));
    ::SendMessageA(slider, TBM_SETRANGEMAX, TRUE, LPARAM(high));
}

// ---- Panel -----------------------------------------------------------------------------------

CPanelWnd* Panel(const CommandContext& ctx)
{
    return ControlHandle(ctx) ? dynamic_cast<CPanelWnd*>(ctx.Control()) : nullptr;
}

void Panel_GetColor(CommandContext& ctx)
{
    CPanelWnd* panel = Panel(ctx);
    ctx.SetInt(panel ? int(panel->GetColor()) : 0);
}

void Panel_SetColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    if (CPanelWnd* panel = Panel(ctx)) {
        panel->SetColor(COLORREF(colour));
        ::RedrawWindow(*panel, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

constexpr CommandEntry kScrollBar[] = {
    {31, "ScrollBar_Increase", ScrollBar_Increase},  // after the shared commands 0 to 30
    {32, "ScrollBar_GetLineStep", ScrollBar_GetLineStep},
    {33, "ScrollBar_GetRange", ScrollBar_GetRange},
    {34, "ScrollBar_GetRange", ScrollBar_GetRange},
    {35, "ScrollBar_GetPageStep", ScrollBar_GetPageStep},
    {36, "ScrollBar_GetPos", ScrollBar_GetPos},
    {37, "ScrollBar_SetLineStep", ScrollBar_SetLineStep},
    // The page step; the command's word is the one the drawing tool's pen width has.
    {38, "DrawingTool_SetPenWidth", ScrollBar_SetPageStep},
    {39, "ScrollBar_SetRange", ScrollBar_SetRange},
    {40, "ScrollBar_SetPos", ScrollBar_SetPos},
    {41, "ScrollBar_Decrease", ScrollBar_Decrease},
};
static_assert(NumbersOwnCommands(kScrollBar, qbk::TypeScrollBar, 41));

constexpr CommandEntry kSlider[] = {
    {31, "Slider_Increase", Slider_Increase},  // after the shared commands 0 to 30
    {32, nullptr},
    {33, "Slider_GetRange", Slider_GetRange},
    {34, "Slider_GetRange", Slider_GetRange},
    {35, nullptr},
    {36, "Slider_GetPos", Slider_GetPos},
    {37, nullptr},
    {38, nullptr},
    {39, "Slider_SetRange", Slider_SetRange},
    {40, "Slider_SetPos", Slider_SetPos},
    {41, "Slider_Decrease", Slider_Decrease},
};
static_assert(NumbersOwnCommands(kSlider, qbk::TypeSlider, 41));

constexpr CommandEntry kPanel[] = {
    {31, "Panel_GetColor", Panel_GetColor},  // after the shared commands 0 to 30
    {32, "Panel_SetColor", Panel_SetColor},
};
static_assert(NumbersOwnCommands(kPanel, qbk::TypePanel, 32));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeScrollBar, kScrollBar), OwnCommands(qbk::TypeSlider, kSlider),
                                  OwnCommands(qbk::TypePanel, kPanel)};

}  // namespace

extern const CommandFamily kScrollBarSliderPanelFamily("ScrollBar, Slider and Panel", kLists);
