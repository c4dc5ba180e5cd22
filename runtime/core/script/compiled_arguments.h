// An instruction's argument bytes split once into arguments, terms and operands, so that a run
// reads them without scanning the bytes again: literal operands carry their reading as a number,
// object references their ids and their own compiled arguments. Evaluating a compiled argument
// gives what evaluating its bytes gives (CProjectRuntime::EvaluateExpression).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "fw_string.h"
#include "script_value.h"

class CProjectRuntime;
struct CompiledArguments;
struct ObjectRecord;
struct ScriptFrame;
struct WindowRecord;

struct CompiledOperand {
    bool Reference = false;
    // A literal: its text and its reading. A reference: whether it is whole (the ids and number
    // readable), its ids and command, and its parameter bytes compiled.
    ScriptValue Literal;
    bool Valid = false;
    int WindowId = -1;
    int ObjectId = -1;
    int Command = 0;
    std::shared_ptr<const CompiledArguments> Parameters;
    // The records the ids named, and the record generation they were found in.
    mutable WindowRecord* Window = nullptr;
    mutable ObjectRecord* Object = nullptr;
    mutable uint32_t Generation = 0;
};

struct CompiledTerm {
    CompiledOperand Operand;
    char Operator = 0;  // the operator byte that ends the operand (the argument end included)
};

struct CompiledArgument {
    // The terms that an operator ends; an operand that the bytes end without one is no term.
    std::vector<CompiledTerm> Terms;
    int End = 0;  // where the next argument's bytes start
};

struct CompiledArguments {
    CString Text;  // the bytes as given
    std::vector<CompiledArgument> Arguments;
};

// Splits argument bytes; references nest, and bytes inside a reference are no operators.
std::shared_ptr<const CompiledArguments> CompileArguments(const CString& text);

// Where a handler stands in its arguments: compiled ones of an instruction, or bytes that each pull
// consumes (a handler's own parameter text).
class ArgumentCursor {
public:
    explicit ArgumentCursor(CString& text) : m_text(&text) {}
    explicit ArgumentCursor(const CompiledArguments* arguments) : m_compiled(arguments) {}
    ArgumentCursor(const ArgumentCursor&) = delete;
    ArgumentCursor& operator=(const ArgumentCursor&) = delete;

    // The next argument's value; false, and the value empty, when none is left.
    bool Next(CProjectRuntime& runtime, ScriptFrame& frame, ScriptValue& value);
    // The same without a copy: the value lies in storage or in the compiled arguments; null when
    // none is left.
    const ScriptValue* NextValue(CProjectRuntime& runtime, ScriptFrame& frame, ScriptValue& storage);
    // The bytes of the arguments not pulled yet; pulls then continue from these bytes.
    CString& Remaining();

private:
    const CompiledArguments* m_compiled = nullptr;
    size_t m_next = 0;
    CString* m_text = nullptr;
    CString m_rest;  // the remaining bytes of compiled arguments, once asked for
};
