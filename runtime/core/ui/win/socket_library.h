// The system's socket library, started for projects that hold network objects (Windows only).
#pragma once

// Version 1.1; true when it started.
bool StartSocketLibrary();
void StopSocketLibrary();
