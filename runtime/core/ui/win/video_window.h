// The window class of VideoPlayer objects, "QUILLBRICKVIDEO": mouse buttons and keys become the
// object's events; the object's player may answer a message first (Escape out of full screen,
// the graph's notices).
#pragma once

#include "project_model.h"

// What the part of a VideoPlayer object answers for its window.
class VideoWindowHandler {
public:
    virtual ~VideoWindowHandler() = default;
    // True when the part handled the message: the window returns *result and does nothing more.
    virtual bool OnVideoMessage(CProjectRuntime& runtime, WindowRecord& window, ObjectRecord& object, UINT message,
                                WPARAM wParam, LPARAM lParam, LRESULT* result) = 0;
};

void RegisterVideoWindowClass(HINSTANCE instance, CProjectRuntime& runtime);
