// The in-memory project: the one runtime record, its windows, their objects, the objects'
// properties and event scripts, and the lookups by id, name and window handle. The stored-project
// reader fills it, the compiler adds compiled rows, everything else reads it.
//
// Platform-free: window instances are only held here (as pointers to the framework's window
// class); whatever needs the system to release them goes through ProjectPlatformHooks.
#pragma once

#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

#include "embedded_files.h"
#include "fw_array.h"
#include "fw_string.h"
#include "flow_code.h"
#include "object_types.h"
#include "script_frame.h"

#ifndef _WIN32
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
#endif

class ArgumentCursor;
class CWnd;
class CProjectRuntime;
struct CompiledArgument;
struct CompiledArguments;
class CommandTable;
struct ObjectRecord;
struct WindowRecord;

// One compiled instruction: run command Command with Params on Object of Window.
struct Instruction {
    WindowRecord* Window = nullptr;  // null: the row does nothing
    ObjectRecord* Object = nullptr;
    int Command = 0;
    CString Params;  // argument bytes, without the close byte
    std::shared_ptr<const CompiledArguments> Arguments;  // Params compiled
    // Where the run goes on after this row's jump (IF false, ELSE, loop head false, loop end, next,
    // leave), as found for the flow code JumpCode in the record generation JumpGeneration.
    int JumpCode = -1;
    int JumpTarget = -1;
    uint32_t JumpGeneration = 0;
    // The ids the text named, and the record generation the pointers were found in; a row whose
    // generation is old is looked up again before it runs (records may have been deleted).
    int WindowId = -1;
    int ObjectId = -1;
    uint32_t Generation = 0;
};

// One event of an object: instruction texts as stored, and the rows the compiler made of them.
struct EventScript {
    CStringArray Texts;
    BYTE Flag = 0;  // read as stored, not used
    std::vector<Instruction> Rows;

    int InstructionCount() const { return int(Rows.size()); }
};

// What one object type's family keeps for an object beyond the fields every object has: a
// socket's buffers, a grid, a MIDI player. The family makes it on first use (EnsurePart) and it is
// destroyed with the object; its destructor releases what it holds.
class ObjectPart {
public:
    virtual ~ObjectPart() = default;
};

struct ObjectRecord {
    CWnd* WindowObject = nullptr;  // the object's window or control (owned)
    CWnd* SecondWindowObject = nullptr;  // a second window some types own
    int CompileMark = -1;
    HWND MdiClient = nullptr;  // for a Window object: the MDI client it is a child of
    BYTE HasMdiClient = 0;  // the factory made an MDI client for an MdiWindow object
    int Id = 0;
    int Type = 0;
    CString Name;
    CString Caption = "New Object";
    int Left = 10, Top = 10, Width = 150, Height = 150;
    DWORD Style = 0x50000000;
    DWORD ExStyle = 0;
    DWORD Flags = 0;  // bit flags of the window code (a window's no-close class, a panel's edge type)
    DWORD ExtraStyle = 0;  // style bits of the type: a list view's extended style, a panel's edges
    int UnusedNumber = 0;  // stored with the header numbers; nothing reads it
    int Anchor = 0;  // how the object follows its window's size: 4 x horizontal rule + vertical rule
    int BackColor = -1;  // COLORREF; -1: the type's default colour
    int TextColor = -1;  // COLORREF; -1: the type's default colour
    CString HeaderText;  // the window's font: face 0xA4 point size
    CStringArray Properties;  // entries name 0xA4 value

    // Kept by the commands of the object's type, as their family says.
    std::vector<double> Numbers;
    CStringArray TextList;
    CArray<double, double> NumberArray;
    std::unique_ptr<ObjectPart> Part;  // the family's own state of this object, or none

    int EventCount = 0;
    std::vector<EventScript> EventScripts;

    template <class T>
    T* FindPart() const
    {
        static_assert(std::is_base_of<ObjectPart, T>::value, "an object's part derives from ObjectPart");
        return dynamic_cast<T*>(Part.get());
    }
    // The object's part of class T, made on first use (a part of another class is replaced).
    template <class T>
    T& EnsurePart()
    {
        T* part = FindPart<T>();
        if (!part) {
            auto made = std::make_unique<T>();
            part = made.get();
            Part = std::move(made);
        }
        return *part;
    }
};

struct WindowRecord {
    int Id = 0;
    std::vector<std::unique_ptr<ObjectRecord>> Objects;  // 0..11 built-in, 3 the window itself
    int LocalNumberCount = 0;
    int LocalTextCount = 0;
    BYTE Quiet = 0;
    int OpenerId = -1;
    DWORD CreationTime = 0;
    CStringArray FunctionNames;  // 100 entries

    int GetObjectCount() const { return int(Objects.size()); }
    ObjectRecord* GetObjectAt(int index) const
    {
        return index >= 0 && index < GetObjectCount() ? Objects[size_t(index)].get() : nullptr;
    }
    ObjectRecord* Self() const { return GetObjectAt(qbk::kWindowObjectIndex); }
    // The window's name: the name of its own object (entry 3).
    CString GetName() const;
};

// The value of the first entry "name" 0xA4 "value" whose name matches exactly; "" when none.
CString GetPropertyValue(const char* name, const CStringArray& list);

// What the model needs of the system; unset hooks do nothing.
struct ProjectPlatformHooks {
    // Destroys and deletes the object's window instances and clears the pointers.
    void (*destroyObjectWindows)(ObjectRecord& object) = nullptr;
    // Releases the system resources the object holds (libraries, sockets, GDI objects, fonts).
    void (*releaseObjectResources)(CProjectRuntime& runtime, ObjectRecord& object) = nullptr;
    // The handle of a window instance.
    HWND (*windowHandle)(CWnd* window) = nullptr;
    // Between two instructions of a window in quiet mode: lets one waiting message of the window
    // through when the window runs its quiet procedure.
    void (*pumpQuietMessage)(WindowRecord& window) = nullptr;
    // Sends WM_CLOSE to the open window of the record and answers the reply; -1 keeps it open.
    // Unset: no window is open.
    LONG_PTR (*closeWindow)(WindowRecord& window) = nullptr;
};

// Functions that nested projects offer to the project that carries them, at the same position in
// each list.
struct DeclaredFunctions {
    CStringArray Names;  // the offered names
    CStringArray Targets;  // "window:function" that runs for each name
    CStringArray Extras;  // a third list that nested projects carry; kept as read, nothing uses it
    std::vector<CStringArray> Parameters;  // the parameter names of each function

    void RemoveAll();
};

class CProjectRuntime {
public:
    static constexpr int kMaxNestingDepth = 8;
    static constexpr int kMaxWindows = 4096;

    CProjectRuntime();
    virtual ~CProjectRuntime();
    CProjectRuntime(const CProjectRuntime&) = delete;
    CProjectRuntime& operator=(const CProjectRuntime&) = delete;

    // ---- lookups (linear, first match) -------------------------------------------------------
    WindowRecord* FindWindowRecordById(int id) const;
    int IndexOfWindowId(int id) const;
    WindowRecord* FindWindowByName(const char* name) const;
    WindowRecord* FindWindowRecordByHandle(HWND handle) const;
    int FindWindowIdByName(const char* name) const;  // -1 invalid, -3 none
    int FindObjectIdByName(int windowId, const char* name) const;  // -1, -2 no window, -3
    int FindCommandNumber(int type, const char* word) const;  // -1, -2 bad type, -3
    ObjectRecord* FindObjectByIds(int windowId, int objectId) const;
    static ObjectRecord* FindObjectById(const WindowRecord* window, int id);
    static ObjectRecord* FindObjectByNumber(const WindowRecord* window, double number);
    ObjectRecord* FindObjectByHandle(const WindowRecord* window, HWND handle) const;
    int IndexOfObjectId(int windowId, int objectId) const;
    int GetFreeWindowId() const;
    int GetFreeObjectId(int windowId) const;
    int FindForwardingIndex(CWnd* window) const;
    static int CountInstructions(const CStringArray& texts, bool all);
    static bool IsValidName(const char* name);

    // ---- creation, copy, deletion ------------------------------------------------------------
    WindowRecord* CreateWindowRecord();
    // id -1: the smallest free id of the window (the reader, filling a fresh window in order,
    // passes each object's position, which is that id, and so stays linear).
    ObjectRecord* CreateObjectRecord(int windowId, int type, int id = -1);
    static void CopyObjectRecord(ObjectRecord& target, const ObjectRecord& source);
    void CloneWindowRecord(const WindowRecord& source, WindowRecord& target);
    bool DeleteObjectRecord(int windowId, int objectId);
    bool DeleteWindowRecord(int windowId);
    bool ResetProject();
    void ReleaseProjectStorage();

    // ---- stored project (project_reader.cpp) -------------------------------------------------
    bool LoadProject(const char* programPath);
    // Finds the stream through the trailer of file and reads it, clones expanded; on false the
    // model holds a partial project that the caller resets.
    bool ReadStoredProject(CFile& file);
    bool ExpandWindowClones();

    // ---- embedded files (embedded_files.cpp) -------------------------------------------------
    bool LoadEmbeddedFile(int index);
    int FindEmbeddedFile(const char* name);
    CMemFile* OpenEmbeddedFile(const char* name);
    bool ExtractEmbeddedFile(CMemFile* file, const char* path);
    void ExtractEmbeddedFiles();

    // ---- compiler (script_compiler.cpp) ------------------------------------------------------
    void CompileAllScripts();
    void CompileObjectScripts(WindowRecord& window, ObjectRecord& object);
    void FreeCompiledScripts();
    void RebindWindowReferences(WindowRecord& window);
    // Looks a row's records up again when records were made or deleted since it was compiled.
    void ResolveInstruction(Instruction& row);

    // ---- scripts (expression_evaluator.cpp, command_dispatcher.cpp, script_runner.cpp) --------
    static constexpr int kMaxRunDepth = 128;
    bool EvaluateExpression(CString& remaining, CString& result, ScriptFrame& frame);
    // The value of one compiled argument (compiled_arguments.h): in storage, or the argument's own
    // literal.
    const ScriptValue* EvaluateArgument(const CompiledArgument& argument, ScriptFrame& frame, ScriptValue& storage);
    FlowCode DispatchObjectCommand(WindowRecord* window, ObjectRecord* object, int command, CString& params,
                                   ScriptFrame& frame);
    FlowCode DispatchObjectCommand(WindowRecord* window, ObjectRecord* object, int command, ArgumentCursor& arguments,
                                   ScriptFrame& frame);
    FlowCode ExecuteInstruction(WindowRecord* window, ObjectRecord* object, int eventIndex, int row,
                                ScriptFrame& frame);
    CString RunScript(WindowRecord* window, ObjectRecord* object, int eventIndex,
                      const ArgumentBlock* arguments = nullptr);
    static int FindConditionBranch(const ObjectRecord& object, int eventIndex, int start);
    static int FindLoopEnd(const ObjectRecord& object, int eventIndex, int start);
    static int FindLoopHead(const ObjectRecord& object, int eventIndex, int start);
    int GetRunDepth() const { return m_runDepth; }
    // Where the run goes on after a jump of row (the scans above, kept with the row).
    int JumpTarget(ObjectRecord& object, int eventIndex, int row, FlowCode code);

    // ---- state -------------------------------------------------------------------------------
    int GetWindowCount() const { return int(m_windows.size()); }
    WindowRecord* GetWindowAt(int index) const
    {
        return index >= 0 && index < GetWindowCount() ? m_windows[size_t(index)].get() : nullptr;
    }
    uint32_t GetRecordGeneration() const { return m_recordGeneration; }

    HINSTANCE m_instance = nullptr;
    int m_colorDepth = 32;  // set by the start-up from the screen
    DWORD m_startTime = 0;
    BYTE m_running = 0;
    BYTE m_inMessageLoop = 0;
    BYTE m_releasing = 0;  // the project is being released: no script runs
    DWORD m_eventCounts[qbk::kObjectTypeCount];
    CStringArray m_commandWords[qbk::kObjectTypeCount];
    EmbeddedFileTable m_embeddedFiles;
    DeclaredFunctions m_declaredFunctions;
    std::vector<std::unique_ptr<WindowRecord>> m_windows;
    CString m_programPath;
    CString m_programFolder;  // the program path up to and including its last '\'
    CString m_appName;
    CString m_author;  // the project's second name
    CString m_installFolder;
    CString m_registryKey;
    BYTE m_splash = 1;  // show the start-up picture
    std::vector<CWnd*> m_forwardWindows;  // windows that see every message of the main loop

    ProjectPlatformHooks m_hooks;
    const CommandTable* m_commandTable = nullptr;  // the script commands; none: nothing runs

private:
    friend class ProjectStreamReader;
    void SetHeaderDefaults();
    void DestroyObjectWindows(ObjectRecord& object);
    void DeleteObjectAt(WindowRecord& window, size_t index);

    // Keeps an object's compiled arguments alive while scripts run: rows compiled again or deleted
    // in the middle of a run may still be read by the commands running from them.
    void RetireCompiledArguments(ObjectRecord& object);

    uint32_t m_recordGeneration = 1;
    int m_runDepth = 0;
    int m_runningInstructions = 0;
    std::vector<std::shared_ptr<const CompiledArguments>> m_retiredArguments;  // freed when none runs
    bool m_endingProgram = false;  // set by code 11 until the outermost run has returned
};
