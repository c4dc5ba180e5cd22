// The command table binds every numbered command of every type.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "command_table.h"

namespace {

std::string NameOf(const CommandEntry* entry) { return entry ? entry->Name : "(none)"; }

TEST(CommandTableTest, EveryHandlerNameIsBoundOnce)
{
    const ScriptCommandTable& table = GetScriptCommandTable();
    std::set<std::string> names;
    for (int type = 0; type < 74; ++type)
        for (int command = 0; command < 100; ++command)
            if (const CommandEntry* entry = table.FindOwn(type, command)) names.insert(entry->Name);
    for (int command = 0; command < 31; ++command) {
        if (const CommandEntry* entry = table.FindObjectCommand(command)) names.insert(entry->Name);
        if (const CommandEntry* entry = table.FindControlCommand(command)) names.insert(entry->Name);
    }
    EXPECT_EQ(names.size(), 1033u);
}

TEST(CommandTableTest, SharedHandlersAndGaps)
{
    const ScriptCommandTable& table = GetScriptCommandTable();
    EXPECT_EQ(NameOf(table.FindOwn(67, 33)), "Slider_GetRange");
    EXPECT_EQ(NameOf(table.FindOwn(67, 34)), "Slider_GetRange");
    for (int gap : {32, 35, 37, 38}) EXPECT_EQ(table.FindOwn(67, gap), nullptr) << gap;
    EXPECT_EQ(table.FindOwn(55, 52), nullptr);
    EXPECT_EQ(table.FindOwn(32, 10), nullptr);
    EXPECT_EQ(NameOf(table.FindOwn(23, 9)), NameOf(table.FindOwn(22, 10)));
    EXPECT_EQ(NameOf(table.FindOwn(4, 21)), "FileDialog_Cmd5");
    EXPECT_EQ(NameOf(table.FindOwn(0, 0)), "Condition_Evaluate");
    EXPECT_EQ(NameOf(table.FindOwn(1, 0)), "Condition_Evaluate");
    EXPECT_EQ(table.FindOwn(0, 1), nullptr) << "ELSE is the dispatcher's";
    EXPECT_EQ(NameOf(table.FindOwn(5, 23)), "Application_Return");
    EXPECT_EQ(table.FindOwn(8, 1), nullptr);
    EXPECT_EQ(table.FindOwn(46, 31), nullptr);
    EXPECT_EQ(table.FindOwn(12, 1), nullptr) << "commands 0 and 1 are shared";
    EXPECT_EQ(NameOf(table.FindOwn(12, 2)), "ByteBuffer_GetByte");
    EXPECT_EQ(NameOf(table.FindOwn(73, 48)), "MediaPlayer_Cmd11");
    EXPECT_EQ(table.FindOwn(73, 49), nullptr);
    EXPECT_EQ(table.FindOwn(74, 0), nullptr);
    EXPECT_EQ(NameOf(table.FindObjectCommand(1)), "Object_GetName");
    EXPECT_EQ(NameOf(table.FindControlCommand(2)), "Control_Enable");
    EXPECT_EQ(NameOf(table.FindControlCommand(30)), "Control_ScreenToClientY");
    EXPECT_EQ(table.FindControlCommand(31), nullptr);
}

}  // namespace
