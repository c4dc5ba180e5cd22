// Fonts (type 17): made from a face and size or from a font file, and their attributes.
#include "command_table.h"

namespace {

constexpr CommandEntry kFont[] = {
    {2, "Font_Create"},  // after the shared commands 0 and 1
    {3, "Font_GetFaceName"},   {4, "Font_GetQuality"},    {5, "Font_GetSize"},     {6, "Font_IsBold"},
    {7, "Font_IsItalic"},      {8, "Font_IsStrikeOut"},   {9, "Font_IsUnderline"}, {10, "Font_CreateFromFile"},
    {11, "Font_SetBold"},      {12, "Font_SetItalic"},    {13, "Font_SetQuality"}, {14, "Font_SetSize"},
    {15, "Font_SetStrikeOut"}, {16, "Font_SetUnderline"}, {17, "Font_RemoveFile"},
};
static_assert(NumbersOwnCommands(kFont, qbk::TypeFont, 17));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeFont, kFont)};

}  // namespace

extern const CommandFamily kFontFamily("Font", kLists);
