// Everything one command handler works with: the runtime, the instruction's window and object, the
// cursor over the instruction's arguments, and the run's frame, whose result text is the handler's
// answer. A handler pulls its arguments first, in order, then acts, then writes its answer.
#pragma once

#include "compiled_arguments.h"
#include "fw_string.h"
#include "project_model.h"

class CommandContext {
public:
    // params is the handler's private copy of its argument bytes: pulling consumes it.
    CommandContext(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, CString& params,
                   ScriptFrame& frame)
        : m_runtime(runtime), m_window(window), m_object(object), m_ownArguments(params), m_arguments(m_ownArguments),
          m_frame(frame)
    {
    }
    // Over an instruction's compiled arguments.
    CommandContext(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, ArgumentCursor& arguments,
                   ScriptFrame& frame)
        : m_runtime(runtime), m_window(window), m_object(object), m_ownArguments(nullptr), m_arguments(arguments),
          m_frame(frame)
    {
    }
    CommandContext(const CommandContext&) = delete;
    CommandContext& operator=(const CommandContext&) = delete;

    CProjectRuntime& Runtime() const { return m_runtime; }
    // The window that holds the object (the instruction's window).
    WindowRecord& Window() const { return m_window; }
    // The object the command is sent to.
    ObjectRecord& Object() const { return m_object; }
    ScriptFrame& Frame() const { return m_frame; }
    // The object's window or control; null for objects without one.
    CWnd* Control() const { return m_object.WindowObject; }

    // ---- arguments, in order; one the instruction does not supply reads as "" (0 as a number)
    CString Text();
    int Int();  // leading decimal digits, as atoi reads them
    double Real();  // as atof reads it
    // The text with the number beside it, for a command that reads both; the second form without a
    // copy (the value lies in storage or in the instruction's arguments).
    ScriptValue Value();
    const ScriptValue& Value(ScriptValue& storage);
    // For a variable tail of arguments: false, and value empty, when none is left.
    bool Next(CString& value);
    // The arguments not pulled yet, for a command that hands them on to another (re-entry).
    CString& Remaining() const { return m_arguments.Remaining(); }

    // ---- the answer (the dispatcher has emptied it)
    const CString& Result() const { return m_frame.Result.Text(); }
    void SetResult(const CString& text) { m_frame.Result = text; }
    void SetInt(int value) { m_frame.Result.SetNumber(value); }  // "%d"
    void SetReal(double value) { m_frame.Result.SetNumber(value); }  // DoubleToString
    void SetTruth(bool value) { value ? m_frame.Result.SetWhole("1", 1) : m_frame.Result.SetWhole("0", 0); }

    // ---- other objects of the same window, by id; null when missing or of another type
    ObjectRecord* FindObject(int id) const;
    ObjectRecord* FindObject(int id, int type) const;

    // ---- the object's own part, kept by its type's family (see ObjectPart)
    template <class Part>
    Part* FindPart() const
    {
        return m_object.FindPart<Part>();
    }
    template <class Part>
    Part& EnsurePart()
    {
        return m_object.EnsurePart<Part>();
    }

private:
    CProjectRuntime& m_runtime;
    WindowRecord& m_window;
    ObjectRecord& m_object;
    ArgumentCursor m_ownArguments;  // over the bytes given, when they are
    ArgumentCursor& m_arguments;
    ScriptFrame& m_frame;
};
