#include "project_reader.h"

#include <cstring>

#include "decimal_text.h"
#include "fw_file.h"
#include "string_tokenizer.h"

namespace {

// The fewest stored bytes a record can take: every field holds at least its terminator.
constexpr uint64_t kMinWindowBytes = 1 + qbk::kFunctionCount;  // object count, function names
// name, type, caption, 12 numbers, header, "END" 0xA4 and its terminator, event count
constexpr uint64_t kMinObjectBytes = 1 + 1 + 1 + 12 + 1 + 5 + 1;
constexpr uint64_t kMinFileBytes = 3;  // type, name, size (or type and two fields)
constexpr uint64_t kMinFieldBytes = 1;

}  // namespace

ProjectStreamReader::ProjectStreamReader(CFile& file, uint64_t start, uint64_t end)
    : m_file(file), m_position(start), m_end(end < start ? start : end)
{
}

bool ProjectStreamReader::Fill()
{
    if (m_position >= m_end) return false;
    if (m_position >= m_bufferStart && m_position < m_bufferStart + m_bufferLength) return true;
    try {
        m_file.Seek(LONGLONG(m_position), CFile::begin);
        uint64_t wanted = m_end - m_position;
        if (wanted > sizeof m_buffer) wanted = sizeof m_buffer;
        m_bufferStart = m_position;
        m_bufferLength = m_file.Read(m_buffer, UINT(wanted));
    } catch (const CException&) {
        m_bufferLength = 0;
    }
    if (m_bufferLength == 0) {
        m_end = m_position;  // the file is shorter than it said
        return false;
    }
    return true;
}

bool ProjectStreamReader::ReadField(CString& out, BYTE terminator, BYTE key)
{
    out.Empty();
    while (Fill()) {
        const size_t offset = size_t(m_position - m_bufferStart);
        const BYTE* data = m_buffer + offset;
        const size_t available = m_bufferLength - offset;
        // Plain byte == terminator  <=>  stored byte == terminator + key.
        const BYTE stored = BYTE(terminator + key);
        const BYTE* hit = static_cast<const BYTE*>(std::memchr(data, stored, available));
        const size_t run = hit ? size_t(hit - data) : available;
        const int start = out.GetLength();
        out.Append(reinterpret_cast<const char*>(data), int(run));
        char* text = out.GetBuffer(out.GetLength());
        for (int i = start; i < start + int(run); ++i) text[i] = char(BYTE(text[i]) - key);
        out.ReleaseBuffer(start + int(run));
        m_position += run;
        if (hit) {
            ++m_position;
            if (terminator == 13) Skip(1);
            return true;
        }
    }
    return false;
}

bool ProjectStreamReader::ReadNumber(int32_t& out)
{
    CString text;
    if (!ReadField(text)) return false;
    out = TextToInt(text);
    return true;
}

bool ProjectStreamReader::Skip(uint64_t count)
{
    if (count > Remaining()) return false;
    m_position += count;
    return true;
}

// A count that the remaining bytes can hold, each item taking at least minimumBytesEach.
bool ProjectStreamReader::ReadCount(int32_t& out, uint64_t minimumBytesEach)
{
    if (!ReadNumber(out) || out < 0) return false;
    return uint64_t(out) * minimumBytesEach <= Remaining();
}

bool ProjectStreamReader::ReadProjectStream(CProjectRuntime& runtime, bool fullMode, int depth)
{
    CString field;
    if (!ReadField(field) || field != qbk::kProjectMagic) return false;
    if (fullMode) {
        for (int type = 0; type < qbk::kObjectTypeCount; ++type) {
            for (;;) {
                if (!ReadField(field)) return false;
                if (field == qbk::kListEnd) break;
                runtime.m_commandWords[type].Add(field);
            }
        }
        CString appName, author, splash;
        if (!ReadField(appName) || !ReadField(author) || !ReadField(splash)) return false;
        runtime.m_appName = appName;
        runtime.m_author = author;
        runtime.m_splash = splash == "1" ? 1 : 0;
    } else if (!ReadDeclaredFunctions(runtime)) {
        return false;
    }
    int32_t windowCount = 0;
    if (!ReadCount(windowCount, kMinWindowBytes)) return false;
    if (runtime.GetWindowCount() + int64_t(windowCount) > CProjectRuntime::kMaxWindows) return false;
    for (int32_t w = 0; w < windowCount; ++w)
        if (!ReadWindow(runtime, fullMode)) return false;
    return ReadFiles(runtime, depth);
}

bool ProjectStreamReader::ReadDeclaredFunctions(CProjectRuntime& runtime)
{
    DeclaredFunctions& declared = runtime.m_declaredFunctions;
    const INT_PTR firstNew = declared.Names.GetSize();
    CString field;
    CStringTokenizer tokenizer;
    const char separators[] = {char(qbk::kNestedListSeparator), '\0'};
    for (CStringArray* list : {&declared.Names, &declared.Targets, &declared.Extras}) {
        if (!ReadField(field)) return false;
        const int count = tokenizer.SplitText(field, separators, '"', 4);
        for (int i = 0; i < count; ++i) list->Add(tokenizer.GetAt(i));
    }
    for (INT_PTR item = firstNew; item < declared.Names.GetSize(); ++item) {
        if (!ReadField(field)) return false;
        CStringArray params;
        const int count = tokenizer.SplitText(field, separators, '"', 4);
        for (int i = 0; i < count; ++i) params.Add(tokenizer.GetAt(i));
        declared.Parameters.push_back(params);
    }
    // Keep one parameter list per offered function, whatever the lists held before.
    declared.Parameters.resize(size_t(declared.Names.GetSize()));
    return true;
}

bool ProjectStreamReader::ReadWindow(CProjectRuntime& runtime, bool fullMode)
{
    WindowRecord& window = *runtime.CreateWindowRecord();
    int32_t objectCount = 0;
    if (!ReadCount(objectCount, kMinObjectBytes)) return false;
    window.FunctionNames.SetSize(qbk::kFunctionCount);
    for (int f = 0; f < qbk::kFunctionCount; ++f)
        if (!ReadField(window.FunctionNames[f])) return false;
    for (int32_t i = 0; i < objectCount; ++i)
        if (!ReadObject(runtime, window, i)) return false;
    if (!fullMode) runtime.RebindWindowReferences(window);
    return true;
}

bool ProjectStreamReader::ReadObject(CProjectRuntime& runtime, WindowRecord& window, int index)
{
    CString name;
    int32_t type = 0;
    if (!ReadField(name) || !ReadNumber(type)) return false;
    ObjectRecord* object = nullptr;
    if (index < qbk::kBuiltInObjectCount) {
        object = window.GetObjectAt(index);  // the built-in entry keeps its own type
    } else {
        if (type < 0 || type >= qbk::kObjectTypeCount) return false;
        object = runtime.CreateObjectRecord(window.Id, type);
    }
    if (!object) return false;
    object->Name = name;
    int32_t numbers[12];
    if (!ReadField(object->Caption)) return false;
    for (int32_t& number : numbers)
        if (!ReadNumber(number)) return false;
    object->Left = numbers[0];
    object->Top = numbers[1];
    object->Width = numbers[2];
    object->Height = numbers[3];
    object->Style = DWORD(numbers[4]);
    object->ExStyle = DWORD(numbers[5]);
    object->Flags = DWORD(numbers[6]);
    object->ExtraStyle = DWORD(numbers[7]);
    object->UnusedNumber = numbers[8];
    object->Anchor = numbers[9];
    object->BackColor = numbers[10];
    object->TextColor = numbers[11];
    if (!ReadField(object->HeaderText)) return false;
    object->Properties.RemoveAll();
    CString entry;
    for (;;) {
        if (!ReadField(entry)) return false;
        if (entry == qbk::kPropertyListEnd) break;
        object->Properties.Add(entry);
    }
    int32_t eventCount = 0;
    if (!ReadCount(eventCount, kMinFieldBytes) || eventCount > object->EventCount) return false;
    object->Numbers.clear();
    object->TextList.RemoveAll();
    object->NumberArray.RemoveAll();
    for (int32_t e = 0; e < eventCount; ++e) {
        int32_t textCount = 0;
        if (!ReadCount(textCount, kMinFieldBytes)) return false;
        EventScript& script = object->EventScripts[size_t(e)];
        script.Flag = 0;
        script.Texts.RemoveAll();
        script.Texts.SetSize(textCount);
        for (int32_t t = 0; t < textCount; ++t)
            if (!ReadField(script.Texts[t])) return false;
    }
    return true;
}

bool ProjectStreamReader::ReadFiles(CProjectRuntime& runtime, int depth)
{
    int32_t fileCount = 0;
    if (!ReadCount(fileCount, kMinFileBytes)) return false;
    CString field;
    for (int32_t f = 0; f < fileCount; ++f) {
        int32_t type = 0;
        if (!ReadNumber(type)) return false;
        if (type == qbk::kNestedProjectFileType) {
            if (depth + 1 > CProjectRuntime::kMaxNestingDepth) return false;
            if (!ReadField(field) || !ReadField(field) || !ReadProjectStream(runtime, false, depth + 1)) return false;
            continue;
        }
        CString name;
        int32_t size = 0;
        if (!ReadField(name) || !ReadNumber(size) || size < 0) return false;
        const uint64_t offset = Position();
        if (!Skip(uint64_t(size)) || offset > UINT32_MAX) return false;
        EmbeddedFile& file = runtime.m_embeddedFiles.Add();
        file.Type = uint32_t(type);
        file.Name = name;
        file.Name.MakeLower();
        file.Offset = uint32_t(offset);
        file.Size = uint32_t(size);
    }
    return true;
}

// ---- the load as a whole -----------------------------------------------------------------------

bool CProjectRuntime::LoadProject(const char* programPath)
{
    if (!programPath || !*programPath) return false;
    CFile file;
    if (!file.Open(programPath, CFile::modeRead | CFile::typeBinary)) return false;
    ResetProject();
    m_programPath = programPath;
    int cut = m_programPath.ReverseFind('\\');
    if (cut < 0) cut = m_programPath.ReverseFind('/');
    m_programFolder = m_programPath.Left(cut + 1);
    const bool ok = ReadStoredProject(file);
    file.Abort();
    if (!ok) {
        ResetProject();
        return false;
    }
    ExtractEmbeddedFiles();
    return true;
}

bool CProjectRuntime::ReadStoredProject(CFile& file)
{
    try {
        const uint64_t size = file.GetLength();
        if (size < uint64_t(qbk::kTrailerSize)) return false;
        const uint64_t trailer = size - qbk::kTrailerSize;
        file.Seek(LONGLONG(trailer), CFile::begin);
        char digits[qbk::kTrailerDigits + 1] = {};
        if (file.Read(digits, qbk::kTrailerDigits) != UINT(qbk::kTrailerDigits)) return false;
        for (int i = 0; i < qbk::kTrailerDigits; ++i) digits[i] = char(BYTE(digits[i]) - qbk::kProjectKey);
        const int32_t offset = TextToInt(digits);
        if (offset < 0 || uint64_t(offset) > trailer) return false;
        ProjectStreamReader reader(file, uint64_t(offset), trailer);
        return reader.ReadProjectStream(*this, true) && ExpandWindowClones();
    } catch (const CException&) {
        return false;
    }
}

bool CProjectRuntime::ExpandWindowClones()
{
    const int sources = GetWindowCount();
    for (int i = 0; i < sources; ++i) {
        WindowRecord* source = GetWindowAt(i);
        const ObjectRecord* self = source->Self();
        if (!self) continue;
        const int32_t count = TextToInt(GetPropertyValue("Clone Count", self->Properties));
        if (count <= 0) continue;
        if (int64_t(GetWindowCount()) + count > kMaxWindows) return false;
        const CString name = self->Name;
        for (int32_t k = 0; k < count; ++k) {
            WindowRecord& clone = *CreateWindowRecord();
            CloneWindowRecord(*GetWindowAt(i), clone);
            CString cloneName;
            cloneName.Format("%s%d", name.GetString(), int(k));
            if (ObjectRecord* cloneSelf = clone.Self()) cloneSelf->Name = cloneName;
            RebindWindowReferences(clone);
        }
    }
    return true;
}
