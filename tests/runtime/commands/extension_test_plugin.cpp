// A plug-in of our own for Extension objects. Built three times: the full plug-in, one whose
// CreateExtension refuses (REFUSE) and one without DestroyExtension or GetFunctionCount (BARE). Each
// writes what it is told to "plugin-log.txt" beside the program, with its own file's path, so
// that the test can see that it was told once and that its temporary file went.
#include <windows.h>

#include <cstdio>
#include <cstring>

#define EXPORT extern "C" __declspec(dllexport)

#if defined(REFUSE)
#define VARIANT "refuse"
#elif defined(BARE)
#define VARIANT "bare"
#else
#define VARIANT "full"
#endif

namespace {

char g_log[MAX_PATH];
char g_text[512];

void Log(const char* line)
{
    if (FILE* f = std::fopen(g_log, "a")) {
        std::fprintf(f, "%s %s\n", VARIANT, line);
        std::fclose(f);
    }
}

struct CallBlock {
    int Reserved;
    int Count;
    void** Arguments;
    const char* Text;
    double Number;
    int Type;
} __attribute__((packed));

int IntAt(CallBlock* b, int i) { return *static_cast<int*>(b->Arguments[i]); }
double DoubleAt(CallBlock* b, int i) { return *static_cast<double*>(b->Arguments[i]); }
const char* TextAt(CallBlock* b, int i) { return static_cast<const char*>(b->Arguments[i]); }

}  // namespace

EXPORT int CreateExtension(const char* programPath, HWND parent, HWND control, int windowId, int objectId)
{
    std::snprintf(g_log, sizeof g_log, "%s", programPath);
    if (char* slash = std::strrchr(g_log, '\\')) std::strcpy(slash + 1, "plugin-log.txt");
    char self[MAX_PATH] = "";
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&CreateExtension), &module);
    GetModuleFileNameA(module, self, MAX_PATH);
    char line[MAX_PATH + 64];
    std::snprintf(line, sizeof line, "create %d:%d %s %s", windowId, objectId,
                  GetParent(control) == parent ? "child" : "stranger", self);
    Log(line);
    SetWindowTextA(control, VARIANT);
#if defined(REFUSE)
    return 0;
#else
    return 1;
#endif
}

#if !defined(BARE)
EXPORT void DestroyExtension() { Log("destroy"); }
EXPORT int GetFunctionCount() { return 6; }
#endif

// Describe: int, double, text, (unknown), int. Add: int, int. Half: double. The others take none.
EXPORT int GetParamTypeFromString(const char* function, int index)
{
    static const struct {
        const char* name;
        int types[5];
    } kTypes[] = {{"Describe", {1, 2, 3, 9, 1}}, {"Add", {1, 1}}, {"Half", {2}}};
    for (const auto& entry : kTypes)
        if (std::strcmp(entry.name, function) == 0) return index < 5 ? entry.types[index] : 0;
    return 0;
}

EXPORT void QBK_Describe(CallBlock* b)
{
    std::snprintf(g_text, sizeof g_text, "%d:%d|%g|%s|%d", b->Count, IntAt(b, 0), DoubleAt(b, 1), TextAt(b, 2),
                  IntAt(b, 3));
    b->Text = g_text;
    b->Type = 1;
}
EXPORT void QBK_Add(CallBlock* b)
{
    b->Number = IntAt(b, 0) + IntAt(b, 1);
    b->Type = 0;
}
EXPORT void QBK_Half(CallBlock* b)
{
    b->Number = DoubleAt(b, 0) / 2;
    b->Type = 0;
}
EXPORT void QBK_NullText(CallBlock* b) { b->Type = 1; }
EXPORT void QBK_Silent(CallBlock* b) { b->Number = 5; }
// Its count and whether the array is there.
EXPORT void QBK_Count(CallBlock* b)
{
    b->Number = b->Count * 10 + (b->Arguments != nullptr);
    b->Type = 0;
}
// The longest name a plug-in function may have.
EXPORT void
QBK_LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL(
    CallBlock* b)
{
    b->Text = "long";
    b->Type = 1;
}
