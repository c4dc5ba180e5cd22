// Object references (type 31) and object lists (type 32): other objects named by window and id,
// and commands run on them by word.
#include <vector>

#include "command_context.h"
#include "command_table.h"
#include "decimal_text.h"
#include "list_edits.h"
#include "list_order.h"
#include "value_format.h"

namespace {

struct Target {
    int WindowId = -1;
    int ObjectId = -1;
};

bool IsOpen(const WindowRecord* window) { return window && window->Self() && window->Self()->WindowObject; }

// An object text that names an object by number: a decimal number, 0 included.
bool IsIdText(const CString& text)
{
    CString trimmed = text;
    trimmed.Trim();
    int i = trimmed.GetLength() > 0 && (trimmed[0] == '-' || trimmed[0] == '+') ? 1 : 0;
    if (i >= trimmed.GetLength()) return false;
    for (; i < trimmed.GetLength(); ++i)
        if (trimmed[i] < '0' || trimmed[i] > '9') return false;
    return true;
}

// The object a window name and an object (id or name) point at. A name that matches no window
// means the instruction's own window; an object is found by name only in a window named validly.
bool FindTarget(CommandContext& ctx, const CString& windowName, const CString& objectText, Target& target)
{
    CProjectRuntime& runtime = ctx.Runtime();
    const int windowId = runtime.FindWindowIdByName(windowName);
    const WindowRecord* window = windowId >= 0 ? runtime.FindWindowRecordById(windowId) : &ctx.Window();
    if (!IsOpen(window)) return false;
    int objectId = TextToInt(objectText);
    if (objectId == 0 && !IsIdText(objectText)) objectId = runtime.FindObjectIdByName(windowId, objectText);
    const ObjectRecord* object = CProjectRuntime::FindObjectById(window, objectId);
    if (!object) return false;
    target = {window->Id, object->Id};
    return true;
}

// Pulls a window name and an object and finds the target.
bool PullTarget(CommandContext& ctx, Target& target)
{
    const CString windowName = ctx.Text();
    const CString objectText = ctx.Text();
    return FindTarget(ctx, windowName, objectText, target);
}

// Pulls a command word and runs that command on the target with the arguments left; the
// command's answer is this command's, its flow code is dropped.
void RunOnTarget(CommandContext& ctx, bool found, const Target& target)
{
    const CString word = ctx.Text();
    if (!found) return;
    CProjectRuntime& runtime = ctx.Runtime();
    WindowRecord* window = runtime.FindWindowRecordById(target.WindowId);
    if (!IsOpen(window)) return;
    ObjectRecord* object = CProjectRuntime::FindObjectById(window, target.ObjectId);
    if (!object) return;
    const int command = runtime.FindCommandNumber(object->Type, word);
    if (command < 0) return;
    runtime.DispatchObjectCommand(window, object, command, ctx.Remaining(), ctx.Frame());
}

// ---- ObjectReference: the target in the object's numbers (window id, object id)

bool ReferenceTarget(CommandContext& ctx, Target& target)
{
    const std::vector<double>& numbers = ctx.Object().Numbers;
    if (numbers.size() < 2) return false;
    target = {TruncateToInt(numbers[0]), TruncateToInt(numbers[1])};
    return true;
}

void ObjectReference_Run(CommandContext& ctx)
{
    Target target;
    const bool found = ReferenceTarget(ctx, target);
    RunOnTarget(ctx, found, target);
}

void ObjectReference_GetWindowName(CommandContext& ctx)
{
    Target target;
    if (!ReferenceTarget(ctx, target)) return;
    if (const WindowRecord* window = ctx.Runtime().FindWindowRecordById(target.WindowId))
        ctx.SetResult(window->GetName());
}

void ObjectReference_GetObjectId(CommandContext& ctx)
{
    const std::vector<double>& numbers = ctx.Object().Numbers;
    ctx.SetReal(numbers.size() < 2 ? 0.0 : numbers[1]);
}

void ObjectReference_SetTarget(CommandContext& ctx)
{
    Target target;
    if (PullTarget(ctx, target)) ctx.Object().Numbers = {double(target.WindowId), double(target.ObjectId)};
}

// ---- ObjectList: entry i is (window id at i of the numbers, object id text at i of the texts)

const double kEmptyWindow = -1.0;
const CString kEmptyObject = "-1";

// The two lists, kept at one count.
struct Entries {
    CArray<double, double>& Windows;
    CStringArray& Objects;
    INT_PTR Count() const { return Windows.GetSize(); }
};

Entries ListOf(CommandContext& ctx)
{
    ObjectRecord& object = ctx.Object();
    if (object.TextList.GetSize() != object.NumberArray.GetSize()) {
        const INT_PTR count = object.NumberArray.GetSize();
        const INT_PTR old = object.TextList.GetSize();
        object.TextList.SetSize(count);
        for (INT_PTR i = old; i < count; ++i) object.TextList[i] = kEmptyObject;
    }
    return {object.NumberArray, object.TextList};
}

void SetEntry(Entries list, INT_PTR i, const Target& target)
{
    list.Windows[i] = double(target.WindowId);
    list.Objects[i] = IntToString(target.ObjectId);
}

void ObjectList_Add(CommandContext& ctx)
{
    Target target;
    if (!PullTarget(ctx, target)) return;
    Entries list = ListOf(ctx);
    if (list.Count() >= kMaxScriptListEntries) return;
    list.Windows.Add(0.0);
    list.Objects.Add(CString());
    SetEntry(list, list.Count() - 1, target);
}

void ObjectList_Run(CommandContext& ctx)
{
    const int position = ctx.Int();
    Entries list = ListOf(ctx);
    Target target;
    const bool found = InList(list.Count(), position);
    if (found) target = {TruncateToInt(list.Windows[position]), TextToInt(list.Objects[position])};
    RunOnTarget(ctx, found, target);
}

void ObjectList_GetWindowName(CommandContext& ctx)
{
    const int position = ctx.Int();
    Entries list = ListOf(ctx);
    if (!InList(list.Count(), position)) return;
    if (const WindowRecord* window = ctx.Runtime().FindWindowRecordById(TruncateToInt(list.Windows[position])))
        ctx.SetResult(window->GetName());
}

void ObjectList_GetObjectId(CommandContext& ctx)
{
    const int position = ctx.Int();
    Entries list = ListOf(ctx);
    ctx.SetResult(InList(list.Count(), position) ? list.Objects[position] : CString("0"));
}

void ObjectList_InsertAt(CommandContext& ctx)
{
    const int asked = ctx.Int();
    Target target;
    if (!PullTarget(ctx, target)) return;
    Entries list = ListOf(ctx);
    if (list.Count() >= kMaxScriptListEntries) return;
    const int position = InsertPosition(list.Count(), asked);
    list.Windows.InsertAt(position, 0.0);
    list.Objects.InsertAt(position, CString());
    SetEntry(list, position, target);
    ctx.SetInt(position);
}

void ObjectList_Move(CommandContext& ctx)
{
    const int from = ctx.Int();
    const int asked = ctx.Int();
    Entries list = ListOf(ctx);
    const int to = MoveTarget(list.Count(), from, asked);
    if (to >= 0) {
        MoveEntry(list.Windows, from, to);
        MoveEntry(list.Objects, from, to);
    }
    ctx.SetInt(to);
}

void ObjectList_Shift(CommandContext& ctx)
{
    const int distance = ctx.Int();
    Entries list = ListOf(ctx);
    ShiftEntries(list.Windows, distance, kEmptyWindow);
    ShiftEntries(list.Objects, distance, kEmptyObject);
}

void ObjectList_Shuffle(CommandContext& ctx)
{
    Entries list = ListOf(ctx);
    const std::vector<size_t> order = ShuffledOrder(size_t(list.Count()));
    ApplyOrder(list.Windows, order);
    ApplyOrder(list.Objects, order);
}

void ObjectList_RemoveAt(CommandContext& ctx)
{
    const int position = ctx.Int();
    Entries list = ListOf(ctx);
    if (!InList(list.Count(), position)) return;
    list.Windows.RemoveAt(position);
    list.Objects.RemoveAt(position);
}

void ObjectList_RemoveAll(CommandContext& ctx)
{
    ctx.Object().NumberArray.RemoveAll();
    ctx.Object().TextList.RemoveAll();
}

void ObjectList_SetAt(CommandContext& ctx)
{
    const int position = ctx.Int();
    Target target;
    if (!PullTarget(ctx, target)) return;
    Entries list = ListOf(ctx);
    if (position == -1) {
        for (INT_PTR i = 0; i < list.Count(); ++i) SetEntry(list, i, target);
    } else if (InList(list.Count(), position)) {
        SetEntry(list, position, target);
    }
}

void ObjectList_SetCount(CommandContext& ctx)
{
    const int count = ctx.Int();
    Entries list = ListOf(ctx);
    const INT_PTR old = list.Count();
    if (!SetEntryCount(list.Windows, count, kEmptyWindow)) return;
    if (!SetEntryCount(list.Objects, count, kEmptyObject)) SetEntryCount(list.Windows, int(old), kEmptyWindow);
}

void ObjectList_Swap(CommandContext& ctx)
{
    const int a = ctx.Int();
    const int b = ctx.Int();
    Entries list = ListOf(ctx);
    const bool swapped = SwapEntries(list.Windows, a, b);
    if (swapped) SwapEntries(list.Objects, a, b);
    ctx.SetTruth(swapped);
}

constexpr CommandEntry kObjectReference[] = {
    {2, "ObjectReference_Run", ObjectReference_Run},  // after the shared commands 0 and 1
    {3, "ObjectReference_GetWindowName", ObjectReference_GetWindowName},
    {4, "ObjectReference_GetObjectId", ObjectReference_GetObjectId},
    {5, "ObjectReference_SetTarget", ObjectReference_SetTarget},
};
static_assert(NumbersOwnCommands(kObjectReference, qbk::TypeObjectReference, 5));

constexpr CommandEntry kObjectList[] = {
    {2, "ObjectList_Add", ObjectList_Add},  // after the shared commands 0 and 1
    {3, "ObjectList_Run", ObjectList_Run},
    {4, "ArrayVariable_GetCount"},  // the array's count, shared
    {5, "ObjectList_GetWindowName", ObjectList_GetWindowName},
    {6, "ObjectList_GetObjectId", ObjectList_GetObjectId},
    {7, "ObjectList_InsertAt", ObjectList_InsertAt},
    {8, "ObjectList_Move", ObjectList_Move},
    {9, "ObjectList_Shift", ObjectList_Shift},
    {10, "ObjectList_Shuffle", ObjectList_Shuffle},
    {11, "ObjectList_RemoveAt", ObjectList_RemoveAt},
    {12, "ObjectList_RemoveAll", ObjectList_RemoveAll},
    {13, "ObjectList_SetAt", ObjectList_SetAt},
    {14, "ObjectList_SetCount", ObjectList_SetCount},
    {15, "ObjectList_Swap", ObjectList_Swap},
};
static_assert(NumbersOwnCommands(kObjectList, qbk::TypeObjectList, 15));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeObjectReference, kObjectReference),
                                  OwnCommands(qbk::TypeObjectList, kObjectList)};

}  // namespace

extern const CommandFamily kObjectReferenceListFamily("ObjectReference and ObjectList", kLists);
