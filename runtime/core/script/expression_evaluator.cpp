// One argument at a time: operands (literal texts and object references, which run a command),
// + - * / on numbers and & joining texts. Multiply and divide bind tighter: a run of operands
// joined by them is worked out on numbers first; the terms are then combined left to right.
#include "compiled_arguments.h"
#include "project_model.h"
#include "stored_format.h"

bool CProjectRuntime::EvaluateExpression(CString& remaining, CString& result, ScriptFrame& frame)
{
    ArgumentCursor cursor(remaining);
    ScriptValue value;
    const bool pulled = cursor.Next(*this, frame, value);
    result = value.TakeText();
    return pulled;
}

namespace {

bool IsHigh(char c) { return c == qbk::kOpMultiply || c == qbk::kOpDivide; }

}  // namespace

const ScriptValue* CProjectRuntime::EvaluateArgument(const CompiledArgument& argument, ScriptFrame& frame,
                                                     ScriptValue& result)
{
    // An operand's value: a literal is its own, a reference's is the answer of its command.
    ScriptValue answer;
    auto valueOf = [&](const CompiledOperand& source) -> const ScriptValue* {
        if (!source.Reference) return &source.Literal;
        answer.Empty();
        if (!source.Valid) return &answer;
        if (source.Generation != m_recordGeneration) {
            source.Window = FindWindowRecordById(source.WindowId);
            source.Object = FindObjectById(source.Window, source.ObjectId);
            source.Generation = m_recordGeneration;
        }
        if (source.Window && source.Object) {
            ArgumentCursor cursor(source.Parameters.get());
            DispatchObjectCommand(source.Window, source.Object, source.Command, cursor, frame);
            answer = std::move(frame.Result);
            frame.Result.Empty();
        }
        return &answer;
    };

    const std::vector<CompiledTerm>& terms = argument.Terms;
    // One operand is the whole argument's value.
    if (terms.size() == 1 && !IsHigh(terms[0].Operator)) {
        const ScriptValue* value = valueOf(terms[0].Operand);
        if (value != &answer) return value;
        result = std::move(answer);
        return &result;
    }

    result.Empty();
    // The chain of * and /: its first operand (its value while the chain has no operator) and its
    // number.
    ScriptValue chainFirst;
    double chainValue = 0.0;
    bool plain = true;
    char high = 0, low = 0;
    for (const CompiledTerm& term : terms) {
        const ScriptValue* operand = valueOf(term.Operand);
        if (high == 0) {
            chainValue = operand->Number();
            chainFirst = operand == &answer ? std::move(answer) : *operand;
        } else {
            chainValue = high == qbk::kOpMultiply ? chainValue * operand->Number() : chainValue / operand->Number();
            plain = false;
        }
        const char c = term.Operator;
        if (IsHigh(c)) {
            high = c;
            continue;
        }
        if (!plain) chainFirst.SetNumber(chainValue);
        if (low == 0)
            result = std::move(chainFirst);
        else if (low == qbk::kOpAdd)
            result.SetNumber(result.Number() + chainValue);
        else if (low == qbk::kOpSubtract)
            result.SetNumber(result.Number() - chainValue);
        else
            result = result.Text() + chainFirst.Text();  // a computed chain joins with its value
        chainValue = 0.0;
        plain = true;
        chainFirst.Empty();
        low = c;
        high = 0;
    }
    return &result;
}
