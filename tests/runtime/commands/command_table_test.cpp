// The command table: every type's commands numbered as compiled instructions and stored command
// words expect, each served by one family, handlers shared by name.
#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

#include "command_families.h"
#include "command_table.h"

namespace {

// The last own command of each type (-1: none), as projects number them.
constexpr int kLastOwnCommand[qbk::kObjectTypeCount] = {
    2,  1,  1,  68, 30, 26, 3,  28, 0,  24, 17, 12, 10, 15, 25, 9,  17, 17, 8,  10, 15, 24, 13, 13, 17,
    7,  4,  9,  10, 16, 41, 5,  15, 13, 5,  10, 20, 8,  11, 15, 19, 22, 6,  15, 14, 58, -1, 44, 32, 43,
    44, 51, 32, 69, -1, 60, 41, 70, 48, 41, 31, 45, 40, 43, 34, 65, 41, 41, 32, 40, 42, 40, 66, 48};

#ifdef _WIN32
constexpr bool kEveryFamily = true;
#else
constexpr bool kEveryFamily = false;  // the families that need Windows are not in this tree
#endif

std::string NameOf(const CommandEntry* entry) { return entry ? entry->Name : "(none)"; }

TEST(CommandTableTest, EveryTypeNumbersItsOwnCommandsFromItsGroup)
{
    const CommandTable& table = GetScriptCommandTable();
    for (int type = 0; type < qbk::kObjectTypeCount; ++type) {
        const CommandList* list = table.OwnList(type);
        if (!list) {
            EXPECT_TRUE(kLastOwnCommand[type] < 0 || !kEveryFamily) << qbk::ObjectTypeName(type) << " has no table";
            continue;
        }
        ASSERT_GT(list->Count, 0);
        EXPECT_EQ(list->Entries[0].Number, qbk::FirstOwnCommand(type)) << qbk::ObjectTypeName(type);
        EXPECT_EQ(list->Entries[list->Count - 1].Number, kLastOwnCommand[type]) << qbk::ObjectTypeName(type);
        for (int i = 0; i < list->Count; ++i) EXPECT_EQ(list->Entries[i].Number, list->Entries[0].Number + i);
        // The family is found from the type's name.
        EXPECT_NE(std::string(table.FamilyOf(type)->Name).find(qbk::ObjectTypeName(type)), std::string::npos)
            << table.FamilyOf(type)->Name;
    }
    EXPECT_NE(table.FindObjectCommand(1), nullptr);
    EXPECT_EQ(table.FindControlCommand(2) != nullptr, kEveryFamily);
}

TEST(CommandTableTest, HandlersAreNamedByTypeAndWhatTheyDo)
{
    const CommandTable& table = GetScriptCommandTable();
    std::set<std::string> names;
    const std::regex form("(Object|Control|Menu|Media|[A-Z][A-Za-z]+)_[A-Za-z][A-Za-z0-9]*");
    const std::regex numbered(".*_Cmd[0-9]+");
    auto check = [&](const CommandEntry* entry) {
        if (!entry) return;
        names.insert(entry->Name);
        EXPECT_TRUE(std::regex_match(entry->Name, form)) << entry->Name;
        EXPECT_FALSE(std::regex_match(entry->Name, numbered)) << entry->Name;
    };
    for (int type = 0; type < qbk::kObjectTypeCount; ++type)
        for (int command = 0; command <= 70; ++command) check(table.FindOwn(type, command));
    for (int command = 0; command <= qbk::kLastControlCommand; ++command) {
        check(table.FindObjectCommand(command));
        check(table.FindControlCommand(command));
    }
    if (kEveryFamily) {
        EXPECT_EQ(names.size(), 1037u);
    }
}

TEST(CommandTableTest, SharedHandlersAndGaps)
{
    const CommandTable& table = GetScriptCommandTable();
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeCondition, 0)), "Condition_Evaluate");
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeLoop, 0)), "Condition_Evaluate");
    EXPECT_EQ(table.FindOwn(qbk::TypeCondition, 1), nullptr) << "ELSE is the dispatcher's";
    EXPECT_EQ(table.FindOwn(qbk::TypeApplication, 2), nullptr);
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeApplication, 23)), "Application_Return");
    EXPECT_EQ(table.FindOwn(qbk::TypeMessageBox, 1), nullptr);
    EXPECT_EQ(table.FindOwn(qbk::TypeButton, 31), nullptr);
    EXPECT_EQ(table.FindOwn(qbk::TypeByteBuffer, 1), nullptr) << "commands 0 and 1 are shared";
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeByteBuffer, 2)), "ByteBuffer_GetByte");
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeObjectList, 4)), "ArrayVariable_GetCount");
    EXPECT_EQ(table.FindOwn(qbk::TypeObjectList, 16), nullptr);
    EXPECT_EQ(table.FindOwn(74, 0), nullptr);
    EXPECT_EQ(NameOf(table.FindObjectCommand(1)), "Object_GetName");
    EXPECT_EQ(table.FindObjectCommand(2), nullptr);
    if (!kEveryFamily) return;
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeSlider, 33)), "Slider_GetRange");
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeSlider, 34)), "Slider_GetRange");
    for (int gap : {32, 35, 37, 38}) EXPECT_EQ(table.FindOwn(qbk::TypeSlider, gap), nullptr) << gap;
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypePopupMenu, 9)), NameOf(table.FindOwn(qbk::TypeMenuBar, 10)));
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeFileSystem, 21)), NameOf(table.FindOwn(qbk::TypeFileDialog, 5)));
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeVideoPlayer, 48)), "Media_Stop");
    EXPECT_EQ(table.FindOwn(qbk::TypeVideoPlayer, 49), nullptr);
    EXPECT_EQ(NameOf(table.FindControlCommand(2)), "Control_Enable");
    EXPECT_EQ(NameOf(table.FindControlCommand(30)), "Control_ScreenToClientY");
    EXPECT_EQ(table.FindControlCommand(31), nullptr);
}

// Two small families: one builds a handler, the other names it in its own table.
int g_calls = 0;
void Tool_Count(CommandContext&) { ++g_calls; }
constexpr CommandEntry kBuilt[] = {{2, "Tool_Count", Tool_Count}, {3, "Tool_Later"}};
constexpr CommandList kBuiltLists[] = {OwnCommands(qbk::TypeByteBuffer, kBuilt)};
const CommandFamily kBuiltFamily("ByteBuffer", kBuiltLists);
constexpr CommandEntry kNaming[] = {{31, "Tool_Count"}, {32, "Tool_Later"}, {33, nullptr}};
constexpr CommandList kNamingLists[] = {OwnCommands(qbk::TypeListBox, kNaming)};
const CommandFamily kNamingFamily("ListBox", kNamingLists);

TEST(CommandTableTest, AHandlerWrittenOnceServesEveryTableThatNamesIt)
{
    CommandTable table;
    table.Add(kNamingFamily);
    ASSERT_NE(table.FindOwn(qbk::TypeListBox, 31), nullptr);
    EXPECT_EQ(table.FindOwn(qbk::TypeListBox, 31)->Handler, nullptr) << "not built anywhere yet";
    table.Add(kBuiltFamily);
    EXPECT_EQ(table.FindOwn(qbk::TypeListBox, 31)->Handler, &Tool_Count);
    EXPECT_EQ(table.FindOwn(qbk::TypeListBox, 32)->Handler, nullptr);
    EXPECT_EQ(table.FindOwn(qbk::TypeListBox, 33), nullptr);
    EXPECT_EQ(table.FamilyOf(qbk::TypeListBox), &kNamingFamily);
}

TEST(CommandTableTest, AFamilyAddedLaterTakesOverItsTypes)
{
    CommandTable table = MakeScriptCommandTable();
    table.Add(kBuiltFamily);
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeByteBuffer, 2)), "Tool_Count");
    EXPECT_EQ(table.FindOwn(qbk::TypeByteBuffer, 4), nullptr) << "the replaced table is gone whole";
    EXPECT_EQ(NameOf(table.FindOwn(qbk::TypeMath, 0)), "Math_Abs") << "other types keep theirs";
}

TEST(CommandTableTest, NoTwoBuiltHandlersShareAName)
{
    const CommandTable& table = GetScriptCommandTable();
    std::map<std::string, CommandHandler> handlers;
    auto check = [&](const CommandEntry* entry) {
        if (!entry || !entry->Handler) return;
        auto found = handlers.emplace(entry->Name, entry->Handler);
        EXPECT_EQ(found.first->second, entry->Handler) << entry->Name;
    };
    for (int type = 0; type < qbk::kObjectTypeCount; ++type)
        for (int command = 0; command <= 70; ++command) check(table.FindOwn(type, command));
    for (int command = 0; command <= qbk::kLastControlCommand; ++command) {
        check(table.FindObjectCommand(command));
        check(table.FindControlCommand(command));
    }
    EXPECT_FALSE(handlers.empty());
}

}  // namespace
