#include "project_model.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "file_helpers.h"
#include "stored_format.h"

CString WindowRecord::GetName() const
{
    const ObjectRecord* self = Self();
    return self ? self->Name : CString();
}

CString GetPropertyValue(const char* name, const CStringArray& list)
{
    if (!name) name = "";
    const int nameLength = int(std::strlen(name));
    for (INT_PTR i = 0; i < list.GetSize(); ++i) {
        const CString& entry = list[i];
        const int separator = entry.Find(char(qbk::kPropertySeparator));
        if (separator == nameLength && entry.Left(separator) == name) return entry.Mid(separator + 1);
    }
    return CString();
}

namespace {

// The smallest id from 0 upward that no element uses.
template <class Records>
int SmallestFreeId(const Records& records)
{
    std::vector<bool> used(records.size() + 1, false);
    for (const auto& record : records)
        if (record->Id >= 0 && size_t(record->Id) < used.size()) used[size_t(record->Id)] = true;
    return int(std::find(used.begin(), used.end(), false) - used.begin());
}

}  // namespace

CProjectRuntime::CProjectRuntime()
{
    for (int type = 0; type < qbk::kObjectTypeCount; ++type)
        m_eventCounts[type] = DWORD(qbk::ObjectTypeEventCount(type));
    m_embeddedFiles.makeTempFileName = &MakeTempFileName;
    SetHeaderDefaults();
}

CProjectRuntime::~CProjectRuntime()
{
    ResetProject();
    ReleaseProjectStorage();
}

void CProjectRuntime::SetHeaderDefaults()
{
    m_installFolder = "c:\\Program Files\\QBK Application\\";
    m_appName = "QBK Application";
    m_author = "MyName";
    m_registryKey = "MyCompany\\QBK Application";
    m_splash = 1;
}

void DeclaredFunctions::RemoveAll()
{
    Names.RemoveAll();
    Targets.RemoveAll();
    Extras.RemoveAll();
    Parameters.clear();
}

// ---- lookups ---------------------------------------------------------------------------------

bool CProjectRuntime::IsValidName(const char* name)
{
    if (!name || !*name) return false;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(name); *p; ++p) {
        const bool ok = (*p >= 'a' && *p <= 'z') || (*p >= 'A' && *p <= 'Z') || (*p >= '0' && *p <= '9') || *p == '_';
        if (!ok) return false;
    }
    return true;
}

WindowRecord* CProjectRuntime::FindWindowRecordById(int id) const
{
    for (const auto& window : m_windows)
        if (window->Id == id) return window.get();
    return nullptr;
}

int CProjectRuntime::IndexOfWindowId(int id) const
{
    for (size_t i = 0; i < m_windows.size(); ++i)
        if (m_windows[i]->Id == id) return int(i);
    return -1;
}

WindowRecord* CProjectRuntime::FindWindowByName(const char* name) const
{
    for (const auto& window : m_windows) {
        const ObjectRecord* self = window->Self();
        if (self && self->Name == (name ? name : "")) return window.get();
    }
    return nullptr;
}

WindowRecord* CProjectRuntime::FindWindowRecordByHandle(HWND handle) const
{
    if (!handle || !m_hooks.windowHandle) return nullptr;
    for (const auto& window : m_windows) {
        const ObjectRecord* self = window->Self();
        if (self && self->WindowObject && m_hooks.windowHandle(self->WindowObject) == handle) return window.get();
    }
    return nullptr;
}

int CProjectRuntime::FindWindowIdByName(const char* name) const
{
    if (!IsValidName(name)) return -1;
    const WindowRecord* window = FindWindowByName(name);
    return window ? window->Id : -3;
}

int CProjectRuntime::FindObjectIdByName(int windowId, const char* name) const
{
    if (!IsValidName(name)) return -1;
    const WindowRecord* window = FindWindowRecordById(windowId);
    if (!window) return -2;
    for (const auto& object : window->Objects)
        if (object->Name == name) return object->Id;
    return -3;
}

int CProjectRuntime::FindCommandNumber(int type, const char* word) const
{
    if (!IsValidName(word)) return -1;
    if (type < 0 || type >= qbk::kObjectTypeCount) return -2;
    const CStringArray& words = m_commandWords[type];
    for (INT_PTR i = 0; i < words.GetSize(); ++i)
        if (words[i] == word) return int(i);
    return -3;
}

ObjectRecord* CProjectRuntime::FindObjectByIds(int windowId, int objectId) const
{
    return FindObjectById(FindWindowRecordById(windowId), objectId);
}

ObjectRecord* CProjectRuntime::FindObjectById(const WindowRecord* window, int id)
{
    if (!window) return nullptr;
    for (const auto& object : window->Objects)
        if (object->Id == id) return object.get();
    return nullptr;
}

ObjectRecord* CProjectRuntime::FindObjectByNumber(const WindowRecord* window, double number)
{
    // Truncation toward zero is defined only for finite numbers inside the int range.
    if (!std::isfinite(number) || number <= double(INT32_MIN) - 1.0 || number >= double(INT32_MAX) + 1.0)
        return nullptr;
    return FindObjectById(window, int(number));
}

ObjectRecord* CProjectRuntime::FindObjectByHandle(const WindowRecord* window, HWND handle) const
{
    if (!window || !handle || !m_hooks.windowHandle) return nullptr;
    for (size_t i = qbk::kWindowObjectIndex; i < window->Objects.size(); ++i) {
        ObjectRecord* object = window->Objects[i].get();
        if (object->WindowObject && m_hooks.windowHandle(object->WindowObject) == handle) return object;
    }
    return nullptr;
}

int CProjectRuntime::IndexOfObjectId(int windowId, int objectId) const
{
    const WindowRecord* window = FindWindowRecordById(windowId);
    if (!window) return -1;
    for (size_t i = 0; i < window->Objects.size(); ++i)
        if (window->Objects[i]->Id == objectId) return int(i);
    return -1;
}

int CProjectRuntime::GetFreeWindowId() const { return SmallestFreeId(m_windows); }

int CProjectRuntime::GetFreeObjectId(int windowId) const
{
    const WindowRecord* window = FindWindowRecordById(windowId);
    return window ? SmallestFreeId(window->Objects) : -1;
}

int CProjectRuntime::FindForwardingIndex(CWnd* window) const
{
    auto it = std::find(m_forwardWindows.begin(), m_forwardWindows.end(), window);
    return it == m_forwardWindows.end() ? -1 : int(it - m_forwardWindows.begin());
}

int CProjectRuntime::CountInstructions(const CStringArray& texts, bool all)
{
    if (all) return int(texts.GetSize());
    int count = 0;
    for (INT_PTR i = 0; i < texts.GetSize(); ++i)
        if (texts[i].IsEmpty() || texts[i][0] != qbk::kRemarkMark) ++count;
    return count;
}

// ---- creation, copy, deletion ----------------------------------------------------------------

WindowRecord* CProjectRuntime::CreateWindowRecord()
{
    auto record = std::make_unique<WindowRecord>();
    record->Id = GetFreeWindowId();
    record->FunctionNames.SetSize(qbk::kFunctionCount);
    for (int i = 0; i < qbk::kFunctionCount; ++i) record->FunctionNames[i].Format("zzFunc%03d", i + 1);
    WindowRecord* window = record.get();
    m_windows.push_back(std::move(record));
    ++m_recordGeneration;
    for (int type = 0; type < qbk::kBuiltInObjectCount; ++type) CreateObjectRecord(window->Id, type);
    // Entry 3 is named "obj3" and a number that no other window's name uses.
    ObjectRecord* self = window->Self();
    for (int number = window->Id;; ++number) {
        CString candidate;
        candidate.Format("obj3%d", number);
        if (FindWindowIdByName(candidate) == -3) {
            self->Name = candidate;
            break;
        }
    }
    return window;
}

ObjectRecord* CProjectRuntime::CreateObjectRecord(int windowId, int type, int id)
{
    WindowRecord* window = FindWindowRecordById(windowId);
    if (!window) return nullptr;
    auto object = std::make_unique<ObjectRecord>();
    object->Id = id >= 0 ? id : SmallestFreeId(window->Objects);
    object->Type = type;
    object->Name.Format("obj%d", type);
    if (type == qbk::TypeWindow) {
        object->Left = object->Top = 0;
        object->Width = 520;
        object->Height = 340;
    }
    object->EventCount = qbk::ObjectTypeEventCount(type);
    object->EventScripts.resize(size_t(object->EventCount));
    window->Objects.push_back(std::move(object));
    ++m_recordGeneration;
    return window->Objects.back().get();
}

void CProjectRuntime::CopyObjectRecord(ObjectRecord& target, const ObjectRecord& source)
{
    // Window instances and object parts belong to one record: the copy gets none of its own
    // (objects are copied while the project is read, before any of them exists).
    target.CompileMark = source.CompileMark;
    target.MdiClient = source.MdiClient;
    target.HasMdiClient = source.HasMdiClient;
    target.Id = source.Id;
    target.Type = source.Type;
    target.Name = source.Name;
    target.Caption = source.Caption;
    target.Left = source.Left;
    target.Top = source.Top;
    target.Width = source.Width;
    target.Height = source.Height;
    target.Style = source.Style;
    target.ExStyle = source.ExStyle;
    target.Flags = source.Flags;
    target.ExtraStyle = source.ExtraStyle;
    target.UnusedNumber = source.UnusedNumber;
    target.Anchor = source.Anchor;
    target.BackColor = source.BackColor;
    target.TextColor = source.TextColor;
    target.HeaderText = source.HeaderText;
    target.Properties.Copy(source.Properties);
    target.Numbers = source.Numbers;
    target.TextList.Copy(source.TextList);
    target.NumberArray.Copy(source.NumberArray);
    target.EventCount = source.EventCount;
    target.EventScripts.clear();
    target.EventScripts.resize(source.EventScripts.size());
    for (size_t e = 0; e < source.EventScripts.size(); ++e) {
        target.EventScripts[e].Texts.Copy(source.EventScripts[e].Texts);
        target.EventScripts[e].Flag = source.EventScripts[e].Flag;
    }
}

void CProjectRuntime::CloneWindowRecord(const WindowRecord& source, WindowRecord& target)
{
    if (&source == &target) return;
    while (!target.Objects.empty())
        if (!DeleteObjectRecord(target.Id, target.Objects.back()->Id))
            target.Objects.pop_back();  // a target outside the window list
    target.LocalNumberCount = source.LocalNumberCount;
    target.LocalTextCount = source.LocalTextCount;
    target.Quiet = source.Quiet;
    target.OpenerId = source.OpenerId;
    target.CreationTime = source.CreationTime;
    target.FunctionNames.Copy(source.FunctionNames);
    for (const auto& object : source.Objects) {
        auto copy = std::make_unique<ObjectRecord>();
        CopyObjectRecord(*copy, *object);
        target.Objects.push_back(std::move(copy));
    }
}

void CProjectRuntime::DestroyObjectWindows(ObjectRecord& object)
{
    if ((object.WindowObject || object.SecondWindowObject) && m_hooks.destroyObjectWindows)
        m_hooks.destroyObjectWindows(object);
}

bool CProjectRuntime::DeleteObjectRecord(int windowId, int objectId)
{
    WindowRecord* window = FindWindowRecordById(windowId);
    const int index = window ? IndexOfObjectId(windowId, objectId) : -1;
    if (index < 0) return false;
    DeleteObjectAt(*window, size_t(index));
    return true;
}

void CProjectRuntime::RetireCompiledArguments(ObjectRecord& object)
{
    if (m_runningInstructions == 0) return;
    for (EventScript& script : object.EventScripts)
        for (Instruction& row : script.Rows)
            if (row.Arguments) m_retiredArguments.push_back(std::move(row.Arguments));
}

void CProjectRuntime::DeleteObjectAt(WindowRecord& window, size_t index)
{
    ObjectRecord& object = *window.Objects[index];
    RetireCompiledArguments(object);
    if (m_hooks.releaseObjectResources) m_hooks.releaseObjectResources(*this, object);
    object.Part.reset();
    if (object.WindowObject) {
        const int forward = FindForwardingIndex(object.WindowObject);
        if (forward >= 0) m_forwardWindows.erase(m_forwardWindows.begin() + forward);
    }
    DestroyObjectWindows(object);
    window.Objects.erase(window.Objects.begin() + std::ptrdiff_t(index));
    ++m_recordGeneration;
}

bool CProjectRuntime::DeleteWindowRecord(int windowId)
{
    const int index = IndexOfWindowId(windowId);
    if (index < 0) return false;
    WindowRecord& window = *m_windows[size_t(index)];
    while (!window.Objects.empty()) DeleteObjectAt(window, window.Objects.size() - 1);
    window.FunctionNames.RemoveAll();
    m_windows.erase(m_windows.begin() + index);
    ++m_recordGeneration;
    return true;
}

bool CProjectRuntime::ResetProject()
{
    for (const auto& window : m_windows)
        for (size_t i = 0; i < window->Objects.size(); ++i)
            if (i != size_t(qbk::kWindowObjectIndex)) DestroyObjectWindows(*window->Objects[i]);
    while (!m_windows.empty()) DeleteWindowRecord(m_windows.front()->Id);
    SetHeaderDefaults();
    m_declaredFunctions.RemoveAll();
    m_forwardWindows.clear();
    m_embeddedFiles.RemoveAll();
    // A second load must not number commands after the first one's words.
    for (CStringArray& words : m_commandWords) words.RemoveAll();
    ++m_recordGeneration;
    return true;
}

void CProjectRuntime::ReleaseProjectStorage()
{
    m_windows.clear();
    m_windows.shrink_to_fit();
    m_declaredFunctions.RemoveAll();
    m_declaredFunctions.Parameters.shrink_to_fit();
    m_forwardWindows.shrink_to_fit();
}
