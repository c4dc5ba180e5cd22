// Drawing on a window, a control or an image (type 30).
#include "command_table.h"

namespace {

constexpr CommandEntry kDrawingTool[] = {
    {2, "DrawingTool_Fill"},  // after the shared commands 0 and 1
    {3, "DrawingTool_DrawText"},
    {4, "DrawingTool_InvertFrames"},
    {5, "DrawingTool_DrawEdge"},
    {6, "DrawingTool_DrawImageFile"},
    {7, "DrawingTool_DrawImageStream"},
    {8, "DrawingTool_DrawProjectImage"},
    {9, "DrawingTool_DrawObjectImage"},
    {10, "DrawingTool_TextAt"},
    {11, "DrawingTool_Ellipse"},
    {12, "DrawingTool_FloodFill"},
    {13, "DrawingTool_Gradient"},
    {14, "DrawingTool_FillRect"},
    {15, "DrawingTool_FlipVertical"},
    {16, "DrawingTool_Scatter"},
    {17, "DrawingTool_ModeFilter"},
    {18, "DrawingTool_Smooth"},
    {19, "DrawingTool_Wave"},
    {20, "DrawingTool_GetPixel"},
    {21, "DrawingTool_GetTextHeight"},
    {22, "DrawingTool_GetTextWidth"},
    {23, "DrawingTool_GetTransparentColor"},
    {24, "DrawingTool_InvertArea"},
    {25, "DrawingTool_DrawLine"},
    {26, "DrawingTool_FlipHorizontal"},
    {27, "DrawingTool_Dot"},
    {28, "DrawingTool_CopyToClipboard"},
    {29, "DrawingTool_DrawOnScreen"},
    {30, "DrawingTool_Rectangle"},
    {31, "DrawingTool_RefreshScreen"},
    {32, "DrawingTool_RoundRect"},
    {33, "DrawingTool_Scroll"},
    {34, "DrawingTool_SetFont"},
    {35, "DrawingTool_SetColor"},
    {36, "DrawingTool_SetPenWidth"},
    {37, "DrawingTool_SetPixel"},
    {38, "DrawingTool_SetStretch"},
    {39, "DrawingTool_SetTransparentColor"},
    {40, "DrawingTool_SetTarget"},
    {41, "DrawingTool_Reset"},
};
static_assert(NumbersOwnCommands(kDrawingTool, qbk::TypeDrawingTool, 41));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeDrawingTool, kDrawingTool)};

}  // namespace

extern const CommandFamily kDrawingToolFamily("DrawingTool", kLists);
