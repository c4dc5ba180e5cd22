// Scroll bars (type 66), sliders (type 67) and panels (type 68).
#include "command_table.h"

namespace {

constexpr CommandEntry kScrollBar[] = {
    {31, "ScrollBar_Increase"},  // after the shared commands 0 to 30
    {32, "ScrollBar_GetLineStep"},   {33, "ScrollBar_GetRange"}, {34, "ScrollBar_GetRange"},
    {35, "ScrollBar_GetPageStep"},   {36, "ScrollBar_GetPos"},   {37, "ScrollBar_SetLineStep"},
    {38, "DrawingTool_SetPenWidth"}, {39, "ScrollBar_SetRange"}, {40, "ScrollBar_SetPos"},
    {41, "ScrollBar_Decrease"},
};
static_assert(NumbersOwnCommands(kScrollBar, qbk::TypeScrollBar, 41));

constexpr CommandEntry kSlider[] = {
    {31, "Slider_Increase"},  // after the shared commands 0 to 30
    {32, nullptr},           {33, "Slider_GetRange"}, {34, "Slider_GetRange"}, {35, nullptr},
    {36, "Slider_GetPos"},   {37, nullptr},           {38, nullptr},           {39, "Slider_SetRange"},
    {40, "Slider_SetPos"},   {41, "Slider_Decrease"},
};
static_assert(NumbersOwnCommands(kSlider, qbk::TypeSlider, 41));

constexpr CommandEntry kPanel[] = {
    {31, "Panel_GetColor"},  // after the shared commands 0 to 30
    {32, "Panel_SetColor"},
};
static_assert(NumbersOwnCommands(kPanel, qbk::TypePanel, 32));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeScrollBar, kScrollBar), OwnCommands(qbk::TypeSlider, kSlider),
                                  OwnCommands(qbk::TypePanel, kPanel)};

}  // namespace

extern const CommandFamily kScrollBarSliderPanelFamily("ScrollBar, Slider and Panel", kLists);
