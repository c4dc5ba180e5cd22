// Random instruction sequences over the script value objects (local numbers and texts, number,
// array and text variables, string lists, data streams, byte buffers, object references and lists,
// Math and Time): every command runs with random arguments (numbers at the edges, object ids, raw
// bytes with operators and references), through compiled arguments and through argument bytes.
// The sanitizers watch every step; where an argument holds no reference its compiled value must be
// the value its bytes give. Files are never named: the loads and saves are left out.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "byte_buffer_commands.h"
#include "command_families.h"
#include "command_table.h"
#include "compiled_arguments.h"
#include "data_stream_commands.h"
#include "project_model.h"

namespace {

struct Input {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    bool More() const { return at < size; }
    uint8_t Byte() { return at < size ? data[at++] : 0; }
};

const char* const kNumbers[] = {"0",    "1",   "2",  "3",          "-1",         "5",           "200",
                                "255",  "256", "-5", "65537",      "2147483647", "-2147483648", "1.5",
                                "-0.5", "1e3", "",   "4000000000", "0.1",        "12abc",       "x"};

// The commands each object type has (its last command number), and those that name files.
int LastCommand(int type)
{
    switch (type) {
    case qbk::TypeMath: return 28;
    case qbk::TypeTime: return 12;
    case qbk::TypeByteBuffer: return 10;
    case qbk::TypeLocalNumber: return 10;
    case qbk::TypeLocalText: return 15;
    case qbk::TypeDataStream: return 24;
    case qbk::TypeNumberVariable: return 10;
    case qbk::TypeArrayVariable: return 16;
    case qbk::TypeObjectReference: return 5;
    case qbk::TypeObjectList: return 15;
    case qbk::TypeTextVariable: return 15;
    case qbk::TypeStringList: return 19;
    default: return 1;
    }
}

bool NamesAFile(int type, int command)
{
    return (type == qbk::TypeDataStream && (command == 7 || command == 17)) ||
           (type == qbk::TypeByteBuffer && command == 5) || (type == qbk::TypeStringList && command == 8);
}

std::string Argument(Input& in, const WindowRecord& main, int depth);

// A reference to a command of an object of MAIN, with arguments of its own.
std::string Reference(Input& in, const WindowRecord& main, int depth)
{
    const ObjectRecord& object = *main.Objects[size_t(in.Byte()) % main.Objects.size()];
    int command = in.Byte() % (LastCommand(object.Type) + 1);
    if (NamesAFile(object.Type, command)) command = 0;
    std::string text = "\x01" + std::to_string(main.Id) + "\x02" + std::to_string(object.Id) + "\x03" +
                       std::to_string(command) + "\x04";
    const int count = in.Byte() % 3;
    for (int i = 0; i < count; ++i) text += Argument(in, main, depth + 1) + "\x05";
    return text + "\x06";
}

std::string Argument(Input& in, const WindowRecord& main, int depth)
{
    const uint8_t kind = in.Byte();
    switch (kind % 5) {
    case 0: return kNumbers[in.Byte() % (sizeof kNumbers / sizeof kNumbers[0])];
    case 1: return std::to_string(in.Byte() % (main.Objects.size() + 2));  // an object id, or none
    case 2: {
        std::string bytes;
        for (int n = in.Byte() % 12; n > 0 && in.More(); --n) bytes += char(in.Byte());
        return bytes;  // operators, stray reference bytes and all
    }
    case 3: return std::string("c") + std::to_string(in.Byte() % 30);  // a command word
    default:
        if (depth >= 3) return "7";
        // Operands joined by operators.
        return Reference(in, main, depth) + char("\x09\x0A\x0D\x0E\x0F"[in.Byte() % 5]) +
               kNumbers[in.Byte() % (sizeof kNumbers / sizeof kNumbers[0])];
    }
}

// Values of every argument, pulled one by one.
std::vector<std::string> Pull(CProjectRuntime& runtime, ArgumentCursor& cursor, ScriptFrame& frame)
{
    std::vector<std::string> values;
    ScriptValue value;
    while (cursor.Next(runtime, frame, value)) values.push_back(value.Str());
    return values;
}

// Growth that a script may ask for but a fuzz run need not wait for.
bool Large(const WindowRecord& window, const ScriptFrame& frame)
{
    for (const CString& text : frame.TextSlots)
        if (text.GetLength() > 100000) return true;
    for (const auto& object : window.Objects) {
        if (object->TextList.GetSize() > 100000 || object->NumberArray.GetSize() > 100000) return true;
        for (INT_PTR i = 0; i < object->TextList.GetSize(); ++i)
            if (object->TextList[i].GetLength() > 100000) return true;
        if (const CMemFile* stream = FindDataStream(object.get()); stream && stream->GetLength() > 1000000) return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const CommandTable table = MakeScriptCommandTable();
    CProjectRuntime runtime;
    runtime.m_commandTable = &table;
    for (int type = 0; type < qbk::kObjectTypeCount; ++type)
        for (int word = 0; word < 30; ++word)
            runtime.m_commandWords[type].Add(CString(("c" + std::to_string(word)).c_str()));
    WindowRecord& main = *runtime.CreateWindowRecord();
    WindowRecord& other = *runtime.CreateWindowRecord();
    main.Self()->Name = "MAIN";
    other.Self()->Name = "OTHER";
    for (int type :
         {qbk::TypeLocalNumber, qbk::TypeLocalNumber, qbk::TypeLocalText, qbk::TypeLocalText, qbk::TypeNumberVariable,
          qbk::TypeArrayVariable, qbk::TypeTextVariable, qbk::TypeStringList, qbk::TypeDataStream, qbk::TypeDataStream,
          qbk::TypeByteBuffer, qbk::TypeObjectReference, qbk::TypeObjectList})
        runtime.CreateObjectRecord(main.Id, type);
    runtime.CreateObjectRecord(other.Id, qbk::TypeLocalNumber);
    runtime.CreateObjectRecord(other.Id, qbk::TypeNumberVariable);
    main.LocalNumberCount = main.LocalTextCount = 2;
    // Open windows, as far as the commands look: a window object that is never used as one.
    main.Self()->WindowObject = other.Self()->WindowObject = reinterpret_cast<CWnd*>(&runtime);

    ScriptFrame frame;
    frame.NumberSlots.assign(2, 0.0);
    frame.TextSlots.resize(2);
    frame.Window = &main;
    Input in{data, size};
    while (in.More() && !Large(main, frame)) {
        const uint8_t pick = in.Byte();
        WindowRecord& window = pick & 0x80 ? other : main;
        ObjectRecord& object = *window.Objects[size_t(pick & 0x7F) % window.Objects.size()];
        const int command = in.Byte() % (LastCommand(object.Type) + 1);
        if (NamesAFile(object.Type, command)) continue;
        std::string params;
        for (int count = in.Byte() % 7; count > 0; --count) params += Argument(in, main, 0) + "\x05";
        const CString text(params.data(), int(params.size()));

        if (params.find('\x01') == std::string::npos) {
            // Without references, arguments have no effects: compiled and byte values must agree.
            CString bytes = text;
            ArgumentCursor byBytes(bytes);
            const std::shared_ptr<const CompiledArguments> compiled = CompileArguments(text);
            ArgumentCursor byCompiled(compiled.get());
            if (Pull(runtime, byBytes, frame) != Pull(runtime, byCompiled, frame)) __builtin_trap();
        }
        if (in.Byte() & 1) {
            CString bytes = text;
            runtime.DispatchObjectCommand(&window, &object, command, bytes, frame);
        } else {
            const std::shared_ptr<const CompiledArguments> compiled = CompileArguments(text);
            ArgumentCursor cursor(compiled.get());
            runtime.DispatchObjectCommand(&window, &object, command, cursor, frame);
        }
        frame.Result.Text();
    }
    main.Self()->WindowObject = other.Self()->WindowObject = nullptr;
    return 0;
}
