// Loads a described project, compiles it, and runs its events with the script commands.
#pragma once

#include "command_families.h"
#include "command_table.h"
#include "stored_project_fixture.h"

// Command words of the types the tests use (a type's words number its commands from 0).
constexpr const char* kScriptWords = R"(
commands Condition IF ELSE ENDIF
commands Loop WHILE WEND
commands WindowCall Call CallDeclared
commands Application Leave Next End Format Author Folder Name Path ToBinary Blue Char NewLine Code Clip Arguments FromBinary FromHex Green ToHex Param ParamCount Red WindowAt Return Color SetClip Wait
commands Math Abs Acos Asin Atan BitAnd BinaryDigit DigitCount BitOr BitXor Cos Distance2D Distance3D Exp Angle Log Mod Pi InCircle InRect InTriangle Pow Random Round RoundDecimals Sin Sqrt Tan TowardX TowardY
commands Time Duration TickCount Day TickTime Hour Minute Month Second Milliseconds Year SetTime StartTimer StopTimer
commands ByteBuffer GetId GetName GetByte GetAddress GetSize LoadFile LoadFromStream LoadEmbedded SetByte Fill Resize
commands LocalNumber GetId GetName Add Increment Divide Get GetInt Multiply Set Subtract Decrement
commands LocalText GetId GetName Append FindChar Find Get GetCharAt GetLength Replace ReverseFindChar Set SetCharAt Split Mid MakeLower MakeUpper
commands DataStream GetId GetName Close SubtractKey AddKey GetLength GetPosition LoadFile CopyFrom LoadEmbedded Create ReadText ReadByte ReadToBuffer ReadChar ReadLine ReadUntil SaveFile CopyTo Seek WriteText WriteByte WriteBuffer WriteLine Append
commands NumberVariable GetId GetName Add Increment Divide Get GetInt Multiply Set Subtract Decrement
commands ArrayVariable GetId GetName Add Find Get GetCount GetInt Insert Move Shift Shuffle RemoveAt RemoveAll Set SetCount Sort Swap
commands ObjectReference GetId GetName Run GetWindowName GetObjectId SetTarget
commands ObjectList GetId GetName Add Run GetCount GetWindowName GetObjectId InsertAt Move Shift Shuffle RemoveAt RemoveAll SetAt SetCount Swap
commands TextVariable GetId GetName Append FindChar Find Get GetCharAt GetLength Replace ReverseFindChar Set SetCharAt Split Mid MakeLower MakeUpper
commands StringList GetId GetName Add IndexOf FindMatches GetAt GetCount InsertAt LoadFile LoadFromObject LoadEmbedded Move Shift Shuffle RemoveAt RemoveAll SetAt SetCount Sort Swap
commands Button GetId GetName
)";

class ScriptTest : public StoredProjectTest {
protected:
    void SetUp() override
    {
        StoredProjectTest::SetUp();
        runtime_.m_commandTable = &table_;
    }
    // Loads kScriptWords + description, compiles, and marks every window open.
    void Start(const std::string& description)
    {
        ASSERT_TRUE(Load(std::string(kScriptWords) + description));
        runtime_.CompileAllScripts();
        for (int w = 0; w < runtime_.GetWindowCount(); ++w)
            runtime_.GetWindowAt(w)->Self()->WindowObject = reinterpret_cast<CWnd*>(&runtime_);
    }
    void TearDown() override
    {
        for (int w = 0; w < runtime_.GetWindowCount(); ++w) runtime_.GetWindowAt(w)->Self()->WindowObject = nullptr;
        StoredProjectTest::TearDown();
    }
    // The text as a quoted literal of a description (a Windows path's backslashes escaped).
    static std::string Quote(const std::string& text)
    {
        std::string quoted = "\"";
        for (char c : text) {
            if (c == '\\' || c == '"') quoted += '\\';
            quoted += c;
        }
        return quoted + "\"";
    }
    // Runs event e of the named object (the window itself by default) of window W.
    CString Run(const char* windowName, int event, std::vector<CString> args = {}, const char* object = nullptr)
    {
        WindowRecord& window = Window(windowName);
        ObjectRecord* target =
            object ? CProjectRuntime::FindObjectById(&window, runtime_.FindObjectIdByName(window.Id, object))
                   : window.Self();
        ArgumentBlock block;
        block.Texts = args;
        return runtime_.RunScript(&window, target, event, &block);
    }
    // The value of one expression, through a function that returns it.
    CString Value(const std::string& expression)
    {
        Start("window MAIN\n  object Button b\n  object NumberVariable n\n  event 0\n    @n.Set(5)\n    "
              "@Application.Return(" +
              expression + ")\n");
        return Run("MAIN", 0);
    }

    CommandTable table_ = MakeScriptCommandTable();
};
