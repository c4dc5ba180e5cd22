#include "compiled_arguments.h"

#include "decimal_text.h"
#include "project_model.h"
#include "script_compiler.h"
#include "stored_format.h"

namespace {

bool IsOperatorOrEnd(char c)
{
    return c == qbk::kArgEnd || c == qbk::kOpAdd || c == qbk::kOpSubtract || c == qbk::kOpMultiply ||
           c == qbk::kOpDivide || c == qbk::kOpJoin;
}

CompiledOperand CompileOperand(const char* bytes, int length)
{
    CompiledOperand operand;
    CString text(bytes, length);
    // Only an operand that begins with the marker is a reference.
    if (length > 0 && bytes[0] == qbk::kRefOpen) {
        operand.Reference = true;
        operand.Valid = ParseObjectReference(text, operand.WindowId, operand.ObjectId, operand.Command);
        if (operand.Valid) operand.Parameters = CompileArguments(text);
        return operand;
    }
    const double number = TextToDouble(text);
    operand.Literal = ScriptValue::Literal(text, number, IsWholeText(text, number));
    return operand;
}

}  // namespace

std::shared_ptr<const CompiledArguments> CompileArguments(const CString& text)
{
    auto compiled = std::make_shared<CompiledArguments>();
    compiled->Text = text;
    const char* data = text.GetString();
    const int length = text.GetLength();
    int start = 0;
    while (start < length) {
        CompiledArgument argument;
        int depth = 0;
        int operandStart = start;
        int i = start;
        bool ended = false;
        for (; i < length && !ended; ++i) {
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
            CompiledTerm term;
            term.Operand = CompileOperand(data + operandStart, i - operandStart);
            term.Operator = c;
            argument.Terms.push_back(std::move(term));
            operandStart = i + 1;
            ended = c == qbk::kArgEnd;
        }
        argument.End = ended ? i : length;
        start = argument.End;
        compiled->Arguments.push_back(std::move(argument));
    }
    return compiled;
}

bool ArgumentCursor::Next(CProjectRuntime& runtime, ScriptFrame& frame, ScriptValue& value)
{
    const ScriptValue* next = NextValue(runtime, frame, value);
    if (!next) {
        value.Empty();
        return false;
    }
    if (next != &value) value = *next;
    return true;
}

const ScriptValue* ArgumentCursor::NextValue(CProjectRuntime& runtime, ScriptFrame& frame, ScriptValue& storage)
{
    if (m_text) {
        if (m_text->IsEmpty()) return nullptr;
        // Bytes that each pull consumes: the first argument is compiled on its own.
        const std::shared_ptr<const CompiledArguments> first = CompileArguments(*m_text);
        const CompiledArgument& argument = first->Arguments.front();
        const CString rest = m_text->Mid(argument.End);
        const ScriptValue* value = runtime.EvaluateArgument(argument, frame, storage);
        if (value != &storage) storage = *value;  // the compiled bytes go with this call
        *m_text = rest;
        return &storage;
    }
    if (!m_compiled || m_next >= m_compiled->Arguments.size()) return nullptr;
    return runtime.EvaluateArgument(m_compiled->Arguments[m_next++], frame, storage);
}

CString& ArgumentCursor::Remaining()
{
    if (!m_text) {
        const int from = !m_compiled || m_next == 0 ? 0 : m_compiled->Arguments[m_next - 1].End;
        m_rest = m_compiled ? m_compiled->Text.Mid(from) : CString();
        m_text = &m_rest;
        m_compiled = nullptr;
    }
    return *m_text;
}
