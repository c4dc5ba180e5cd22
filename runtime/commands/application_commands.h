// The Application object's commands (type 5): formatting and conversions, colours, the run's
// parameters, project texts, the clipboard, the command line and a busy wait.
#pragma once

#include <cstdint>

#include "fw_string.h"

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
