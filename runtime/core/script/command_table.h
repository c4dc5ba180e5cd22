// Which handler serves each (object type, command number). Every family of object types writes
// its commands as tables beside its handlers (runtime/commands/); the table the dispatcher looks
// handlers up in is built from the registered families.
#pragma once

#include <cstddef>
#include <vector>

#include "object_types.h"

class CommandContext;

// A handler pulls its arguments through the context, acts, and writes its answer there.
using CommandHandler = void (*)(CommandContext& context);

// One command number of a table. The number is written out so that the compiler can check that a
// table numbers its commands without a gap or a shift: compiled instructions and the stored
// command words of a project address commands by these numbers.
struct CommandEntry {
    int Number;
    const char* Name;  // the handler's name; null: no command has this number
    CommandHandler Handler = nullptr;  // null: not built yet, the command does nothing
};

// The commands of one table: a type's own, or those shared by a group of types.
enum class CommandGroup { Own, Object, Control };

struct CommandList {
    CommandGroup Group;
    int Type;  // whose own commands (Own only)
    const CommandEntry* Entries;
    int Count;
};

template <size_t N>
constexpr CommandList OwnCommands(int type, const CommandEntry (&entries)[N])
{
    return {CommandGroup::Own, type, entries, int(N)};
}
template <size_t N>
constexpr CommandList SharedObjectCommands(const CommandEntry (&entries)[N])
{
    return {CommandGroup::Object, -1, entries, int(N)};
}
template <size_t N>
constexpr CommandList SharedControlCommands(const CommandEntry (&entries)[N])
{
    return {CommandGroup::Control, -1, entries, int(N)};
}

// For static_assert beside each table: entries numbered first, first + 1 ... last, one each, and
// handlers only on named entries.
template <size_t N>
constexpr bool NumbersCommands(const CommandEntry (&entries)[N], int first, int last)
{
    if (int(N) != last - first + 1) return false;
    for (size_t i = 0; i < N; ++i) {
        if (entries[i].Number != first + int(i)) return false;
        if (!entries[i].Name && entries[i].Handler) return false;
    }
    return true;
}
// A type's own commands, from the first number its group leaves to it up to last.
template <size_t N>
constexpr bool NumbersOwnCommands(const CommandEntry (&entries)[N], int type, int last)
{
    return NumbersCommands(entries, qbk::FirstOwnCommand(type), last);
}

// One family of object types: the tables of its types (and of a shared group, for the families
// that serve one).
struct CommandFamily {
    template <size_t N>
    constexpr CommandFamily(const char* name, const CommandList (&lists)[N])
        : Name(name), Lists(lists), ListCount(int(N))
    {
    }

    const char* Name;
    const CommandList* Lists;
    int ListCount;
};

// The handlers by (type, command), built from families. A handler that serves commands of several
// tables is written once, in one family; the other tables name it, and the table finds it by name.
class CommandTable {
public:
    // A family added later takes over the types and groups it names from earlier ones.
    void Add(const CommandFamily& family);

    // The named entry of a type's own command, or null when the type has no such command.
    const CommandEntry* FindOwn(int type, int command) const
    {
        return InRange(type) ? Find(m_own[type], command) : nullptr;
    }
    // Commands 0 and 1 of the window and the objects from type 12 on.
    const CommandEntry* FindObjectCommand(int command) const;
    // Commands 2 to 30 of the window and the visual controls.
    const CommandEntry* FindControlCommand(int command) const;

    // The table of a type's own commands and the family that holds it, or null.
    const CommandList* OwnList(int type) const { return InRange(type) ? m_own[type].List : nullptr; }
    const CommandFamily* FamilyOf(int type) const { return InRange(type) ? m_own[type].Family : nullptr; }

private:
    // One table with its entries as they run: an entry that is not built takes the handler of a
    // built entry of the same name elsewhere.
    struct Slot {
        const CommandList* List = nullptr;
        const CommandFamily* Family = nullptr;
        std::vector<const CommandEntry*> Entries;  // null: no command at that number
        int First = 0;  // the number of Entries[0]
    };

    static bool InRange(int type) { return type >= 0 && type < qbk::kObjectTypeCount; }
    static const CommandEntry* Find(const Slot& slot, int command)
    {
        const unsigned index = unsigned(command - slot.First);  // the numbers run on without a gap
        return index < slot.Entries.size() ? slot.Entries[index] : nullptr;
    }
    void Resolve();

    Slot m_own[qbk::kObjectTypeCount];
    Slot m_objectCommands;
    Slot m_controlCommands;
};
