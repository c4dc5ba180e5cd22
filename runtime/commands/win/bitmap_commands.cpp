// Images held by an object (type 41): made, loaded, changed and saved.
#include "command_table.h"

namespace {

constexpr CommandEntry kBitmap[] = {
    {2, "Bitmap_Create"},  // after the shared commands 0 and 1
    {3, "Bitmap_Clear"},          {4, "Bitmap_GetColor"},        {5, "Bitmap_GetHandle"},
    {6, "Bitmap_GetHeight"},      {7, "Bitmap_GetWidth"},        {8, "Bitmap_PasteFromClipboard"},
    {9, "Bitmap_LoadFile"},       {10, "Bitmap_LoadFromStream"}, {11, "Bitmap_LoadEmbedded"},
    {12, "Bitmap_CaptureScreen"}, {13, "Bitmap_CopyFrom"},       {14, "Bitmap_MakeMask"},
    {15, "Bitmap_Rotate"},        {16, "Bitmap_SaveBmpFile"},    {17, "Bitmap_SaveBmpStream"},
    {18, "Bitmap_SaveJpegFile"},  {19, "Bitmap_SaveJpegStream"}, {20, "Bitmap_SavePngFile"},
    {21, "Bitmap_SavePngStream"}, {22, "Bitmap_SetColor"},
};
static_assert(NumbersOwnCommands(kBitmap, qbk::TypeBitmap, 22));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeBitmap, kBitmap)};

}  // namespace

extern const CommandFamily kBitmapFamily("Bitmap", kLists);
