#include "object_events.h"

CString RaiseEvent(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, int index,
                   const ArgumentBlock& parameters)
{
    if (runtime.m_releasing) return CString();
    return runtime.RunScript(&window, &object, index, &parameters);
}

CString RaiseEvent(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, int index,
                   std::initializer_list<CString> parameters)
{
    ArgumentBlock block;
    block.Texts.assign(parameters.begin(), parameters.end());
    return RaiseEvent(runtime, window, object, index, block);
}

CString RaiseEventWithNumbers(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, int index,
                              std::initializer_list<long long> numbers)
{
    ArgumentBlock block;
    for (long long number : numbers) {
        CString text;
        text.Format("%lld", number);
        block.Texts.push_back(text);
    }
    return RaiseEvent(runtime, window, object, index, block);
}
