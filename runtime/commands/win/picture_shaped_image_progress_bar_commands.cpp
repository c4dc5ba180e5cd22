// Digit displays (type 50), shaped images (type 56) and image progress bars (type 63).
#include "command_table.h"

namespace {

constexpr CommandEntry kPicture[] = {
    {31, "Picture_Increase"},  // after the shared commands 0 to 30
    {32, "Picture_GetDigits"},      {33, "Picture_GetGlyphHeight"},
    {34, "Picture_GetGlyphWidth"},  {35, "Picture_GetTransparentColor"},
    {36, "Picture_GetValue"},       {37, "Picture_LoadEmbedded"},
    {38, "Picture_LoadFromObject"}, {39, "Picture_LoadEmbedded"},
    {40, "Picture_CopyImage"},      {41, "Picture_SetTransparentColor"},
    {42, "Picture_SetValue"},       {43, "Picture_SetLeadingZeros"},
    {44, "Picture_Decrease"},
};
static_assert(NumbersOwnCommands(kPicture, qbk::TypePicture, 44));

constexpr CommandEntry kShapedImage[] = {
    {31, "ShapedImage_GetBackColor"},  // after the shared commands 0 to 30
    {32, "ShapedImage_GetTransparentColor"}, {33, "ShapedImage_LoadFile"},   {34, "ShapedImage_LoadFromObject"},
    {35, "ShapedImage_LoadEmbedded"},        {36, "ShapedImage_CopyImage"},  {37, "ShapedImage_SetBackColor"},
    {38, "ShapedImage_SetHorizontalAlign"},  {39, "ShapedImage_SetStretch"}, {40, "ShapedImage_SetTransparentColor"},
    {41, "ShapedImage_SetVerticalAlign"},
};
static_assert(NumbersOwnCommands(kShapedImage, qbk::TypeShapedImage, 41));

constexpr CommandEntry kProgressBar[] = {
    {31, "ProgressBar_Increase"},  // after the shared commands 0 to 30
    {32, "ProgressBar_GetBackColor"},
    {33, "ProgressBar_GetRange"},
    {34, "ProgressBar_GetRange"},
    {35, "ProgressBar_GetPos"},
    {36, "ProgressBar_LoadImageFile"},
    {37, "ProgressBar_LoadImageFromObject"},
    {38, "ProgressBar_LoadImageEmbedded"},
    {39, "ProgressBar_CopyImage"},
    {40, "ProgressBar_SetBackColor"},
    {41, "ProgressBar_SetRange"},
    {42, "ProgressBar_SetPos"},
    {43, "ProgressBar_Decrease"},
};
static_assert(NumbersOwnCommands(kProgressBar, qbk::TypeProgressBar, 43));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypePicture, kPicture),
                                  OwnCommands(qbk::TypeShapedImage, kShapedImage),
                                  OwnCommands(qbk::TypeProgressBar, kProgressBar)};

}  // namespace

extern const CommandFamily kPictureShapedImageProgressBarFamily("Picture, ShapedImage and ProgressBar", kLists);
