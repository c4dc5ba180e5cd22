// The common dialogs (type 35): files, folders, colours and fonts.
#include "command_table.h"

namespace {

constexpr CommandEntry kFileDialog[] = {
    {2, "FileDialog_ChooseColor"},  // after the shared commands 0 and 1
    {3, "FileDialog_BrowseFolder"}, {4, "FileDialog_ChooseFont"},  {5, "FileSystem_GetListCount"},
    {6, "FileDialog_GetExtension"}, {7, "FileDialog_GetFileName"}, {8, "FileDialog_GetSelected"},
    {9, "FileDialog_Open"},         {10, "FileDialog_Save"},
};
static_assert(NumbersOwnCommands(kFileDialog, qbk::TypeFileDialog, 10));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeFileDialog, kFileDialog)};

}  // namespace

extern const CommandFamily kFileDialogFamily("FileDialog", kLists);
