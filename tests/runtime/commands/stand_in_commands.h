// Stand-in variable commands over the real command table.
#pragma once

#include "command_table.h"
#include "decimal_text.h"
#include "project_model.h"
#include "value_format.h"

// Stand-ins for the variable commands, so that tests and the benchmark can drive loops before
// the variable commands exist. NumberVariable (28): 2 set, 3 get, 4 add. LocalNumber (19): 2 set,
// 3 get (slot = rank among the window's local numbers). TextVariable (39): 2 set.
class StandInCommandTable : public CommandTable {
public:
    const CommandEntry* FindOwn(int type, int command) const override
    {
        static const CommandEntry number[] = {{"Set", Set}, {"Get", Get}, {"Add", Add}};
        static const CommandEntry local[] = {{"SetLocal", SetLocal}, {"GetLocal", GetLocal}};
        if (type == 28 && command >= 2 && command <= 4) return &number[command - 2];
        static const CommandEntry text = {"SetText", SetText};
        if (type == 19 && command >= 2 && command <= 3) return &local[command - 2];
        if (type == 39 && command == 2) return &text;
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
    static void SetText(CProjectRuntime& rt, WindowRecord&, ObjectRecord& o, CString& p, ScriptFrame& f)
    {
        o.TextList.RemoveAll();
        o.TextList.Add(Arg(rt, p, f));
    }
    static int Slot(WindowRecord& w, ObjectRecord& o)
    {
        int slot = 0;
        for (int i = 12; i < w.GetObjectCount() && w.Objects[i].get() != &o; ++i) slot += w.Objects[i]->Type == o.Type;
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
