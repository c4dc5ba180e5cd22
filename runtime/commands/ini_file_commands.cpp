// INI files (type 18): sections and keys read, written and deleted.
#include "command_table.h"

namespace {

constexpr CommandEntry kIniFile[] = {
    {2, "IniFile_Close"},  // after the shared commands 0 and 1
    {3, "IniFile_Read"},          {4, "IniFile_SetFile"},
    {5, "IniFile_DeleteSection"}, {6, "IniFile_DeleteSectionKeepFirst"},
    {7, "IniFile_DeleteKey"},     {8, "IniFile_Write"},
};
static_assert(NumbersOwnCommands(kIniFile, qbk::TypeIniFile, 8));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeIniFile, kIniFile)};

}  // namespace

extern const CommandFamily kIniFileFamily("IniFile", kLists);
