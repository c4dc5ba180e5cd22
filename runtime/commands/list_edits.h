// The edits that the script lists share (arrays of numbers, object lists, string lists): moving,
// shifting, resizing, swapping and reordering entries by position. An object list keeps two
// parallel lists and applies each edit to both with the same arguments.
#pragma once

#include <algorithm>
#include <exception>
#include <utility>
#include <vector>

#include "command_context.h"
#include "fw_array.h"
#include "list_order.h"
#include "script_limits.h"

inline bool InList(INT_PTR count, int index) { return index >= 0 && index < count; }

// The position an insert uses: one below 0 or past the end appends.
inline int InsertPosition(INT_PTR count, int position)
{
    return position < 0 || position > count ? int(count) : position;
}

// The target of a move: -1 is the last position. -1 when the move cannot be made (a position
// outside the list, or no move at all).
inline int MoveTarget(INT_PTR count, int from, int to)
{
    if (!InList(count, from)) return -1;
    if (to == -1) to = int(count) - 1;
    return InList(count, to) && to != from ? to : -1;
}

// Takes the entry at from out and puts it in at to (both checked by MoveTarget).
template <class T, class A>
void MoveEntry(CArray<T, A>& list, int from, int to)
{
    T* data = list.GetData();
    if (from < to)
        std::rotate(data + from, data + from + 1, data + to + 1);
    else
        std::rotate(data + to, data + from, data + from + 1);
}

// Moves every entry distance places towards the end (towards the start when negative); the
// entries pushed out are lost and the freed positions take fill. The count stays.
template <class T, class A>
void ShiftEntries(CArray<T, A>& list, int distance, const T& fill)
{
    const INT_PTR count = list.GetSize();
    if (distance == 0 || count == 0) return;
    T* data = list.GetData();
    const INT_PTR span = std::min<INT_PTR>(distance < 0 ? -INT_PTR(distance) : INT_PTR(distance), count);
    if (distance > 0) {
        std::move_backward(data, data + count - span, data + count);
        std::fill(data, data + span, fill);
    } else {
        std::move(data + span, data + count, data);
        std::fill(data + count - span, data + count, fill);
    }
}

// Cuts the list to count entries or fills it up with fill; a negative count is 0. False, and the
// list unchanged, when the count is beyond what a script list may hold or memory is short.
template <class T, class A>
bool SetEntryCount(CArray<T, A>& list, int count, const T& fill)
{
    if (count < 0) count = 0;
    if (count > kMaxScriptListEntries) return false;
    const INT_PTR old = list.GetSize();
    try {
        list.SetSize(count);
    } catch (const std::exception&) {
        return false;
    }
    for (INT_PTR i = old; i < count; ++i) list[i] = fill;
    return true;
}

template <class T, class A>
bool SwapEntries(CArray<T, A>& list, int a, int b)
{
    if (!InList(list.GetSize(), a) || !InList(list.GetSize(), b)) return false;
    std::swap(list[a], list[b]);
    return true;
}

// Puts the entries into the order given (entry i takes the old entry order[i]).
template <class T, class A>
void ApplyOrder(CArray<T, A>& list, const std::vector<size_t>& order)
{
    std::vector<T> old(list.GetData(), list.GetData() + list.GetSize());
    for (size_t i = 0; i < order.size() && i < old.size(); ++i) list[INT_PTR(i)] = std::move(old[order[i]]);
}

// The handlers of the lists that keep their entries in one array (numbers, texts), over the array
// the family keeps for its object.
template <class T, class A, CArray<T, A>& (*Entries)(CommandContext&)>
struct ListHandlers {
    // from, to: "the position it now has", or "-1".
    static void Move(CommandContext& ctx)
    {
        const int from = ctx.Int();
        const int to = MoveTarget(Entries(ctx).GetSize(), from, ctx.Int());
        if (to >= 0) MoveEntry(Entries(ctx), from, to);
        ctx.SetInt(to);
    }
    static void Shuffle(CommandContext& ctx)
    {
        ApplyOrder(Entries(ctx), ShuffledOrder(size_t(Entries(ctx).GetSize())));
    }
    static void RemoveAt(CommandContext& ctx)
    {
        const int position = ctx.Int();
        if (InList(Entries(ctx).GetSize(), position)) Entries(ctx).RemoveAt(position);
    }
    // a, b: "1" when both are in the list and swapped, else "0".
    static void Swap(CommandContext& ctx)
    {
        const int a = ctx.Int();
        const int b = ctx.Int();
        ctx.SetTruth(SwapEntries(Entries(ctx), a, b));
    }
    static void GetCount(CommandContext& ctx) { ctx.SetInt(int(Entries(ctx).GetSize())); }
};
