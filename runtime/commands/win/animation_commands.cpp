// Animations (type 45): frames, delays, colours, playing, loading and saving.
#include "command_table.h"

namespace {

constexpr CommandEntry kAnimation[] = {
    {31, "Animation_Clear"},  // after the shared commands 0 to 30
    {32, "Animation_RemoveFrame"},
    {33, "Animation_GetBackColor"},
    {34, "Animation_GetCurrentFrame"},
    {35, "Animation_GetHeight"},
    {36, "Animation_GetWidth"},
    {37, "Animation_SaveFrame"},
    {38, "Animation_GetFrameCount"},
    {39, "Animation_GetDelay"},
    {40, "Animation_GetTransparentColor"},
    {41, "Animation_InsertFrame"},
    {42, "Animation_IsLooping"},
    {43, "Animation_IsPlaying"},
    {44, "Animation_LoadFile"},
    {45, "Animation_LoadStream"},
    {46, "Animation_LoadEmbedded"},
    {47, "Animation_MoveFrame"},
    {48, "Animation_Pause"},
    {49, "Animation_Play"},
    {50, "Animation_PlayBackward"},
    {51, "Animation_SaveFile"},
    {52, "Animation_SaveStream"},
    {53, "Animation_SetBackColor"},
    {54, "Animation_SetCurrentFrame"},
    {55, "Animation_SetLoop"},
    {56, "Animation_SetDelay"},
    {57, "Animation_SetTransparentColor"},
    {58, "Animation_Stop"},
};
static_assert(NumbersOwnCommands(kAnimation, qbk::TypeAnimation, 58));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeAnimation, kAnimation)};

}  // namespace

extern const CommandFamily kAnimationFamily("Animation", kLists);
