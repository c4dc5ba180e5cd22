// A project loaded into the test program itself with real project windows, for what only the
// program that runs a project can see: the handles it holds and the objects it has freed. Events
// run as the window procedure raises them; tests run the window's functions with Call.
#pragma once

#include <windows.h>

#include "command_families.h"
#include "project_run.h"
#include "runtime_app.h"
#include "stored_project_fixture.h"
#include "window_services.h"

class OpenProjectTest : public StoredProjectTest {
protected:
    void SetUp() override
    {
        StoredProjectTest::SetUp();
        runtime_.m_commandTable = &table_;
        runtime_.m_instance = GetModuleHandleA(nullptr);
        InstallWindowHooks(runtime_);
        static const bool registered = [] {
            RegisterProjectWindowClass(GetModuleHandleA(nullptr));
            RegisterNoCloseWindowClass(GetModuleHandleA(nullptr));
            return true;
        }();
        (void)registered;
    }
    void TearDown() override
    {
        for (int w = 0; w < runtime_.GetWindowCount(); ++w)
            if (const HWND open = ObjectHandle(runtime_.GetWindowAt(w)->Self())) DestroyWindow(open);
        runtime_.m_running = 0;
        StoredProjectTest::TearDown();
    }

    // Loads the description (with every type's command words) and opens the named window.
    HWND Open(const std::string& description, const char* window = "MAIN")
    {
        if (!Load(qbktest::DefaultCommandWords() + description)) return nullptr;
        runtime_.CompileAllScripts();
        runtime_.m_running = 1;
        CreateProjectWindow(runtime_, Window(window).Id, -1, 0);
        return ObjectHandle(Window(window).Self());
    }
    // Runs function f of window w (a "function" block of the description) and answers its result.
    CString Call(const char* w, int f)
    {
        WindowRecord& window = Window(w);
        return runtime_.RunScript(&window, window.GetObjectAt(qbk::TypeWindowCall), f);
    }
    HWND Control(const char* w, const char* object)
    {
        WindowRecord& window = Window(w);
        return ObjectHandle(CProjectRuntime::FindObjectById(&window, runtime_.FindObjectIdByName(window.Id, object)));
    }

    CommandTable table_ = MakeScriptCommandTable();
};
