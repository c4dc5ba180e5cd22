// Object references (type 31) and object lists (type 32): other objects named by window and id,
// and commands run on them by word.
#include "command_table.h"

namespace {

constexpr CommandEntry kObjectReference[] = {
    {2, "ObjectReference_Run"},  // after the shared commands 0 and 1
    {3, "ObjectReference_GetWindowName"},
    {4, "ObjectReference_GetObjectId"},
    {5, "ObjectReference_SetTarget"},
};
static_assert(NumbersOwnCommands(kObjectReference, qbk::TypeObjectReference, 5));

constexpr CommandEntry kObjectList[] = {
    {2, "ObjectList_Add"},  // after the shared commands 0 and 1
    {3, "ObjectList_Run"},         {4, "ArrayVariable_GetCount"}, {5, "ObjectList_GetWindowName"},
    {6, "ObjectList_GetObjectId"}, {7, "ObjectList_InsertAt"},    {8, "ObjectList_Move"},
    {9, "ObjectList_Shift"},       {10, "ObjectList_Shuffle"},    {11, "ObjectList_RemoveAt"},
    {12, "ObjectList_RemoveAll"},  {13, "ObjectList_SetAt"},      {14, "ObjectList_SetCount"},
    {15, "ObjectList_Swap"},
};
static_assert(NumbersOwnCommands(kObjectList, qbk::TypeObjectList, 15));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeObjectReference, kObjectReference),
                                  OwnCommands(qbk::TypeObjectList, kObjectList)};

}  // namespace

extern const CommandFamily kObjectReferenceListFamily("ObjectReference and ObjectList", kLists);
