// Record tables (type 14): rows and named columns, loaded and saved as text.
#include "command_table.h"

namespace {

constexpr CommandEntry kRecordTable[] = {
    {2, "RecordTable_DeleteColumn"},  // after the shared commands 0 and 1
    {3, "RecordTable_DeleteRow"},        {4, "RecordTable_Query"},           {5, "RecordTable_GetColumnCount"},
    {6, "RecordTable_FindColumn"},       {7, "RecordTable_GetColumnName"},   {8, "RecordTable_GetRowCount"},
    {9, "RecordTable_GetCellData"},      {10, "RecordTable_FindRow"},        {11, "RecordTable_GetCell"},
    {12, "RecordTable_Create"},          {13, "RecordTable_InsertColumn"},   {14, "RecordTable_InsertRow"},
    {15, "RecordTable_LoadFile"},        {16, "RecordTable_LoadFromStream"}, {17, "RecordTable_LoadEmbedded"},
    {18, "RecordTable_CombineRowLists"}, {19, "RecordTable_Clear"},          {20, "RecordTable_DeleteAllRows"},
    {21, "RecordTable_SaveFile"},        {22, "RecordTable_SaveToStream"},   {23, "RecordTable_RenameColumn"},
    {24, "RecordTable_SetCellData"},     {25, "RecordTable_SetCell"},
};
static_assert(NumbersOwnCommands(kRecordTable, qbk::TypeRecordTable, 25));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeRecordTable, kRecordTable)};

}  // namespace

extern const CommandFamily kRecordTableFamily("RecordTable", kLists);
