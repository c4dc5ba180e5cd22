// The Application commands' system services on Windows: the clipboard, the command line, the
// window under a point and the millisecond clock; the Time commands' services with them.
#include "application_commands.h"
#include "clipboard_helpers.h"
#include "time_commands.h"

#include <mmsystem.h>

void InstallApplicationSystem()
{
    ApplicationSystem& system = GetApplicationSystem();
    system.getClipboardText = [] { return GetClipboardText(); };
    system.setClipboardText = [](const CString& text) { SetClipboardText(text); };
    system.getCommandLine = [] { return CString(GetCommandLineA()); };
    system.windowFromPoint = [](int x, int y) {
        POINT point = {x, y};
        return uint64_t(reinterpret_cast<uintptr_t>(WindowFromPoint(point)));
    };
    system.milliseconds = [] { return uint32_t(timeGetTime()); };
    InstallTimeSystem();
}
