// Loads a described project, compiles it, and runs its events with the script commands. A few
// stand-in variable commands (counters on NumberVariable objects and local numbers) let the tests
// drive loops before the variable commands exist.
#pragma once

#include "../core/stored_project_fixture.h"
#include "command_table.h"
#include "decimal_text.h"
#include "value_format.h"

// NumberVariable (28): 2 set, 3 get, 4 add. LocalNumber (19): 2 set, 3 get, slot = rank.
class TestCommandTable : public CommandTable {
public:
    const CommandEntry* FindOwn(int type, int command) const override
    {
        static const CommandEntry number[] = {{"Set", Set}, {"Get", Get}, {"Add", Add}};
        static const CommandEntry local[] = {{"SetLocal", SetLocal}, {"GetLocal", GetLocal}};
        if (type == 28 && command >= 2 && command <= 4)
            return &number[command - 2];
        if (type == 19 && command >= 2 && command <= 3)
            return &local[command - 2];
        return GetScriptCommandTable().FindOwn(type, command);
    }
    const CommandEntry* FindObjectCommand(int command) const override
    {
        return GetScriptCommandTable().FindObjectCommand(command);
    }
    const CommandEntry* FindControlCommand(int command) const override
    {
        return GetScriptCommandTable().FindControlCommand(command);
    }

private:
    static CString Arg(CProjectRuntime& runtime, CString& params, ScriptFrame& frame)
    {
        CString value;
        runtime.EvaluateExpression(params, value, frame);
        return value;
    }
    static void Set(CProjectRuntime& rt, WindowRecord&, ObjectRecord& o, CString& p, ScriptFrame& f)
    {
        o.Numbers.assign(1, TextToDouble(Arg(rt, p, f)));
    }
    static void Get(CProjectRuntime&, WindowRecord&, ObjectRecord& o, CString&, ScriptFrame& f)
    {
        f.Result = DoubleToString(o.Numbers.empty() ? 0.0 : o.Numbers[0]);
    }
    static void Add(CProjectRuntime& rt, WindowRecord&, ObjectRecord& o, CString& p, ScriptFrame& f)
    {
        const double value = TextToDouble(Arg(rt, p, f));
        o.Numbers.resize(1);
        o.Numbers[0] += value;
    }
    static int Slot(WindowRecord& w, ObjectRecord& o)
    {
        int slot = 0;
        for (int i = 12; i < w.GetObjectCount() && w.Objects[i].get() != &o; ++i)
            slot += w.Objects[i]->Type == o.Type;
        return slot;
    }
    static void SetLocal(CProjectRuntime& rt, WindowRecord& w, ObjectRecord& o, CString& p, ScriptFrame& f)
    {
        const double value = TextToDouble(Arg(rt, p, f));
        f.NumberSlots.at(size_t(Slot(w, o))) = value;
    }
    static void GetLocal(CProjectRuntime&, WindowRecord& w, ObjectRecord& o, CString&, ScriptFrame& f)
    {
        f.Result = DoubleToString(f.NumberSlots.at(size_t(Slot(w, o))));
    }
};

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
        for (int w = 0; w < runtime_.GetWindowCount(); ++w)
            runtime_.GetWindowAt(w)->Self()->WindowObject = nullptr;
        StoredProjectTest::TearDown();
    }
    // Runs event e of the named object (the window itself by default) of window W.
    CString Run(const char* windowName, int event, std::vector<CString> args = {}, const char* object = nullptr)
    {
        WindowRecord& window = Window(windowName);
        ObjectRecord* target = object ? CProjectRuntime::FindObjectById(&window, runtime_.FindObjectIdByName(window.Id, object))
                                      : window.Self();
        ArgumentBlock block;
        block.Texts = args;
        return runtime_.RunScript(&window, target, event, &block);
    }
    // The value of one expression, through a function that returns it.
    CString Value(const std::string& expression)
    {
        Start("window MAIN\n  object Button b\n  object NumberVariable n\n  event 0\n    @n.Set(5)\n    @Application.Return(" +
              expression + ")\n");
        return Run("MAIN", 0);
    }

    TestCommandTable table_;
};
