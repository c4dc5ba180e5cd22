// Record tables (type 14): rows and named columns, loaded and saved as text.
#include <memory>

#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"
#include "decimal_text.h"
#include "record_table.h"
#include "value_format.h"

namespace {

struct RecordTablePart : ObjectPart {
    std::unique_ptr<CRecordTable> table;  // null until created
};

CRecordTable* Table(CommandContext& ctx)
{
    RecordTablePart* part = ctx.FindPart<RecordTablePart>();
    return part ? part->table.get() : nullptr;
}

// A text of digits only (the empty text too) is a column's index; any other text its name.
int ColumnOf(const CRecordTable& table, const CString& column)
{
    return IsNumber(column) ? TextToInt(column) : table.FindColumn(column);
}

int FormatOf(const CString& word) { return word == "CSV" ? CRecordTable::kCsvFormat : CRecordTable::kLinesFormat; }

void RecordTable_DeleteColumn(CommandContext& ctx)
{
    const CString column = ctx.Text();
    ctx.SetResult("0");
    if (CRecordTable* table = Table(ctx)) ctx.SetTruth(table->DeleteColumn(ColumnOf(*table, column)));
}

void RecordTable_DeleteRow(CommandContext& ctx)
{
    const int row = ctx.Int();
    ctx.SetResult("0");
    if (CRecordTable* table = Table(ctx)) ctx.SetTruth(table->DeleteRow(row));
}

void RecordTable_Query(CommandContext& ctx)
{
    const CString column = ctx.Text();
    const CString op = ctx.Text();
    const CString value = ctx.Text();
    ctx.SetResult("-1");
    if (CRecordTable* table = Table(ctx)) ctx.SetResult(table->Query(ColumnOf(*table, column), op, value));
}

void RecordTable_GetColumnCount(CommandContext& ctx)
{
    CRecordTable* table = Table(ctx);
    ctx.SetInt(table ? table->GetColumnCount() : 0);
}

void RecordTable_FindColumn(CommandContext& ctx)
{
    const CString name = ctx.Text();
    CRecordTable* table = Table(ctx);
    ctx.SetInt(table ? table->FindColumn(name, CRecordTable::Match::IgnoreCase) : -1);
}

void RecordTable_GetColumnName(CommandContext& ctx)
{
    const int column = ctx.Int();
    if (CRecordTable* table = Table(ctx)) ctx.SetResult(table->GetColumnName(column));
}

void RecordTable_GetRowCount(CommandContext& ctx)
{
    CRecordTable* table = Table(ctx);
    ctx.SetInt(table ? table->GetRowCount() : 0);
}

void RecordTable_GetCellData(CommandContext& ctx)
{
    const CString column = ctx.Text();
    const int row = ctx.Int();
    if (CRecordTable* table = Table(ctx)) ctx.SetResult(table->GetCellData(ColumnOf(*table, column), row));
}

void RecordTable_FindRow(CommandContext& ctx)
{
    const CString column = ctx.Text();
    const CString text = ctx.Text();
    CRecordTable* table = Table(ctx);
    ctx.SetInt(table ? table->FindRow(ColumnOf(*table, column), text, CRecordTable::Match::IgnoreCase) : -1);
}

void RecordTable_GetCell(CommandContext& ctx)
{
    const CString column = ctx.Text();
    const int row = ctx.Int();
    if (CRecordTable* table = Table(ctx)) ctx.SetResult(table->GetCell(ColumnOf(*table, column), row));
}

void RecordTable_Create(CommandContext& ctx)
{
    RecordTablePart& part = ctx.EnsurePart<RecordTablePart>();
    ctx.SetTruth(!part.table);
    if (!part.table) part.table = std::make_unique<CRecordTable>();
}

void RecordTable_InsertColumn(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const int index = ctx.Int();
    CRecordTable* table = Table(ctx);
    ctx.SetInt(table ? table->InsertColumn(name, index) : -1);
}

void RecordTable_InsertRow(CommandContext& ctx)
{
    const int index = ctx.Int();
    CRecordTable* table = Table(ctx);
    ctx.SetInt(table ? table->InsertRow(index) : -1);
}

void RecordTable_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const CString format = ctx.Text();
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && table->LoadFile(path, FormatOf(format)));
}

// An empty stream holds no table: the table stays as it is. The stream keeps its position.
void RecordTable_LoadFromStream(CommandContext& ctx)
{
    CMemFile* stream = FindDataStream(ctx.FindObject(ctx.Int()));
    const CString format = ctx.Text();
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && stream && stream->GetLength() != 0 && table->LoadStream(stream, FormatOf(format)));
}

void RecordTable_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const CString format = ctx.Text();
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && table->LoadStream(ctx.Runtime().OpenEmbeddedFile(name), FormatOf(format)));
}

void RecordTable_CombineRowLists(CommandContext& ctx)
{
    const CString listA = ctx.Text();
    const int mode = ctx.Int();
    const CString listB = ctx.Text();
    ctx.SetResult("-1");
    if (Table(ctx)) ctx.SetResult(CRecordTable::CombineRowLists(listA, listB, mode != 0));
}

void RecordTable_Clear(CommandContext& ctx)
{
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && table->Clear());
}

void RecordTable_DeleteAllRows(CommandContext& ctx)
{
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && table->DeleteAllRows());
}

void RecordTable_SaveFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const CString format = ctx.Text();
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && table->SaveFile(path, FormatOf(format)));
}

// Written at the stream's position. A DataStream without a stream is given one even when there is
// no table to write.
void RecordTable_SaveToStream(CommandContext& ctx)
{
    ObjectRecord* target = ctx.FindObject(ctx.Int(), qbk::TypeDataStream);
    const CString format = ctx.Text();
    ctx.SetResult("0");
    if (!target) return;
    CMemFile* stream = FindDataStream(target);
    if (!stream) stream = &NewDataStream(*target);
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && table->SaveStream(stream, FormatOf(format)));
}

void RecordTable_RenameColumn(CommandContext& ctx)
{
    const CString column = ctx.Text();
    const CString name = ctx.Text();
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && table->RenameColumn(ColumnOf(*table, column), name));
}

void RecordTable_SetCellData(CommandContext& ctx)
{
    const CString column = ctx.Text();
    const int row = ctx.Int();
    const CString text = ctx.Text();
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && table->SetCellData(ColumnOf(*table, column), row, text));
}

void RecordTable_SetCell(CommandContext& ctx)
{
    const CString column = ctx.Text();
    const int row = ctx.Int();
    const CString text = ctx.Text();
    CRecordTable* table = Table(ctx);
    ctx.SetTruth(table && table->SetCell(ColumnOf(*table, column), row, text));
}

constexpr CommandEntry kRecordTable[] = {
    {2, "RecordTable_DeleteColumn", RecordTable_DeleteColumn},  // after the shared commands 0 and 1
    {3, "RecordTable_DeleteRow", RecordTable_DeleteRow},
    {4, "RecordTable_Query", RecordTable_Query},
    {5, "RecordTable_GetColumnCount", RecordTable_GetColumnCount},
    {6, "RecordTable_FindColumn", RecordTable_FindColumn},
    {7, "RecordTable_GetColumnName", RecordTable_GetColumnName},
    {8, "RecordTable_GetRowCount", RecordTable_GetRowCount},
    {9, "RecordTable_GetCellData", RecordTable_GetCellData},
    {10, "RecordTable_FindRow", RecordTable_FindRow},
    {11, "RecordTable_GetCell", RecordTable_GetCell},
    {12, "RecordTable_Create", RecordTable_Create},
    {13, "RecordTable_InsertColumn", RecordTable_InsertColumn},
    {14, "RecordTable_InsertRow", RecordTable_InsertRow},
    {15, "RecordTable_LoadFile", RecordTable_LoadFile},
    {16, "RecordTable_LoadFromStream", RecordTable_LoadFromStream},
    {17, "RecordTable_LoadEmbedded", RecordTable_LoadEmbedded},
    {18, "RecordTable_CombineRowLists", RecordTable_CombineRowLists},
    {19, "RecordTable_Clear", RecordTable_Clear},
    {20, "RecordTable_DeleteAllRows", RecordTable_DeleteAllRows},
    {21, "RecordTable_SaveFile", RecordTable_SaveFile},
    {22, "RecordTable_SaveToStream", RecordTable_SaveToStream},
    {23, "RecordTable_RenameColumn", RecordTable_RenameColumn},
    {24, "RecordTable_SetCellData", RecordTable_SetCellData},
    {25, "RecordTable_SetCell", RecordTable_SetCell},
};
static_assert(NumbersOwnCommands(kRecordTable, qbk::TypeRecordTable, 25));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeRecordTable, kRecordTable)};

}  // namespace

extern const CommandFamily kRecordTableFamily("RecordTable", kLists);
