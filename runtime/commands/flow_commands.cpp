#include "flow_commands.h"

#include "command_context.h"
#include "command_table.h"
#include "decimal_text.h"
#include "stored_format.h"

namespace {

constexpr int kMaxCallArguments = 32;

// A number for comparisons: digits with at most one '.', an optional leading '-', and a text
// whose value is 0 only when it is exactly "0".
bool IsComparableNumber(const CString& text)
{
    if (text.IsEmpty()) return false;
    if (TextToDouble(text) == 0.0 && text != "0") return false;
    int points = 0;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char c = text[i];
        if (c == '.') {
            if (++points > 1) return false;
        } else if (c == '-') {
            if (i != 0) return false;
        } else if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

bool WindowIsOpen(const WindowRecord* window) { return window && window->Self() && window->Self()->WindowObject; }

int FindFunction(const WindowRecord& window, const CString& name)
{
    for (INT_PTR j = 0; j < window.FunctionNames.GetSize(); ++j)
        if (window.FunctionNames[j] == name) return int(j);
    return -1;
}

CString CallFunction(CProjectRuntime& runtime, WindowRecord& target, int function, const ArgumentBlock& block)
{
    ObjectRecord* calls = target.GetObjectAt(qbk::TypeWindowCall);
    return runtime.RunScript(&target, calls, function, &block);
}

}  // namespace

namespace {

// "1" or "0" for the order (below 0, 0, above 0) under the operator; "" for an unknown operator.
const char* Holds(int order, const CString& op)
{
    const char* o = op.GetString();
    bool holds;
    switch (op.GetLength() == 1 ? o[0] : op.GetLength() == 2 && o[1] == '=' ? o[0] + 256 : 0) {
    case '=': holds = order == 0; break;
    case '<': holds = order < 0; break;
    case '>': holds = order > 0; break;
    case '!' + 256: holds = order != 0; break;
    case '<' + 256: holds = order <= 0; break;
    case '>' + 256: holds = order >= 0; break;
    default: return "";
    }
    return holds ? "1" : "0";
}

int NumberOrder(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

}  // namespace

CString CompareValues(const CString& left, const CString& op, const CString& right)
{
    const int order = IsComparableNumber(left) && IsComparableNumber(right)
                          ? NumberOrder(TextToDouble(left), TextToDouble(right))
                          : left.Compare(right);
    return Holds(order, op);
}

namespace {

void Condition_Evaluate(CommandContext& ctx)
{
    ScriptValue leftStorage, opStorage, rightStorage;
    const ScriptValue& left = ctx.Value(leftStorage);
    const ScriptValue& op = ctx.Value(opStorage);
    const ScriptValue& right = ctx.Value(rightStorage);
    // Whole numbers are numbers to compare as they stand; other values are looked at as texts.
    if (left.IsWhole() && right.IsWhole()) {
        const char* holds = Holds(NumberOrder(left.Number(), right.Number()), op.Text());
        if (*holds) ctx.SetTruth(*holds == '1');
        return;
    }
    ctx.SetResult(CompareValues(left.Text(), op.Text(), right.Text()));
}

// A function of a window, by the window's name (empty: the instruction's own window).
void WindowCall_CallFunction(CommandContext& ctx)
{
    CProjectRuntime& runtime = ctx.Runtime();
    CString windowName = ctx.Text();
    const CString function = ctx.Text();
    if (windowName.IsEmpty()) windowName = ctx.Window().GetName();
    WindowRecord* target =
        windowName.IsEmpty() ? &ctx.Window() : runtime.FindWindowRecordById(runtime.FindWindowIdByName(windowName));
    if (!WindowIsOpen(target)) return;
    ArgumentBlock block;
    CString value;
    while (block.GetCount() < kMaxCallArguments && ctx.Next(value)) block.Texts.push_back(value);
    const int index = FindFunction(*target, function);
    if (index >= 0) ctx.SetResult(CallFunction(runtime, *target, index, block));
}

// A function that a nested project declares, by its declared name.
void WindowCall_CallDeclared(CommandContext& ctx)
{
    CProjectRuntime& runtime = ctx.Runtime();
    const DeclaredFunctions& declared = runtime.m_declaredFunctions;
    const CString name = ctx.Text();
    INT_PTR item = 0;
    while (item < declared.Names.GetSize() && declared.Names[item] != name) ++item;
    if (item >= declared.Names.GetSize() || item >= declared.Targets.GetSize()) return;
    const CString& targetText = declared.Targets[item];
    const int colon = targetText.Find(':');
    if (colon < 0) return;
    WindowRecord* target = runtime.FindWindowByName(targetText.Left(colon));
    if (!WindowIsOpen(target)) return;
    const int index = FindFunction(*target, targetText.Mid(colon + 1));
    if (index < 0) return;
    const INT_PTR wanted = size_t(item) < declared.Parameters.size() ? declared.Parameters[size_t(item)].GetSize() : 0;
    ArgumentBlock block;
    CString value;
    while (block.GetCount() < wanted && ctx.Next(value)) block.Texts.push_back(value);
    ctx.SetResult(CallFunction(runtime, *target, index, block));
}

constexpr CommandEntry kCondition[] = {
    {flow::kIf, "Condition_Evaluate", Condition_Evaluate},
    {flow::kElse, nullptr},  // the dispatcher's: on after the END-IF
    {flow::kEndIf, nullptr},
};
static_assert(NumbersOwnCommands(kCondition, qbk::TypeCondition, flow::kEndIf));

constexpr CommandEntry kLoop[] = {
    {flow::kLoopHead, "Condition_Evaluate", Condition_Evaluate},
    {flow::kLoopEnd, nullptr},  // the dispatcher's: back to the head
};
static_assert(NumbersOwnCommands(kLoop, qbk::TypeLoop, flow::kLoopEnd));

constexpr CommandEntry kWindowCall[] = {
    {0, "WindowCall_CallFunction", WindowCall_CallFunction},
    {1, "WindowCall_CallDeclared", WindowCall_CallDeclared},
};
static_assert(NumbersOwnCommands(kWindowCall, qbk::TypeWindowCall, 1));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeCondition, kCondition), OwnCommands(qbk::TypeLoop, kLoop),
                                  OwnCommands(qbk::TypeWindowCall, kWindowCall)};

}  // namespace

extern const CommandFamily kFlowFamily("Condition, Loop and WindowCall", kLists);
