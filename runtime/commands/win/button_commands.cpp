// Buttons: image buttons (type 47), check boxes (type 48) and radio buttons (type 64). Plain
// buttons (type 46) have only the shared commands.
#include "command_table.h"
#include "control_message.h"
#include "value_format.h"
#include "window_services.h"

namespace {

int SendToButton(HWND button, UINT message, WPARAM wParam = 0)
{
    return int(::SendMessageA(button, message, wParam, 0));
}

// ---- CheckBox ---------------------------------------------------------------------------------

void CheckBox_GetCheck(CommandContext& ctx)
{
    const HWND box = ControlHandle(ctx);
    ctx.SetInt(box ? SendToButton(box, BM_GETCHECK) : -1);
}

// Answers the state before the change; 1 checks, 2 makes the box indeterminate (a box of a
// three-state style), anything else unchecks.
void CheckBox_SetCheck(CommandContext& ctx)
{
    const int state = ctx.Int();
    const HWND box = ControlHandle(ctx);
    if (!box) return ctx.SetInt(-1);
    ctx.SetInt(SendToButton(box, BM_GETCHECK));
    SendToButton(box, BM_SETCHECK, state == 1 || state == 2 ? WPARAM(state) : BST_UNCHECKED);
}

// ---- RadioButton: its group is the first of its numbers, -1 for none -------------------------

void RadioButton_SetCheck(CommandContext& ctx)
{
    const int flag = ctx.Int();
    const HWND button = ControlHandle(ctx);
    if (!button) return;
    if (flag == 1)
        CheckRadioInGroup(&ctx.Window(), &ctx.Object());
    else
        SendToButton(button, BM_SETCHECK, BST_UNCHECKED);
}

void RadioButton_GetGroup(CommandContext& ctx)
{
    if (!ControlHandle(ctx)) return;
    const std::vector<double>& numbers = ctx.Object().Numbers;
    ctx.SetResult(numbers.empty() ? CString("-1") : DoubleToString(numbers[0]));
}

void RadioButton_GetCheck(CommandContext& ctx)
{
    const HWND button = ControlHandle(ctx);
    ctx.SetInt(button ? SendToButton(button, BM_GETCHECK) : 0);
}

void RadioButton_SetGroup(CommandContext& ctx)
{
    const int group = ctx.Int();
    if (!ControlHandle(ctx)) return;
    std::vector<double>& numbers = ctx.Object().Numbers;
    if (numbers.empty())
        numbers.push_back(group);
    else
        numbers[0] = group;
}

constexpr CommandEntry kImageButton[] = {
    {31, "ImageButton_GetBackColor"},  // after the shared commands 0 to 30
    {32, "ImageButton_GetCheck"},           {33, "ImageButton_GetImageAlign"},
    {34, "ImageButton_GetTextColor"},       {35, "ImageButton_IsMouseOver"},
    {36, "ImageButton_LoadImages"},         {37, "ImageButton_LoadImagesFromObjects"},
    {38, "ImageButton_LoadImagesEmbedded"}, {39, "ImageButton_CopyImages"},
    {40, "ImageButton_SetBackColors"},      {41, "ImageButton_SetCheck"},
    {42, "ImageButton_ResetColors"},        {43, "ImageButton_SetImageAlign"},
    {44, "ImageButton_SetTextColors"},
};
static_assert(NumbersOwnCommands(kImageButton, qbk::TypeImageButton, 44));

constexpr CommandEntry kCheckBox[] = {
    {31, "CheckBox_GetCheck", CheckBox_GetCheck},  // after the shared commands 0 to 30
    {32, "CheckBox_SetCheck", CheckBox_SetCheck},
};
static_assert(NumbersOwnCommands(kCheckBox, qbk::TypeCheckBox, 32));

constexpr CommandEntry kRadioButton[] = {
    {31, "RadioButton_SetCheck", RadioButton_SetCheck},  // after the shared commands 0 to 30
    {32, "RadioButton_GetGroup", RadioButton_GetGroup},
    {33, "RadioButton_GetCheck", RadioButton_GetCheck},
    {34, "RadioButton_SetGroup", RadioButton_SetGroup},
};
static_assert(NumbersOwnCommands(kRadioButton, qbk::TypeRadioButton, 34));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeImageButton, kImageButton),
                                  OwnCommands(qbk::TypeCheckBox, kCheckBox),
                                  OwnCommands(qbk::TypeRadioButton, kRadioButton)};

}  // namespace

extern const CommandFamily kButtonFamily("ImageButton, CheckBox and RadioButton", kLists);
