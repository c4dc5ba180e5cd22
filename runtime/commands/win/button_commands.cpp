// Buttons: image buttons (type 47), check boxes (type 48) and radio buttons (type 64). Plain
// buttons (type 46) have only the shared commands.
#include "command_table.h"

namespace {

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
    {31, "CheckBox_GetCheck"},  // after the shared commands 0 to 30
    {32, "CheckBox_SetCheck"},
};
static_assert(NumbersOwnCommands(kCheckBox, qbk::TypeCheckBox, 32));

constexpr CommandEntry kRadioButton[] = {
    {31, "RadioButton_SetCheck"},  // after the shared commands 0 to 30
    {32, "RadioButton_GetGroup"},
    {33, "RadioButton_GetCheck"},
    {34, "RadioButton_SetGroup"},
};
static_assert(NumbersOwnCommands(kRadioButton, qbk::TypeRadioButton, 34));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeImageButton, kImageButton),
                                  OwnCommands(qbk::TypeCheckBox, kCheckBox),
                                  OwnCommands(qbk::TypeRadioButton, kRadioButton)};

}  // namespace

extern const CommandFamily kButtonFamily("ImageButton, CheckBox and RadioButton", kLists);
