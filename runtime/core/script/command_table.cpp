#include "command_table.h"

#include <cstring>
#include <map>

namespace {

struct NameLess {
    bool operator()(const char* a, const char* b) const { return std::strcmp(a, b) < 0; }
};

}  // namespace

void CommandTable::Add(const CommandFamily& family)
{
    for (int i = 0; i < family.ListCount; ++i) {
        const CommandList& list = family.Lists[i];
        Slot* slot = nullptr;
        switch (list.Group) {
        case CommandGroup::Own: slot = InRange(list.Type) ? &m_own[list.Type] : nullptr; break;
        case CommandGroup::Object: slot = &m_objectCommands; break;
        case CommandGroup::Control: slot = &m_controlCommands; break;
        }
        if (!slot) continue;
        slot->List = &list;
        slot->Family = &family;
    }
    Resolve();
}

void CommandTable::Resolve()
{
    std::vector<Slot*> slots = {&m_objectCommands, &m_controlCommands};
    for (Slot& slot : m_own) slots.push_back(&slot);
    std::map<const char*, const CommandEntry*, NameLess> built;
    for (const Slot* slot : slots)
        for (int i = 0; slot->List && i < slot->List->Count; ++i) {
            const CommandEntry& entry = slot->List->Entries[i];
            if (entry.Name && entry.Handler) built.emplace(entry.Name, &entry);
        }
    for (Slot* slot : slots) {
        slot->Entries.assign(slot->List ? size_t(slot->List->Count) : 0, nullptr);
        slot->First = slot->Entries.empty() ? 0 : slot->List->Entries[0].Number;
        for (size_t i = 0; i < slot->Entries.size(); ++i) {
            const CommandEntry* entry = &slot->List->Entries[i];
            if (!entry->Name) continue;
            if (!entry->Handler) {
                auto same = built.find(entry->Name);
                if (same != built.end()) entry = same->second;
            }
            slot->Entries[i] = entry;
        }
    }
}

const CommandEntry* CommandTable::FindObjectCommand(int command) const { return Find(m_objectCommands, command); }

const CommandEntry* CommandTable::FindControlCommand(int command) const { return Find(m_controlCommands, command); }
