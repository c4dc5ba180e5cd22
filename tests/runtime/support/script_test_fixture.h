// Loads a described project, compiles it, and runs its events with the script commands. A few
// stand-in variable commands (counters on NumberVariable objects and local numbers) let the tests
// drive loops before the variable commands exist.
#pragma once

#include "stored_project_fixture.h"
#include "stand_in_commands.h"

// Command words of the types the tests use.
constexpr const char* kScriptWords = R"(
commands Condition IF ELSE ENDIF
commands Loop WHILE WEND
commands WindowCall Call CallDeclared
commands Application Leave Next End Format Author Folder Name Path ToBinary Blue Char NewLine Code Clip Arguments FromBinary FromHex Green ToHex Param ParamCount Red WindowAt Return Color SetClip Wait
commands NumberVariable GetId GetName Set Get Add
commands LocalNumber GetId GetName SetLocal GetLocal
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

    CommandTable table_ = MakeStandInCommandTable();
};
