// The project model: lookups, ids, default names, copies and deletion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "project_model.h"
#include "stored_format.h"

namespace {

class ProjectModelTest : public ::testing::Test {
protected:
    WindowRecord& NewWindow(const char* name)
    {
        WindowRecord& window = *runtime.CreateWindowRecord();
        window.Self()->Name = name;
        return window;
    }
    CProjectRuntime runtime;
};

TEST_F(ProjectModelTest, NewWindowHasBuiltInObjectsDefaultsAndFunctionNames)
{
    WindowRecord& window = *runtime.CreateWindowRecord();
    EXPECT_EQ(window.Id, 0);
    ASSERT_EQ(window.GetObjectCount(), 12);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(window.Objects[i]->Type, i);
        EXPECT_EQ(window.Objects[i]->Id, i);
    }
    EXPECT_EQ(window.GetName(), "obj30");
    EXPECT_EQ(window.Objects[4]->Name, "obj4");
    EXPECT_EQ(window.Objects[4]->Caption, "New Object");
    EXPECT_EQ(window.Self()->Width, 520);
    EXPECT_EQ(window.Self()->Height, 340);
    EXPECT_EQ(window.Objects[0]->Width, 150);
    EXPECT_EQ(window.Objects[0]->Style, 0x50000000u);
    EXPECT_EQ(window.Objects[0]->BackColor, -1);
    EXPECT_EQ(window.Objects[0]->TextColor, -1);
    EXPECT_EQ(window.Objects[2]->EventCount, 100);
    EXPECT_EQ(window.Self()->EventCount, 18);
    ASSERT_EQ(window.FunctionNames.GetSize(), 100);
    EXPECT_EQ(window.FunctionNames[0], "zzFunc001");
    EXPECT_EQ(window.FunctionNames[99], "zzFunc100");
    EXPECT_EQ(window.Quiet, 0);
}

TEST_F(ProjectModelTest, NewWindowTakesSmallestFreeIdAndAFreeName)
{
    for (int i = 0; i < 4; ++i) runtime.CreateWindowRecord();
    runtime.DeleteWindowRecord(2);  // ids 0, 1 and 3 remain
    runtime.FindWindowRecordById(3)->Self()->Name = "Other";
    WindowRecord& second = *runtime.CreateWindowRecord();
    EXPECT_EQ(second.Id, 2);
    EXPECT_EQ(second.GetName(), "obj32");
    runtime.DeleteWindowRecord(2);
    runtime.GetWindowAt(0)->Self()->Name = "obj32";
    WindowRecord& third = *runtime.CreateWindowRecord();
    EXPECT_EQ(third.Id, 2);
    EXPECT_EQ(third.GetName(), "obj33");
}

TEST_F(ProjectModelTest, NewObjectTakesSmallestFreeIdAndDefaults)
{
    WindowRecord& window = NewWindow("MAIN");
    ObjectRecord* button = runtime.CreateObjectRecord(window.Id, 46);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Id, 12);
    EXPECT_EQ(button->Name, "obj46");
    EXPECT_EQ(button->EventCount, 6);
    EXPECT_EQ(button->EventScripts.size(), 6u);
    ASSERT_TRUE(runtime.DeleteObjectRecord(window.Id, 5));
    EXPECT_EQ(runtime.CreateObjectRecord(window.Id, 28)->Id, 5);
    EXPECT_EQ(runtime.CreateObjectRecord(77, 28), nullptr);
    EXPECT_EQ(runtime.GetFreeObjectId(77), -1);
}

TEST_F(ProjectModelTest, NameLookupsAnswerInvalidMissingWindowAndNoMatch)
{
    WindowRecord& main = NewWindow("MAIN");
    runtime.CreateObjectRecord(main.Id, 46)->Name = "okButton";
    runtime.m_commandWords[46].Add("Click");
    runtime.m_commandWords[46].Add("Press_2");

    struct Case {
        const char* name;
        int window, object, command;
    } cases[] = {
        {"MAIN", 0, 3, -3},  // the window object bears the name
        {"okButton", -3, 12, -3},  {"Press_2", -3, -3, 1},
        {"main", -3, -3, -3},  // case counts
        {"ok Button", -1, -1, -1},  // blank
        {"ok-Button", -1, -1, -1},  // hyphen
        {"", -1, -1, -1},          {"\xC3\xA9t\xC3\xA9", -1, -1, -1},  // bytes above 0x7F
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(runtime.FindWindowIdByName(c.name), c.window);
        EXPECT_EQ(runtime.FindObjectIdByName(main.Id, c.name), c.object);
        EXPECT_EQ(runtime.FindCommandNumber(46, c.name), c.command);
    }
    EXPECT_EQ(runtime.FindObjectIdByName(9, "okButton"), -2);
    EXPECT_EQ(runtime.FindCommandNumber(74, "Click"), -2);
    EXPECT_EQ(runtime.FindCommandNumber(-1, "Click"), -2);
    EXPECT_EQ(runtime.FindCommandNumber(45, "Click"), -3);
    EXPECT_EQ(runtime.FindWindowByName("main"), nullptr);
    EXPECT_EQ(runtime.FindWindowByName("MAIN"), &main);
}

TEST_F(ProjectModelTest, ObjectByNumberTruncatesAndRefusesWhatIsNoId)
{
    WindowRecord& window = NewWindow("MAIN");
    EXPECT_EQ(CProjectRuntime::FindObjectByNumber(&window, 5.9), window.Objects[5].get());
    EXPECT_EQ(CProjectRuntime::FindObjectByNumber(&window, -0.5), window.Objects[0].get());
    const double inf = std::numeric_limits<double>::infinity();
    for (double bad : {std::nan(""), inf, -inf, 1e10, -1e10, 4294967296.0 + 3})
        EXPECT_EQ(CProjectRuntime::FindObjectByNumber(&window, bad), nullptr) << bad;
    EXPECT_EQ(CProjectRuntime::FindObjectByNumber(nullptr, 3), nullptr);
    EXPECT_EQ(runtime.FindObjectByIds(0, 3), window.Self());
    EXPECT_EQ(runtime.FindObjectByIds(1, 3), nullptr);
    EXPECT_EQ(runtime.IndexOfObjectId(0, 11), 11);
    EXPECT_EQ(runtime.IndexOfObjectId(0, 12), -1);
    EXPECT_EQ(runtime.IndexOfWindowId(0), 0);
    EXPECT_EQ(runtime.IndexOfWindowId(1), -1);
}

TEST_F(ProjectModelTest, PropertyValueIsEverythingAfterTheFirstSeparatorOfAnExactName)
{
    CStringArray list;
    list.Add("Plain entry without separator");
    list.Add("Image Mode\xA4Stretch");
    list.Add("Key\xA4value\xA4with separator");
    list.Add("Key\xA4second");
    list.Add("Button ToolTip 3\xA4tip");
    EXPECT_EQ(GetPropertyValue("Image Mode", list), "Stretch");
    EXPECT_EQ(GetPropertyValue("Key", list), "value\xA4with separator");
    EXPECT_EQ(GetPropertyValue("key", list), "");
    EXPECT_EQ(GetPropertyValue("Button ToolTip 3", list), "tip");
    EXPECT_EQ(GetPropertyValue("Plain entry without separator", list), "");
    EXPECT_EQ(GetPropertyValue("Image", list), "");
}

TEST_F(ProjectModelTest, CloneCopiesEveryObjectKeepingIdsAndItsOwnWindowId)
{
    WindowRecord& source = NewWindow("Page");
    ObjectRecord& edit = *runtime.CreateObjectRecord(source.Id, 51);
    edit.Name = "field";
    edit.Caption = "text";
    edit.Left = -4;
    edit.Style = 0x80000000u;
    edit.Properties.Add("A\xA4"
                        "1");
    edit.EventScripts[2].Texts.Add("instruction");
    edit.Numbers = {1.5, 2};
    source.FunctionNames.SetAt(7, "Helper");
    runtime.DeleteObjectRecord(source.Id, 12);
    ObjectRecord& later = *runtime.CreateObjectRecord(source.Id, 28);  // takes id 12 again
    ASSERT_EQ(later.Id, 12);
    runtime.CreateObjectRecord(source.Id, 40);

    WindowRecord& target = *runtime.CreateWindowRecord();
    runtime.CloneWindowRecord(source, target);
    EXPECT_EQ(target.Id, 1);
    ASSERT_EQ(target.GetObjectCount(), source.GetObjectCount());
    for (int i = 0; i < source.GetObjectCount(); ++i) {
        EXPECT_EQ(target.Objects[i]->Id, source.Objects[i]->Id);
        EXPECT_EQ(target.Objects[i]->Type, source.Objects[i]->Type);
        EXPECT_NE(target.Objects[i].get(), source.Objects[i].get());
    }
    EXPECT_EQ(target.GetName(), "Page");
    EXPECT_EQ(target.FunctionNames[7], "Helper");
    const ObjectRecord& copy = *CProjectRuntime::FindObjectById(&target, 12);
    EXPECT_EQ(copy.Type, 28);
    EXPECT_EQ(target.Objects[13]->Caption, "New Object");
    // Changing the copy leaves the source alone (deep copy).
    target.Objects[13]->Properties.Add("B\xA4"
                                       "2");
    EXPECT_EQ(source.Objects[13]->Properties.GetSize(), 0);
}

TEST_F(ProjectModelTest, CopyObjectRecordCopiesFieldsListsAndScriptTexts)
{
    WindowRecord& window = NewWindow("W");
    ObjectRecord& source = *runtime.CreateObjectRecord(window.Id, 46);
    source.Name = "b";
    source.Caption = "Go";
    source.Left = 1, source.Top = 2, source.Width = 3, source.Height = 4;
    source.ExStyle = 5, source.Flags = 6, source.ExtraStyle = 7;
    source.UnusedNumber = 8, source.Anchor = 9, source.BackColor = 10, source.TextColor = 11;
    source.HeaderText = "header";
    source.Properties.Add("P\xA4v");
    source.TextList.Add("t");
    source.NumberArray.Add(2.5);
    source.EventScripts[5].Texts.Add("x");
    ObjectRecord target;
    CProjectRuntime::CopyObjectRecord(target, source);
    EXPECT_EQ(target.Id, source.Id);
    EXPECT_EQ(target.Name, "b");
    EXPECT_EQ(target.Caption, "Go");
    EXPECT_EQ(target.Left + target.Top + target.Width + target.Height, 10);
    EXPECT_EQ(target.ExStyle + target.Flags + target.ExtraStyle, 18u);
    EXPECT_EQ(target.UnusedNumber + target.Anchor + target.BackColor + target.TextColor, 38);
    EXPECT_EQ(target.HeaderText, "header");
    EXPECT_EQ(target.Properties[0], "P\xA4v");
    EXPECT_EQ(target.TextList[0], "t");
    EXPECT_EQ(target.NumberArray[0], 2.5);
    ASSERT_EQ(target.EventScripts.size(), 6u);
    EXPECT_EQ(target.EventScripts[5].Texts[0], "x");
}

TEST_F(ProjectModelTest, DeletingMissingRecordsAnswersFalse)
{
    NewWindow("W");
    EXPECT_FALSE(runtime.DeleteObjectRecord(0, 40));
    EXPECT_FALSE(runtime.DeleteObjectRecord(3, 0));
    EXPECT_FALSE(runtime.DeleteWindowRecord(3));
    EXPECT_EQ(runtime.GetWindowAt(0)->GetObjectCount(), 12);
    EXPECT_TRUE(runtime.DeleteWindowRecord(0));
    EXPECT_EQ(runtime.GetWindowCount(), 0);
}

struct ReleasedObjects {
    static int resources;
    static int windows;
};
int ReleasedObjects::resources = 0;
int ReleasedObjects::windows = 0;

TEST_F(ProjectModelTest, DeletionReleasesThroughTheHooksAndLeavesTheForwardingList)
{
    ReleasedObjects::resources = ReleasedObjects::windows = 0;
    runtime.m_hooks.releaseObjectResources = [](CProjectRuntime&, ObjectRecord&) { ++ReleasedObjects::resources; };
    runtime.m_hooks.destroyObjectWindows = [](ObjectRecord& object) {
        ++ReleasedObjects::windows;
        object.WindowObject = nullptr;
    };
    WindowRecord& window = NewWindow("W");
    ObjectRecord& tip = *runtime.CreateObjectRecord(window.Id, 43);
    CWnd* fakeWindow = reinterpret_cast<CWnd*>(&tip);  // never dereferenced by the model
    tip.WindowObject = fakeWindow;
    runtime.m_forwardWindows.push_back(fakeWindow);
    EXPECT_EQ(runtime.FindForwardingIndex(fakeWindow), 0);
    ASSERT_TRUE(runtime.DeleteObjectRecord(window.Id, tip.Id));
    EXPECT_EQ(runtime.FindForwardingIndex(fakeWindow), -1);
    EXPECT_EQ(ReleasedObjects::resources, 1);
    EXPECT_EQ(ReleasedObjects::windows, 1);
    runtime.ResetProject();
    EXPECT_EQ(ReleasedObjects::resources, 13);
}

TEST_F(ProjectModelTest, ResetRestoresHeaderDefaults)
{
    runtime.m_appName = "Other";
    runtime.m_author = "Someone";
    runtime.m_splash = 0;
    runtime.m_declaredFunctions.Names.Add("f");
    runtime.m_declaredFunctions.Parameters.emplace_back();
    NewWindow("W");
    runtime.ResetProject();
    EXPECT_EQ(runtime.GetWindowCount(), 0);
    EXPECT_EQ(runtime.m_appName, "QBK Application");
    EXPECT_EQ(runtime.m_author, "MyName");
    EXPECT_EQ(runtime.m_installFolder, "c:\\Program Files\\QBK Application\\");
    EXPECT_EQ(runtime.m_registryKey, "MyCompany\\QBK Application");
    EXPECT_EQ(runtime.m_splash, 1);
    EXPECT_EQ(runtime.m_declaredFunctions.Names.GetSize(), 0);
    EXPECT_TRUE(runtime.m_declaredFunctions.Parameters.empty());
}

// A family's own state of an object: made on first use, kept, and gone with the object.
struct CountedPart : ObjectPart {
    static int alive;
    CountedPart() { ++alive; }
    ~CountedPart() override { --alive; }
    int value = 0;
};
int CountedPart::alive = 0;
struct OtherPart : ObjectPart {};

TEST_F(ProjectModelTest, ObjectPartsAreMadeOnFirstUseAndGoWithTheirObject)
{
    WindowRecord& window = NewWindow("W");
    ObjectRecord& socket = *runtime.CreateObjectRecord(window.Id, 26);
    EXPECT_EQ(socket.FindPart<CountedPart>(), nullptr);
    socket.EnsurePart<CountedPart>().value = 5;
    EXPECT_EQ(socket.EnsurePart<CountedPart>().value, 5) << "the same part the second time";
    EXPECT_EQ(CountedPart::alive, 1);
    EXPECT_EQ(socket.FindPart<OtherPart>(), nullptr) << "a part of another class is not this one";

    ObjectRecord copy;
    CProjectRuntime::CopyObjectRecord(copy, socket);
    EXPECT_EQ(copy.Part, nullptr) << "a copy does not share the part";

    ASSERT_TRUE(runtime.DeleteObjectRecord(window.Id, socket.Id));
    EXPECT_EQ(CountedPart::alive, 0);
    runtime.CreateObjectRecord(window.Id, 26)->EnsurePart<CountedPart>();
    runtime.ResetProject();
    EXPECT_EQ(CountedPart::alive, 0) << "the reset deletes every object with its part";
}

TEST_F(ProjectModelTest, CountInstructionsLeavesOutRemarksUnlessAllAreWanted)
{
    CStringArray texts;
    texts.Add("a");
    texts.Add("$ remark");
    texts.Add("");
    texts.Add("$");
    EXPECT_EQ(CProjectRuntime::CountInstructions(texts, true), 4);
    EXPECT_EQ(CProjectRuntime::CountInstructions(texts, false), 2);
}

}  // namespace
