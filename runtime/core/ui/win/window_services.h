// What the project windows' code offers to the rest of the runtime: opening a window, building the
// windows of its objects and its background, laying its objects out, moving the focus, and the
// window classes (Windows only).
#pragma once

#include "fw_types.h"
#include "project_model.h"

class CWnd;

// Registers the classes of project windows ("QUILLBRICK", "QUILLBRICKNOCLOSE") and the plain
// class "QUILLBRICKEMPTY".
void RegisterProjectWindowClass(HINSTANCE instance);
void RegisterNoCloseWindowClass(HINSTANCE instance);
ATOM RegisterEmptyWindowClass(HINSTANCE instance);
// A window class of the runtime: the program's icon, the arrow cursor and the system colour
// background as the brush.
ATOM RegisterClassOf(HINSTANCE instance, const char* name, UINT style, WNDPROC procedure,
                     int background = COLOR_BTNFACE);
// The hidden windows of the socket objects ("QUILLBRICKSOCKET"), which turn the sockets' notices
// into the objects' events.
ATOM RegisterSocketWindowClass(HINSTANCE instance);

// Opens the window of record windowId, hidden. parentId -1: a pop-up of its own; mode 0 a child
// and 1 a pop-up of an open parent; mode 2 or more: an MDI child inside the parent's MdiWindow
// object of that id. Nothing happens for an unknown or open window, or a missing MdiWindow object.
void CreateProjectWindow(CProjectRuntime& runtime, int windowId, int parentId, int mode);

// The window of one object (types 26 to 73), replacing the one it had.
void CreateObjectWindow(CProjectRuntime& runtime, int windowId, ObjectRecord& object, CWnd* parent);
// The window's background picture at its client size, from its colour and "Image".
void BuildWindowBackground(CProjectRuntime& runtime, WindowRecord* window);
// Places the window's anchored objects for its present client size.
void LayoutObjects(CProjectRuntime& runtime, WindowRecord& window);

// Gives the focus to the next tab-stop Button or EditBox after object, wrapping once.
void FocusNextTabObject(WindowRecord* window, ObjectRecord* object);
// Checks a radio button and unchecks the others of its group.
void CheckRadioInGroup(WindowRecord* window, ObjectRecord* object);

// The window handle of an object's window, or null.
HWND ObjectHandle(const ObjectRecord* object);
