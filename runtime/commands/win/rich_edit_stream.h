// A rich edit control's text streamed in from and out to a file (a disk or memory file), as plain
// text (format 0) or rich text (any other format). A file that refuses a read or a write ends the
// stream, and the control is told what was really moved.
#pragma once

#include "fw_file.h"

#include <richedit.h>

DWORD CALLBACK RichEditStreamIn(DWORD_PTR file, LPBYTE buffer, LONG wanted, LONG* done);
DWORD CALLBACK RichEditStreamOut(DWORD_PTR file, LPBYTE buffer, LONG count, LONG* done);

// The control's text replaced by (or added at the selection from) the file; answers the stream's
// error (0 when none).
DWORD StreamIn(HWND control, CFile& file, int format);
// The control's text written at the file's position; answers the stream's error.
DWORD StreamOut(HWND control, CFile& file, int format);
