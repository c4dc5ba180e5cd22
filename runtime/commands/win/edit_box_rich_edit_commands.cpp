// Edit boxes (type 51) and rich edit controls (type 65).
#include "command_table.h"

namespace {

constexpr CommandEntry kEditBox[] = {
    {31, "EditBox_Clear"},  // after the shared commands 0 to 30
    {32, "EditBox_Copy"},         {33, "EditBox_Cut"},
    {34, "EditBox_GetSelEnd"},    {35, "EditBox_GetFirstVisibleLine"},
    {36, "EditBox_GetLimitText"}, {37, "EditBox_GetLine"},
    {38, "EditBox_GetLineCount"}, {39, "EditBox_GetLineLength"},
    {40, "EditBox_GetSelStart"},  {41, "EditBox_Linescroll"},
    {42, "EditBox_LoadFile"},     {43, "EditBox_LoadFromObject"},
    {44, "EditBox_LoadEmbedded"}, {45, "EditBox_Paste"},
    {46, "EditBox_ReplaceSel"},   {47, "EditBox_SaveFile"},
    {48, "EditBox_SaveToObject"}, {49, "EditBox_Limittext"},
    {50, "EditBox_SetSel"},       {51, "EditBox_Undo"},
};
static_assert(NumbersOwnCommands(kEditBox, qbk::TypeEditBox, 51));

constexpr CommandEntry kRichEdit[] = {
    {31, "EditBox_Clear"},  // after the shared commands 0 to 30
    {32, "EditBox_Copy"},
    {33, "EditBox_Cut"},
    {34, "RichEdit_FindText"},
    {35, "RichEdit_LineIndex"},
    {36, "RichEdit_GetSelEnd"},
    {37, "EditBox_GetFirstVisibleLine"},
    {38, "EditBox_GetLimitText"},
    {39, "RichEdit_GetLine"},
    {40, "EditBox_GetLineCount"},
    {41, "RichEdit_ExLineFromChar"},
    {42, "RichEdit_GetLineLength"},
    {43, "RichEdit_GetModify"},
    {44, "RichEdit_GetSelFont"},
    {45, "RichEdit_GetSelText"},
    {46, "RichEdit_GetSelTextLength"},
    {47, "RichEdit_GetSelStart"},
    {48, "RichEdit_GetTextLength"},
    {49, "RichEdit_LineScroll"},
    {50, "RichEdit_LoadFile"},
    {51, "RichEdit_LoadFromObject"},
    {52, "RichEdit_LoadEmbedded"},
    {53, "EditBox_Paste"},
    {54, "RichEdit_Redo"},
    {55, "EditBox_ReplaceSel"},
    {56, "RichEdit_SaveFile"},
    {57, "RichEdit_SaveToObject"},
    {58, "RichEdit_SetBackgroundColor"},
    {59, "RichEdit_LimitText"},
    {60, "RichEdit_SetModify"},
    {61, "RichEdit_SetReadOnly"},
    {62, "RichEdit_SetSel"},
    {63, "RichEdit_SetSelFont"},
    {64, "RichEdit_SetSelFormat"},
    {65, "EditBox_Undo"},
};
static_assert(NumbersOwnCommands(kRichEdit, qbk::TypeRichEdit, 65));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeEditBox, kEditBox), OwnCommands(qbk::TypeRichEdit, kRichEdit)};

}  // namespace

extern const CommandFamily kEditBoxRichEditFamily("EditBox and RichEdit", kLists);
