// Animations (type 45): frames, delays, colours, playing, loading and saving.
#include <memory>

#include "anim_ctrl.h"
#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"

namespace {

CAnimCtrl* Animation(const CommandContext& ctx) { return dynamic_cast<CAnimCtrl*>(ctx.Control()); }

// The memory stream of a DataStream object of the window, or null.
CMemFile* StreamOf(const CommandContext& ctx, int id) { return FindDataStream(ctx.FindObject(id)); }

// A DataStream's stream, made empty when it has none.
CMemFile& StreamToWrite(ObjectRecord& dataStream)
{
    CMemFile* stream = FindDataStream(&dataStream);
    return stream ? *stream : NewDataStream(dataStream);
}

// Runs act on the control, when there is one.
template <class Act>
void WithAnimation(CommandContext& ctx, Act act)
{
    if (CAnimCtrl* animation = Animation(ctx)) act(*animation);
}

void Animation_Clear(CommandContext& ctx)
{
    WithAnimation(ctx, [](CAnimCtrl& a) { a.RemoveAll(); });
}

void Animation_Pause(CommandContext& ctx)
{
    WithAnimation(ctx, [](CAnimCtrl& a) { a.Pause(); });
}

void Animation_Play(CommandContext& ctx)
{
    WithAnimation(ctx, [](CAnimCtrl& a) { a.Play(); });
}

void Animation_PlayBackward(CommandContext& ctx)
{
    WithAnimation(ctx, [](CAnimCtrl& a) { a.PlayBackward(); });
}

void Animation_Stop(CommandContext& ctx)
{
    WithAnimation(ctx, [](CAnimCtrl& a) { a.Stop(); });
}

void Animation_RemoveFrame(CommandContext& ctx)
{
    const int index = ctx.Int();
    CAnimCtrl* animation = Animation(ctx);
    ctx.SetTruth(animation && animation->RemoveFrame(index));
}

void Animation_GetBackColor(CommandContext& ctx)
{
    const CAnimCtrl* animation = Animation(ctx);
    ctx.SetInt(animation ? int(animation->GetBackColor()) : 0);
}

void Animation_GetCurrentFrame(CommandContext& ctx)
{
    if (const CAnimCtrl* animation = Animation(ctx)) ctx.SetInt(animation->GetCurrentFrame());
}

// The size of frame 0; 0 without a control or frames.
template <LONG SIZE::*Side>
void FrameSide(CommandContext& ctx)
{
    const CAnimCtrl* animation = Animation(ctx);
    const CImageBitmap* first = animation ? animation->GetFrame(0) : nullptr;
    ctx.SetInt(first ? int(first->GetSize().*Side) : 0);
}

void Animation_GetHeight(CommandContext& ctx) { FrameSide<&SIZE::cy>(ctx); }
void Animation_GetWidth(CommandContext& ctx) { FrameSide<&SIZE::cx>(ctx); }

void Animation_SaveFrame(CommandContext& ctx)
{
    const int index = ctx.Int();
    ObjectRecord* target = ctx.FindObject(ctx.Int(), qbk::TypeDataStream);
    ctx.SetTruth(false);
    const CAnimCtrl* animation = Animation(ctx);
    const CImageBitmap* frame = animation ? animation->GetFrame(index) : nullptr;
    if (!frame || !target) return;
    ctx.SetTruth(frame->SaveToStream(&StreamToWrite(*target)));
}

void Animation_GetFrameCount(CommandContext& ctx)
{
    const CAnimCtrl* animation = Animation(ctx);
    ctx.SetInt(animation ? animation->GetFrameCount() : 0);
}

void Animation_GetDelay(CommandContext& ctx)
{
    const CAnimCtrl* animation = Animation(ctx);
    ctx.SetInt(animation ? animation->GetDelay() : 0);
}

void Animation_GetTransparentColor(CommandContext& ctx)
{
    const CAnimCtrl* animation = Animation(ctx);
    ctx.SetInt(animation ? animation->GetTransparentColor() : -1);
}

void Animation_InsertFrame(CommandContext& ctx)
{
    const int index = ctx.Int();
    CMemFile* stream = StreamOf(ctx, ctx.Int());
    ctx.SetTruth(false);
    CAnimCtrl* animation = Animation(ctx);
    CImageBitmap image;
    if (!animation || !stream || !image.LoadStream(stream)) return;
    ctx.SetTruth(animation->InsertFrame(index, &image));
}

void Animation_IsLooping(CommandContext& ctx)
{
    const CAnimCtrl* animation = Animation(ctx);
    ctx.SetTruth(animation && animation->IsLooping());
}

void Animation_IsPlaying(CommandContext& ctx)
{
    const CAnimCtrl* animation = Animation(ctx);
    ctx.SetTruth(animation && animation->IsPlaying());
}

void Animation_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    CAnimCtrl* animation = Animation(ctx);
    ctx.SetTruth(animation && animation->LoadFile(path));
}

void Animation_LoadStream(CommandContext& ctx)
{
    CMemFile* stream = StreamOf(ctx, ctx.Int());
    CAnimCtrl* animation = Animation(ctx);
    ctx.SetTruth(animation && stream && animation->LoadStream(stream));
}

void Animation_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    CAnimCtrl* animation = Animation(ctx);
    CMemFile* file = animation ? ctx.Runtime().OpenEmbeddedFile(name) : nullptr;
    ctx.SetTruth(file && animation->LoadStream(file));
}

void Animation_MoveFrame(CommandContext& ctx)
{
    const int from = ctx.Int(), to = ctx.Int();
    CAnimCtrl* animation = Animation(ctx);
    ctx.SetInt(animation ? animation->MoveFrame(from, to) : -1);
}

void Animation_SaveFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const CAnimCtrl* animation = Animation(ctx);
    ctx.SetTruth(animation && animation->SaveFile(path));
}

void Animation_SaveStream(CommandContext& ctx)
{
    ObjectRecord* target = ctx.FindObject(ctx.Int(), qbk::TypeDataStream);
    const CAnimCtrl* animation = Animation(ctx);
    ctx.SetTruth(animation && target && animation->SaveStream(&StreamToWrite(*target)));
}

void Animation_SetBackColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    WithAnimation(ctx, [colour](CAnimCtrl& a) {
        a.SetBackColor(COLORREF(colour));
        a.Redraw();
    });
}

void Animation_SetCurrentFrame(CommandContext& ctx)
{
    const int index = ctx.Int();
    WithAnimation(ctx, [index](CAnimCtrl& a) { a.SetCurrentFrame(index); });
}

void Animation_SetLoop(CommandContext& ctx)
{
    const int flag = ctx.Int();
    WithAnimation(ctx, [flag](CAnimCtrl& a) { a.SetLoop(flag < 0 ? !a.IsLooping() : flag != 0); });
}

void Animation_SetDelay(CommandContext& ctx)
{
    const int delay = ctx.Int();
    WithAnimation(ctx, [delay](CAnimCtrl& a) { a.SetDelay(delay); });
}

void Animation_SetTransparentColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    WithAnimation(ctx, [colour](CAnimCtrl& a) {
        a.SetTransparentColor(colour);
        a.Redraw();
    });
}

constexpr CommandEntry kAnimation[] = {
    {31, "Animation_Clear", Animation_Clear},  // after the shared commands 0 to 30
    {32, "Animation_RemoveFrame", Animation_RemoveFrame},
    {33, "Animation_GetBackColor", Animation_GetBackColor},
    {34, "Animation_GetCurrentFrame", Animation_GetCurrentFrame},
    {35, "Animation_GetHeight", Animation_GetHeight},
    {36, "Animation_GetWidth", Animation_GetWidth},
    {37, "Animation_SaveFrame", Animation_SaveFrame},
    {38, "Animation_GetFrameCount", Animation_GetFrameCount},
    {39, "Animation_GetDelay", Animation_GetDelay},
    {40, "Animation_GetTransparentColor", Animation_GetTransparentColor},
    {41, "Animation_InsertFrame", Animation_InsertFrame},
    {42, "Animation_IsLooping", Animation_IsLooping},
    {43, "Animation_IsPlaying", Animation_IsPlaying},
    {44, "Animation_LoadFile", Animation_LoadFile},
    {45, "Animation_LoadStream", Animation_LoadStream},
    {46, "Animation_LoadEmbedded", Animation_LoadEmbedded},
    {47, "Animation_MoveFrame", Animation_MoveFrame},
    {48, "Animation_Pause", Animation_Pause},
    {49, "Animation_Play", Animation_Play},
    {50, "Animation_PlayBackward", Animation_PlayBackward},
    {51, "Animation_SaveFile", Animation_SaveFile},
    {52, "Animation_SaveStream", Animation_SaveStream},
    {53, "Animation_SetBackColor", Animation_SetBackColor},
    {54, "Animation_SetCurrentFrame", Animation_SetCurrentFrame},
    {55, "Animation_SetLoop", Animation_SetLoop},
    {56, "Animation_SetDelay", Animation_SetDelay},
    {57, "Animation_SetTransparentColor", Animation_SetTransparentColor},
    {58, "Animation_Stop", Animation_Stop},
};
static_assert(NumbersOwnCommands(kAnimation, qbk::TypeAnimation, 58));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeAnimation, kAnimation)};

}  // namespace

extern const CommandFamily kAnimationFamily("Animation", kLists);
