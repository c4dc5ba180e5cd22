// Lists of texts (type 40): filled, searched, reordered and loaded from files, streams and
// embedded files.
#include "string_list_commands.h"

#include <string>

#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"
#include "list_edits.h"
#include "list_order.h"

bool WildcardMatch(const CString& text, const CString& pattern, char sequence, char single)
{
    const char* t = text.GetString();
    const char* p = pattern.GetString();
    const char* tEnd = t + text.GetLength();
    const char* pEnd = p + pattern.GetLength();
    // The last sequence wildcard seen and the text position it has taken up to: on a mismatch it
    // takes one byte more and the rest of the pattern is tried again.
    const char* star = nullptr;
    const char* starText = nullptr;
    while (t < tEnd) {
        if (p < pEnd && *p == sequence) {
            star = ++p;
            starText = t;
        } else if (p < pEnd && (*p == single || *p == *t)) {
            ++p;
            ++t;
        } else if (star) {
            p = star;
            t = ++starText;
        } else {
            return false;
        }
    }
    while (p < pEnd && *p == sequence) ++p;
    return p == pEnd;
}

void AppendLines(const char* bytes, size_t count, CArray<CString>& lines)
{
    size_t start = 0;
    while (start < count) {
        size_t end = start;
        while (end < count && bytes[end] != '\r') ++end;
        lines.Add(CString(bytes + start, int(end - start)));
        start = end + 2;  // over the carriage return and the byte after it
    }
}

namespace {

CArray<CString>& Entries(CommandContext& ctx) { return ctx.Object().TextList; }
using TextList = ListHandlers<CString, const CString&, Entries>;

void StringList_Add(CommandContext& ctx)
{
    const CString text = ctx.Text();
    if (Entries(ctx).GetSize() < kMaxScriptListEntries) Entries(ctx).Add(text);
}

void StringList_IndexOf(CommandContext& ctx)
{
    const CString text = ctx.Text();
    const CArray<CString>& entries = Entries(ctx);
    int found = -1;
    for (INT_PTR i = 0; i < entries.GetSize() && found < 0; ++i)
        if (entries[i] == text) found = int(i);
    ctx.SetInt(found);
}

void StringList_FindMatches(CommandContext& ctx)
{
    const CString pattern = ctx.Text();
    const CString wildcards = ctx.Text();
    if (wildcards.GetLength() != 2) return;
    const CArray<CString>& entries = Entries(ctx);
    std::string result;
    for (INT_PTR i = 0; i < entries.GetSize(); ++i) {
        if (!WildcardMatch(entries[i], pattern, wildcards[0], wildcards[1])) continue;
        if (!result.empty()) result += ',';
        result += std::to_string(i);
    }
    ctx.SetResult(CString(result));
}

void StringList_GetAt(CommandContext& ctx)
{
    const int index = ctx.Int();
    if (InList(Entries(ctx).GetSize(), index)) ctx.SetResult(Entries(ctx)[index]);
}

void StringList_InsertAt(CommandContext& ctx)
{
    const int asked = ctx.Int();
    const CString text = ctx.Text();
    CArray<CString>& entries = Entries(ctx);
    if (entries.GetSize() >= kMaxScriptListEntries) return;
    const int index = InsertPosition(entries.GetSize(), asked);
    entries.InsertAt(index, text);
    ctx.SetInt(index);
}

// The entries become the lines of the bytes; "1".
void LoadLines(CommandContext& ctx, const BYTE* bytes, size_t count)
{
    CArray<CString>& entries = Entries(ctx);
    entries.RemoveAll();
    AppendLines(reinterpret_cast<const char*>(bytes), count, entries);
    ctx.SetResult("1");
}

void StringList_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    ctx.SetResult("0");
    CFile file;
    try {
        if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) return;
        const ULONGLONG length = file.GetLength();
        if (length == 0 || length > kMaxScriptBytes) return;
        std::string bytes(size_t(length), '\0');
        bytes.resize(file.Read(&bytes[0], UINT(length)));
        LoadLines(ctx, reinterpret_cast<const BYTE*>(bytes.data()), bytes.size());
    } catch (const CException&) {
    }
}

void StringList_LoadFromObject(CommandContext& ctx)
{
    const int id = ctx.Int();
    ctx.SetResult("0");
    CMemFile* stream = FindDataStream(ctx.FindObject(id, qbk::TypeDataStream));
    if (!stream) return;
    LoadLines(ctx, stream->Data(), size_t(stream->GetLength()));
    stream->SeekToBegin();
}

void StringList_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetResult("0");
    if (CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name)) LoadLines(ctx, file->Data(), size_t(file->GetLength()));
}

void StringList_Shift(CommandContext& ctx)
{
    const int distance = ctx.Int();
    const CString fill = ctx.Text();
    ShiftEntries(Entries(ctx), distance, fill);
}

void StringList_RemoveAll(CommandContext& ctx) { Entries(ctx).RemoveAll(); }

void StringList_SetAt(CommandContext& ctx)
{
    const int index = ctx.Int();
    const CString text = ctx.Text();
    CArray<CString>& entries = Entries(ctx);
    if (index == -1) {
        for (INT_PTR i = 0; i < entries.GetSize(); ++i) entries[i] = text;
    } else if (InList(entries.GetSize(), index)) {
        entries[index] = text;
    }
}

void StringList_SetCount(CommandContext& ctx) { SetEntryCount(Entries(ctx), ctx.Int(), CString()); }

void StringList_Sort(CommandContext& ctx)
{
    StableSort(Entries(ctx).GetData(), size_t(Entries(ctx).GetSize()),
               [](const CString& a, const CString& b) { return a.Compare(b) < 0; });
}

constexpr CommandEntry kStringList[] = {
    {2, "StringList_Add", StringList_Add},  // after the shared commands 0 and 1
    {3, "StringList_IndexOf", StringList_IndexOf},
    {4, "StringList_FindMatches", StringList_FindMatches},
    {5, "StringList_GetAt", StringList_GetAt},
    {6, "StringList_GetCount", TextList::GetCount},
    {7, "StringList_InsertAt", StringList_InsertAt},
    {8, "StringList_LoadFile", StringList_LoadFile},
    {9, "StringList_LoadFromObject", StringList_LoadFromObject},
    {10, "StringList_LoadEmbedded", StringList_LoadEmbedded},
    {11, "StringList_Move", TextList::Move},
    {12, "StringList_Shift", StringList_Shift},
    {13, "StringList_Shuffle", TextList::Shuffle},
    {14, "StringList_RemoveAt", TextList::RemoveAt},
    {15, "StringList_RemoveAll", StringList_RemoveAll},
    {16, "StringList_SetAt", StringList_SetAt},
    {17, "StringList_SetCount", StringList_SetCount},
    {18, "StringList_Sort", StringList_Sort},
    {19, "StringList_Swap", TextList::Swap},
};
static_assert(NumbersOwnCommands(kStringList, qbk::TypeStringList, 19));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeStringList, kStringList)};

}  // namespace

extern const CommandFamily kStringListFamily("StringList", kLists);
