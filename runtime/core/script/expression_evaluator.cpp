// One argument at a time off the front of a parameter text: operands (literal texts and object
// references, which run a command), + - * / on numbers and & joining texts.
#include "decimal_text.h"
#include "project_model.h"
#include "script_compiler.h"
#include "stored_format.h"
#include "value_format.h"

namespace {

bool IsOperatorOrEnd(char c)
{
    return c == qbk::kArgEnd || c == qbk::kOpAdd || c == qbk::kOpSubtract || c == qbk::kOpMultiply ||
           c == qbk::kOpDivide || c == qbk::kOpJoin;
}

}  // namespace

bool CProjectRuntime::EvaluateExpression(CString& remaining, CString& result, ScriptFrame& frame)
{
    result.Empty();
    if (remaining.IsEmpty()) return false;
    // Chain of * and /: its first operand's text, its value, and whether it is still that text.
    CString operand, chainText;
    double chainValue = 0.0;
    bool plain = true;
    char high = 0, low = 0;
    int depth = 0;
    // The operand is the bytes from operandStart up to the operator that ends it.
    const char* data = remaining.GetString();
    const int length = remaining.GetLength();
    int operandStart = 0;
    for (int i = 0; i < length; ++i) {
        const char c = data[i];
        if (c == qbk::kRefOpen) {
            ++depth;
            continue;
        }
        if (c == qbk::kRefClose) {
            if (depth > 0) --depth;  // a stray closer does not take the depth below 0
            continue;
        }
        if (!IsOperatorOrEnd(c) || depth != 0) continue;
        operand = CString(data + operandStart, i - operandStart);
        // Only an operand that begins with the marker is a reference.
        if (!operand.IsEmpty() && operand[0] == qbk::kRefOpen) {
            int windowId, objectId, number;
            ParseObjectReference(operand, windowId, objectId, number);
            WindowRecord* window = FindWindowRecordById(windowId);
            ObjectRecord* object = FindObjectById(window, objectId);
            if (window && object) {
                DispatchObjectCommand(window, object, number, operand, frame);
                operand = frame.Result;
                frame.Result.Empty();
            } else {
                operand.Empty();
            }
        }
        if (high == 0) {
            chainValue = TextToDouble(operand);
            chainText = operand;
        } else {
            const double value = TextToDouble(operand);
            chainValue = high == qbk::kOpMultiply ? chainValue * value : chainValue / value;
            plain = false;
        }
        if (c == qbk::kOpMultiply || c == qbk::kOpDivide) {
            high = c;
        } else {
            const CString chain = plain ? chainText : DoubleToString(chainValue);
            if (low == 0)
                result = chain;
            else if (low == qbk::kOpAdd)
                result = DoubleToString(TextToDouble(result) + chainValue);
            else if (low == qbk::kOpSubtract)
                result = DoubleToString(TextToDouble(result) - chainValue);
            else
                result += chain;  // a computed chain joins with its value
            chainValue = 0.0;
            plain = true;
            chainText.Empty();
            low = c;
            high = 0;
            if (c == qbk::kArgEnd) {
                remaining = remaining.Mid(i + 1);
                return true;
            }
        }
        operandStart = i + 1;
    }
    remaining.Empty();
    return true;
}
