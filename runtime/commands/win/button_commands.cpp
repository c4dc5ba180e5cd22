// Buttons: image buttons (type 47), check boxes (type 48) and radio buttons (type 64). Plain
// buttons (type 46) have only the shared commands.
#include "command_table.h"
#include "control_message.h"
#include "data_stream_commands.h"
#include "flat_button.h"
#include "object_image.h"
#include "value_format.h"
#include "window_services.h"

#include <memory>

namespace {

constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_UPDATENOW;

// ---- ImageButton ------------------------------------------------------------------------------

CFlatButton* FlatButton(const CommandContext& ctx)
{
    auto* button = dynamic_cast<CFlatButton*>(ctx.Control());
    return button && button->GetSafeHwnd() ? button : nullptr;
}

void AnswerColor(CommandContext& ctx, int slot)
{
    COLORREF colour = 0;
    if (CFlatButton* button = FlatButton(ctx)) {
        button->GetColor(slot, &colour);
        ctx.SetInt(int(colour));
    } else {
        ctx.SetInt(-1);
    }
}

void ImageButton_GetBackColor(CommandContext& ctx)
{
    const int normal = ctx.Int();
    AnswerColor(ctx, normal ? CFlatButton::BackNormal : CFlatButton::BackActive);
}

void ImageButton_GetTextColor(CommandContext& ctx)
{
    const int normal = ctx.Int();
    AnswerColor(ctx, normal ? CFlatButton::TextNormal : CFlatButton::TextActive);
}

void ImageButton_GetCheck(CommandContext& ctx)
{
    CFlatButton* button = FlatButton(ctx);
    ctx.SetTruth(button && button->GetChecked());
}

void ImageButton_GetImageAlign(CommandContext& ctx)
{
    static const char* const kWords[] = {"LEFT", "TOP", "RIGHT"};
    CFlatButton* button = FlatButton(ctx);
    if (button && button->GetAlign() >= 0 && button->GetAlign() <= 2) ctx.SetResult(kWords[button->GetAlign()]);
}

void ImageButton_IsMouseOver(CommandContext& ctx)
{
    CFlatButton* button = FlatButton(ctx);
    ctx.SetTruth(button && button->IsHovered());
}

// Sets a pair of colour slots, the one used normally and the one while the mouse is over the
// button or it is pushed.
void SetColorPair(CommandContext& ctx, int normalSlot, int activeSlot)
{
    const int normal = ctx.Int();
    const int active = ctx.Int();
    CFlatButton* button = FlatButton(ctx);
    if (!button) return;
    button->SetColor(normalSlot, COLORREF(normal), false);
    button->SetColor(activeSlot, COLORREF(active), false);
    ::RedrawWindow(*button, nullptr, nullptr, kRedrawNow);
}

void ImageButton_SetBackColors(CommandContext& ctx)
{
    SetColorPair(ctx, CFlatButton::BackNormal, CFlatButton::BackActive);
}

void ImageButton_SetTextColors(CommandContext& ctx)
{
    SetColorPair(ctx, CFlatButton::TextNormal, CFlatButton::TextActive);
}

// A negative flag toggles; only a check button takes it.
void ImageButton_SetCheck(CommandContext& ctx)
{
    const int flag = ctx.Int();
    if (CFlatButton* button = FlatButton(ctx)) button->SetChecked(flag < 0 ? !button->GetChecked() : flag != 0, true);
}

void ImageButton_ResetColors(CommandContext& ctx)
{
    if (CFlatButton* button = FlatButton(ctx)) button->SetDefaultColors(true);
}

// Exactly "TOP" or "RIGHT"; any other word is the left.
void ImageButton_SetImageAlign(CommandContext& ctx)
{
    const CString word = ctx.Text();
    if (CFlatButton* button = FlatButton(ctx)) button->SetAlign(word == "TOP" ? 1 : word == "RIGHT" ? 2 : 0);
}

// The button's two images, each loaded from its source by load; a second source that does not
// load gives the first image (and colour) to both states; a first one that does not load changes
// nothing.
template <class Source, class Load>
void LoadButtonImages(CommandContext& ctx, const Source& first, COLORREF firstColour, const Source& second,
                      COLORREF secondColour, Load load)
{
    CFlatButton* button = FlatButton(ctx);
    if (!button) return;
    auto normal = std::make_unique<CImageBitmap>();
    if (!load(*normal, first)) return;
    auto hover = std::make_unique<CImageBitmap>();
    if (!load(*hover, second)) {
        hover = std::make_unique<CImageBitmap>();
        load(*hover, first);
        secondColour = firstColour;
    }
    button->SetBitmaps(normal.release(), firstColour, hover.release(), secondColour);
}

void ImageButton_LoadImages(CommandContext& ctx)
{
    const CString first = ctx.Text();
    const int firstColour = ctx.Int();
    const CString second = ctx.Text();
    const int secondColour = ctx.Int();
    LoadButtonImages(ctx, first, COLORREF(firstColour), second, COLORREF(secondColour),
                     [](CImageBitmap& image, const CString& path) { return image.LoadFile(path); });
}

void ImageButton_LoadImagesEmbedded(CommandContext& ctx)
{
    const CString first = ctx.Text();
    const int firstColour = ctx.Int();
    const CString second = ctx.Text();
    const int secondColour = ctx.Int();
    CProjectRuntime& runtime = ctx.Runtime();
    LoadButtonImages(ctx, first, COLORREF(firstColour), second, COLORREF(secondColour),
                     [&runtime](CImageBitmap& image, const CString& name) {
                         CMemFile* file = runtime.OpenEmbeddedFile(name);
                         return file && image.LoadBmp(file);
                     });
}

// Both ids must name DataStream objects with a stream; they keep their positions.
void ImageButton_LoadImagesFromObjects(CommandContext& ctx)
{
    const int firstId = ctx.Int();
    const int firstColour = ctx.Int();
    const int secondId = ctx.Int();
    const int secondColour = ctx.Int();
    CMemFile* first = FindDataStream(ctx.FindObject(firstId));
    CMemFile* second = FindDataStream(ctx.FindObject(secondId));
    if (!first || !second) return;
    LoadButtonImages(ctx, first, COLORREF(firstColour), second, COLORREF(secondColour),
                     [](CImageBitmap& image, CMemFile* stream) { return image.LoadStream(stream); });
}

// Both ids must name Bitmap objects that hold an image.
void ImageButton_CopyImages(CommandContext& ctx)
{
    const int firstId = ctx.Int();
    const int firstColour = ctx.Int();
    const int secondId = ctx.Int();
    const int secondColour = ctx.Int();
    const CImageBitmap* first = ObjectImageWithBitmap(ctx.FindObject(firstId, qbk::TypeBitmap));
    const CImageBitmap* second = ObjectImageWithBitmap(ctx.FindObject(secondId, qbk::TypeBitmap));
    if (!first || !second) return;
    LoadButtonImages(ctx, first, COLORREF(firstColour), second, COLORREF(secondColour),
                     [](CImageBitmap& image, const CImageBitmap* source) { return image.CopyFrom(source); });
}

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
    {31, "ImageButton_GetBackColor", ImageButton_GetBackColor},  // after the shared commands 0 to 30
    {32, "ImageButton_GetCheck", ImageButton_GetCheck},
    {33, "ImageButton_GetImageAlign", ImageButton_GetImageAlign},
    {34, "ImageButton_GetTextColor", ImageButton_GetTextColor},
    {35, "ImageButton_IsMouseOver", ImageButton_IsMouseOver},
    {36, "ImageButton_LoadImages", ImageButton_LoadImages},
    {37, "ImageButton_LoadImagesFromObjects", ImageButton_LoadImagesFromObjects},
    {38, "ImageButton_LoadImagesEmbedded", ImageButton_LoadImagesEmbedded},
    {39, "ImageButton_CopyImages", ImageButton_CopyImages},
    {40, "ImageButton_SetBackColors", ImageButton_SetBackColors},
    {41, "ImageButton_SetCheck", ImageButton_SetCheck},
    {42, "ImageButton_ResetColors", ImageButton_ResetColors},
    {43, "ImageButton_SetImageAlign", ImageButton_SetImageAlign},
    {44, "ImageButton_SetTextColors", ImageButton_SetTextColors},
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
