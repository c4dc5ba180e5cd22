#include "project_run.h"

#include <atomic>
#include <cstdlib>

#include "command_families.h"
#include "project_description.h"
#include "project_stream_writer.h"

namespace qbktest {

namespace {

// A folder of its own under the test run's scratch folder.
std::string NewFolder()
{
    static std::atomic<int> counter{0};
    char name[64];
    std::snprintf(name, sizeof name, "qbkrun%lu_%d\\", GetCurrentProcessId(), counter++);
    const std::string folder = zvtest::TempDir() + name;
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

// The word of a command: its handler's name without the type ("Control_SetText" -> "SetText").
std::string WordOf(const CommandEntry* entry)
{
    if (!entry || !entry->Name) return std::string();
    const std::string name = entry->Name;
    const size_t cut = name.find('_');
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

// Words for the commands the dispatcher steers the run with, which have no handler of their own.
std::string FlowWord(int type, int number)
{
    static const char* const condition[] = {"If", "Else", "EndIf"};
    static const char* const loop[] = {"While", "EndWhile"};
    static const char* const application[] = {"LeaveLoop", "NextPass", "EndProgram"};
    if (type == qbk::TypeCondition && number < 3) return condition[number];
    if (type == qbk::TypeLoop && number < 2) return loop[number];
    if (type == qbk::TypeApplication && number < 3) return application[number];
    return std::string();
}

bool DescriptionNamesCommands(const std::string& description)
{
    size_t at = 0;
    while ((at = description.find("commands", at)) != std::string::npos) {
        const size_t lineStart = description.find_last_of('\n', at);
        const std::string before = description.substr(lineStart == std::string::npos ? 0 : lineStart + 1,
                                                      at - (lineStart == std::string::npos ? 0 : lineStart + 1));
        if (before.find_first_not_of(" \t") == std::string::npos) return true;
        at += 8;
    }
    return false;
}

struct ProcessWindows {
    DWORD Process;
    std::string Class, Title;
    HWND Found = nullptr;
};

bool Matches(HWND window, const ProcessWindows& wanted)
{
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != wanted.Process) return false;
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    if (!wanted.Class.empty() && wanted.Class != name) return false;
    return wanted.Title.empty() || ProjectRun::Text(window) == wanted.Title;
}

BOOL CALLBACK FindChild(HWND window, LPARAM data)
{
    auto* wanted = reinterpret_cast<ProcessWindows*>(data);
    if (!Matches(window, *wanted)) return TRUE;
    wanted->Found = window;
    return FALSE;
}

BOOL CALLBACK FindTopLevel(HWND window, LPARAM data)
{
    auto* wanted = reinterpret_cast<ProcessWindows*>(data);
    if (Matches(window, *wanted)) {
        wanted->Found = window;
        return FALSE;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == wanted->Process) EnumChildWindows(window, &FindChild, data);
    return wanted->Found ? FALSE : TRUE;
}

bool IsProjectClass(HWND window)
{
    char name[128] = "";
    GetClassNameA(window, name, sizeof name);
    return std::string(name) == "QUILLBRICK" || std::string(name) == "QUILLBRICKNOCLOSE";
}

}  // namespace

std::string DefaultCommandWords()
{
    const CommandTable& table = GetScriptCommandTable();
    std::string lines;
    for (int type = 0; type < qbk::kObjectTypeCount; ++type) {
        const CommandList* own = table.OwnList(type);
        int last = own ? qbk::FirstOwnCommand(type) + own->Count - 1 : -1;
        if (qbk::HasControlCommands(type))
            last = std::max(last, qbk::kLastControlCommand);
        else if (qbk::HasObjectCommands(type))
            last = std::max(last, qbk::kLastObjectCommand);
        if (last < 0) continue;
        lines += std::string("commands ") + qbk::ObjectTypeName(type);
        for (int number = 0; number <= last; ++number) {
            const CommandEntry* entry = table.FindOwn(type, number);
            if (!entry && number <= qbk::kLastObjectCommand && qbk::HasObjectCommands(type))
                entry = table.FindObjectCommand(number);
            else if (!entry && number <= qbk::kLastControlCommand && qbk::HasControlCommands(type))
                entry = table.FindControlCommand(number);
            std::string word = FlowWord(type, number);
            if (word.empty()) word = WordOf(entry);
            lines += " " + (word.empty() ? "Unused" + std::to_string(number) : word);
        }
        lines += "\n";
    }
    return lines;
}

std::string BmpFileHex(int width, int height, uint32_t (*colour)(int x, int y))
{
    const int rowBytes = (width * 3 + 3) & ~3;
    const uint32_t pixelBytes = uint32_t(rowBytes * height);
    std::string bytes;
    auto put = [&](uint32_t value, int count) {
        for (int i = 0; i < count; ++i) bytes += char((value >> (8 * i)) & 0xFF);
    };
    bytes += "BM";
    put(54 + pixelBytes, 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(uint32_t(width), 4);
    put(uint32_t(height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(pixelBytes, 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 8);
    for (int y = height - 1; y >= 0; --y) {  // bottom-up
        for (int x = 0; x < width; ++x) put(colour(x, y), 3);  // blue, green, red
        bytes.append(size_t(rowBytes - width * 3), '\0');
    }
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

ProjectRun::ProjectRun(const std::string& description, bool start)
{
    folder_ = NewFolder();
    program_ = folder_ + "project.exe";
    const std::string text = DescriptionNamesCommands(description) ? description : DefaultCommandWords() + description;
    plan_ = qbkw::ParseProjectDescription(text, folder_);
    qbkw::WriteWholeFile(program_, qbkw::AppendProject(qbkw::ReadWholeFile(QBK_PROGRAM_PATH), plan_));
    if (start) Start();
}

ProjectRun::~ProjectRun()
{
    if (process_.hProcess) {
        if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(process_.hProcess, 99);
            WaitForSingleObject(process_.hProcess, 5000);
        }
        CloseHandle(process_.hProcess);
        CloseHandle(process_.hThread);
    }
    zvtest::RemoveFolder(folder_);
}

bool ProjectRun::Start(const std::string& arguments)
{
    if (process_.hProcess) return false;
    std::string command = "\"" + program_ + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    return CreateProcessA(program_.c_str(), &command[0], nullptr, nullptr, FALSE, 0, nullptr, folder_.c_str(), &startup,
                          &process_) != 0;
}

const qbkw::WindowPlan* ProjectRun::WindowPlanOf(const std::string& name) const
{
    for (const qbkw::WindowPlan& window : plan_.windows)
        if (window.Self().name == name) return &window;
    return nullptr;
}

HWND ProjectRun::FindWindowOf(const std::string& className, const std::string& title) const
{
    ProcessWindows wanted{process_.dwProcessId, className, title};
    EnumWindows(&FindTopLevel, reinterpret_cast<LPARAM>(&wanted));
    return wanted.Found;
}

HWND ProjectRun::Window(const std::string& name, DWORD timeoutMs)
{
    const qbkw::WindowPlan* plan = WindowPlanOf(name);
    if (!plan) return nullptr;
    auto known = windows_.find(name);
    if (known != windows_.end() && IsWindow(known->second)) return known->second;
    HWND found = nullptr;
    zvtest::WaitFor(
        [&] {
            found = FindWindowOf("", plan->Self().caption);
            if (found && !IsProjectClass(found)) found = nullptr;
            return found && IsWindowVisible(found);
        },
        timeoutMs);
    if (found) windows_[name] = found;
    return found;
}

HWND ProjectRun::Control(const std::string& window, const std::string& object, DWORD timeoutMs)
{
    const qbkw::WindowPlan* plan = WindowPlanOf(window);
    const HWND parent = plan ? Window(window, timeoutMs) : nullptr;
    if (!parent) return nullptr;
    for (size_t id = 0; id < plan->objects.size(); ++id)
        if (plan->objects[id].name == object) return GetDlgItem(parent, int(id) + 3000);
    return nullptr;
}

std::string ProjectRun::Text(HWND window)
{
    char text[1024] = "";
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                        nullptr);
    return text;
}

RECT ProjectRun::PlaceInParent(HWND window)
{
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    return place;
}

bool ProjectRun::WaitForText(HWND window, const std::string& expected, DWORD timeoutMs) const
{
    return zvtest::WaitFor([&] { return Text(window) == expected; }, timeoutMs);
}

std::string ProjectRun::Answer(HWND window, int timerId, DWORD timeoutMs) const
{
    const std::string mark = std::to_string(timerId) + ":";
    PostMessageA(window, WM_TIMER, WPARAM(timerId), 0);
    std::string text;
    const bool answered = zvtest::WaitFor(
        [&] {
            text = Text(window);
            return text.compare(0, mark.size(), mark) == 0;
        },
        timeoutMs);
    return answered ? text.substr(mark.size()) : "?" + text;
}

int ProjectRun::WaitForExit(DWORD timeoutMs)
{
    if (!process_.hProcess || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return int(code);
}

bool ProjectRun::IsRunning() const
{
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void ProjectRun::BringToFront(HWND window)
{
    HWND top = GetAncestor(window, GA_ROOT);
    SetForegroundWindow(top);
    zvtest::WaitFor([&] { return GetForegroundWindow() == top; }, 2000);
}

bool ProjectRun::WaitForPixel(HWND window, int clientX, int clientY, uint32_t colour, DWORD timeoutMs)
{
    // Tests run side by side on one display: another program's window may come over this one
    // while it is waited for, so it is raised again before every look.
    return zvtest::WaitFor(
        [&] {
            BringToFront(window);
            const zvtest::Image shot = Capture(window);
            return clientX < shot.width && clientY < shot.height &&
                   zvtest::ColorNear(shot.At(clientX, clientY), colour);
        },
        timeoutMs);
}

void ProjectRun::ClickAt(HWND window, int clientX, int clientY, bool right)
{
    BringToFront(window);
    POINT point = {clientX, clientY};
    ClientToScreen(window, &point);
    zvtest::Click(point.x, point.y, right);
}

void ProjectRun::Click(HWND control, bool right)
{
    RECT client;
    GetClientRect(control, &client);
    ClickAt(control, client.right / 2, client.bottom / 2, right);
}

void ProjectRun::PressKey(HWND window, WORD virtualKey)
{
    BringToFront(window);
    zvtest::TapKey(virtualKey);
}

HWND ProjectRun::WaitForMessageBox(const std::string& caption, DWORD timeoutMs) const
{
    HWND box = nullptr;
    zvtest::WaitFor(
        [&] {
            box = FindWindowOf("#32770", caption);
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

std::vector<std::string> ProjectRun::ChildTexts(HWND box, const std::string& className)
{
    std::vector<std::string> texts;
    for (HWND child = box ? GetWindow(box, GW_CHILD) : nullptr; child; child = GetWindow(child, GW_HWNDNEXT)) {
        char name[32] = "";
        GetClassNameA(child, name, sizeof name);
        if (name == className && IsWindowVisible(child) && !Text(child).empty()) texts.push_back(Text(child));
    }
    return texts;
}

std::vector<std::string> ProjectRun::MessageBoxButtons(const std::string& caption, DWORD timeoutMs) const
{
    return ChildTexts(WaitForMessageBox(caption, timeoutMs), "Button");
}

std::string ProjectRun::AnswerMessageBox(const std::string& caption, DWORD timeoutMs, int button)
{
    const HWND box = WaitForMessageBox(caption, timeoutMs);
    if (!box) return std::string();
    const std::vector<std::string> texts = ChildTexts(box, "Static");
    PostMessageA(box, WM_COMMAND, WPARAM(button), 0);
    return texts.empty() ? std::string() : texts.back();
}

}  // namespace qbktest
