#include "flow_commands.h"

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

CString CompareValues(const CString& left, const CString& op, const CString& right)
{
    int order;
    if (IsComparableNumber(left) && IsComparableNumber(right)) {
        const double a = TextToDouble(left), b = TextToDouble(right);
        order = a < b ? -1 : (a > b ? 1 : 0);
    } else {
        order = left.Compare(right);
    }
    bool holds;
    if (op == "=")
        holds = order == 0;
    else if (op == "!=")
        holds = order != 0;
    else if (op == "<")
        holds = order < 0;
    else if (op == ">")
        holds = order > 0;
    else if (op == "<=")
        holds = order <= 0;
    else if (op == ">=")
        holds = order >= 0;
    else
        return CString();
    return holds ? "1" : "0";
}

COMMAND_HANDLER(Condition_Evaluate)
{
    const CString left = ArgText(runtime, params, frame);
    const CString op = ArgText(runtime, params, frame);
    const CString right = ArgText(runtime, params, frame);
    frame.Result = CompareValues(left, op, right);
}

COMMAND_HANDLER(WindowCall_Cmd0)
{
    CString windowName = ArgText(runtime, params, frame);
    const CString function = ArgText(runtime, params, frame);
    if (windowName.IsEmpty()) windowName = window.GetName();
    WindowRecord* target =
        windowName.IsEmpty() ? &window : runtime.FindWindowRecordById(runtime.FindWindowIdByName(windowName));
    if (!WindowIsOpen(target)) return;
    ArgumentBlock block;
    CString value;
    while (block.GetCount() < kMaxCallArguments && runtime.EvaluateExpression(params, value, frame))
        block.Texts.push_back(value);
    const int index = FindFunction(*target, function);
    if (index >= 0) frame.Result = CallFunction(runtime, *target, index, block);
}

COMMAND_HANDLER(WindowCall_Cmd1)
{
    const CString name = ArgText(runtime, params, frame);
    const CStringArray& offered = runtime.m_nestedLists[0];
    INT_PTR item = 0;
    while (item < offered.GetSize() && offered[item] != name) ++item;
    if (item >= offered.GetSize() || item >= runtime.m_nestedLists[1].GetSize()) return;
    const CString& targetText = runtime.m_nestedLists[1][item];
    const int colon = targetText.Find(':');
    if (colon < 0) return;
    WindowRecord* target = runtime.FindWindowByName(targetText.Left(colon));
    if (!WindowIsOpen(target)) return;
    const int index = FindFunction(*target, targetText.Mid(colon + 1));
    if (index < 0) return;
    const INT_PTR wanted =
        size_t(item) < runtime.m_nestedParams.size() ? runtime.m_nestedParams[size_t(item)].GetSize() : 0;
    ArgumentBlock block;
    CString value;
    while (block.GetCount() < wanted && runtime.EvaluateExpression(params, value, frame)) block.Texts.push_back(value);
    frame.Result = CallFunction(runtime, *target, index, block);
}
