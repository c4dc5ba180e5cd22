// The Application object's commands (type 5): formatting and conversions, colours, the run's
// parameters, project texts, the clipboard, the command line and a busy wait.
#pragma once

#include <cstdint>

#include "command_args.h"

// What these commands need of the system; the Windows program installs the real ones.
struct ApplicationSystem {
    CString (*getClipboardText)() = nullptr;
    void (*setClipboardText)(const CString& text) = nullptr;
    CString (*getCommandLine)() = nullptr;
    // The window handle at a screen point, as a number; 0 when there is none.
    uint64_t (*windowFromPoint)(int x, int y) = nullptr;
    uint32_t (*milliseconds)() = nullptr;  // unset: a steady clock
};
ApplicationSystem& GetApplicationSystem();
#ifdef _WIN32
// Fills GetApplicationSystem() with the Windows services (qbkcommands_win).
void InstallApplicationSystem();
#endif

// printf-style formatting of numbers with only numeric conversions and "%%"; widths and
// precisions are capped and no conversion reads beyond the numbers given (it stays as written).
CString FormatNumbers(const CString& format, const double* numbers, int count);
// The arguments of a command line: what follows the program path (quoted or up to a blank).
CString CommandLineArguments(const CString& commandLine);

COMMAND_HANDLER(Application_Format);
COMMAND_HANDLER(Application_GetField4);  // the project's second name
COMMAND_HANDLER(Application_GetField5);  // the program folder
COMMAND_HANDLER(Application_GetField6);  // the application name
COMMAND_HANDLER(Application_GetField7);  // the program path
COMMAND_HANDLER(Application_IntToBinary);
COMMAND_HANDLER(Application_GetBlue);
COMMAND_HANDLER(Application_CharFromCode);
COMMAND_HANDLER(Application_Cmd11);  // CR LF
COMMAND_HANDLER(Application_CodeOfFirstChar);
COMMAND_HANDLER(Application_GetClipboardText);
COMMAND_HANDLER(Application_Cmd14);  // the command line's arguments
COMMAND_HANDLER(Application_BinaryToInt);
COMMAND_HANDLER(Application_HexToInt);
COMMAND_HANDLER(Application_GetGreen);
COMMAND_HANDLER(Application_IntToHex);
COMMAND_HANDLER(Application_GetParameter);
COMMAND_HANDLER(Application_Cmd20);  // the number of parameters
COMMAND_HANDLER(Application_GetRed);
COMMAND_HANDLER(Application_WindowFromPoint);
COMMAND_HANDLER(Application_Return);
COMMAND_HANDLER(Application_MakeColor);
COMMAND_HANDLER(Application_Cmd25);  // put a text on the clipboard
COMMAND_HANDLER(Application_Wait);
