// Edit boxes (type 51) and rich edit controls (type 65): clipboard and undo, selection, lines and
// limits, the text loaded from and saved to files, data streams and embedded files, searching,
// and (rich edit) character formats and streams of plain or rich text.
#include "command_table.h"
#include "control_message.h"
#include "data_stream_commands.h"
#include "font_helpers.h"
#include "font_object.h"
#include "rich_edit_stream.h"

#include <richedit.h>

#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace {

LRESULT Send(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(control, message, wParam, lParam);
}

// Answers the control's reply to a message without arguments; `none` without a control.
void AnswerReply(CommandContext& ctx, UINT message, int none)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? int(Send(control, message)) : none);
}

// The first character of a line, -1 for a line the control does not have (a negative line would
// name the caret's line).
int LineStart(HWND control, int line) { return line < 0 ? -1 : int(Send(control, EM_LINEINDEX, WPARAM(line))); }

// Bytes up to the first zero byte, as a text.
CString TextUpToZero(const char* bytes, size_t size)
{
    size_t length = 0;
    while (length < size && bytes[length] != 0) ++length;
    return CString(bytes, int(length));
}

CString TextUpToZero(const std::vector<char>& bytes) { return TextUpToZero(bytes.data(), bytes.size()); }

// A DataStream object's stream; null for another object or one without a stream.
CMemFile* StreamObject(CommandContext& ctx, int id) { return FindDataStream(ctx.FindObject(id)); }

// A DataStream object's stream replaced by a new, empty one; null for another object.
CMemFile* EmptiedStreamObject(CommandContext& ctx, int id)
{
    ObjectRecord* object = ctx.FindObject(id, qbk::TypeDataStream);
    return object ? &NewDataStream(*object) : nullptr;
}

// The whole of a file from its start; empty when it cannot be read.
std::vector<char> ReadWhole(CFile& file)
{
    std::vector<char> bytes;
    try {
        bytes.resize(size_t(file.GetLength()));
        file.SeekToBegin();
        bytes.resize(file.Read(bytes.data(), UINT(bytes.size())));
    } catch (const CException&) {
        bytes.clear();
    }
    return bytes;
}

void EditBox_Clear(CommandContext& ctx) { SendToControl(ctx, WM_CLEAR); }

void EditBox_Copy(CommandContext& ctx) { SendToControl(ctx, WM_COPY); }

void EditBox_Cut(CommandContext& ctx) { SendToControl(ctx, WM_CUT); }

void EditBox_Paste(CommandContext& ctx) { SendToControl(ctx, WM_PASTE); }

void EditBox_Undo(CommandContext& ctx) { SendToControl(ctx, EM_UNDO); }

void RichEdit_Redo(CommandContext& ctx) { SendToControl(ctx, EM_REDO); }

void EditBox_GetSelEnd(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    DWORD start = 0, end = 0;
    if (control) Send(control, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    ctx.SetInt(control ? int(end) : -1);
}

void EditBox_GetSelStart(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    DWORD start = 0, end = 0;
    if (control) Send(control, EM_GETSEL, WPARAM(&start), LPARAM(&end));
    ctx.SetInt(control ? int(start) : -1);
}

void EditBox_GetFirstVisibleLine(CommandContext& ctx) { AnswerReply(ctx, EM_GETFIRSTVISIBLELINE, -1); }

void EditBox_GetLimitText(CommandContext& ctx) { AnswerReply(ctx, EM_GETLIMITTEXT, -1); }

void EditBox_GetLineCount(CommandContext& ctx) { AnswerReply(ctx, EM_GETLINECOUNT, -1); }

// A line's text without its end; "" for a line the control does not have.
void EditBox_GetLine(CommandContext& ctx)
{
    const int line = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    const int start = LineStart(control, line);
    if (start < 0) return;
    const int length = int(Send(control, EM_LINELENGTH, WPARAM(start)));
    if (length <= 0) return;
    // The buffer's first word tells the control its size.
    std::vector<char> buffer(size_t(std::max(length, 2)) + 1, 0);
    *reinterpret_cast<WORD*>(buffer.data()) = WORD(std::min(length, 0xFFFF));
    const int copied = int(Send(control, EM_GETLINE, WPARAM(line), LPARAM(buffer.data())));
    ctx.SetResult(CString(buffer.data(), std::max(0, std::min(copied, length))));
}

// -1 for a line the control does not have.
void EditBox_GetLineLength(CommandContext& ctx)
{
    const int line = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control) return ctx.SetInt(0);
    const int start = LineStart(control, line);
    ctx.SetInt(start < 0 ? -1 : int(Send(control, EM_LINELENGTH, WPARAM(start))));
}

void EditBox_Linescroll(CommandContext& ctx)
{
    const int lines = ctx.Int();
    SendToControl(ctx, EM_LINESCROLL, 0, LPARAM(lines));
}

// A file that cannot be read leaves the box empty.
void EditBox_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    CFile file;
    std::vector<char> bytes;
    if (file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) bytes = ReadWhole(file);
    ::SetWindowTextA(control, TextUpToZero(bytes));
}

void EditBox_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const HWND control = ControlHandle(ctx);
    CMemFile* embedded = control ? ctx.Runtime().OpenEmbeddedFile(name) : nullptr;
    if (embedded) ::SetWindowTextA(control, TextUpToZero(ReadWhole(*embedded)));
}

// Read in place: the stream keeps its position. The text ends at a zero byte.
void EditBox_LoadFromObject(CommandContext& ctx)
{
    const CMemFile* stream = StreamObject(ctx, ctx.Int());
    const HWND control = ControlHandle(ctx);
    if (!stream || !control) return;
    const char* bytes = reinterpret_cast<const char*>(stream->Data());
    ::SetWindowTextA(control, bytes ? TextUpToZero(bytes, size_t(stream->GetLength())) : CString());
}

// The stream is emptied even without a control; it is left at its start.
void EditBox_SaveToObject(CommandContext& ctx)
{
    CMemFile* stream = EmptiedStreamObject(ctx, ctx.Int());
    if (!stream || !ctx.Control() || !ControlHandle(ctx)) return;
    const CString text = ctx.Control()->GetWindowText();
    WriteToStream(*stream, text.GetString(), size_t(text.GetLength()));
    stream->SeekToBegin();
}

void EditBox_ReplaceSel(CommandContext& ctx)
{
    const CString text = ctx.Text();
    SendToControl(ctx, EM_REPLACESEL, FALSE, LPARAM(text.GetString()));
}

void EditBox_SaveFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    if (!ctx.Control() || !ControlHandle(ctx)) return;
    const CString text = ctx.Control()->GetWindowText();
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) return;
    try {
        file.Write(text.GetString(), UINT(text.GetLength()));
        file.Close();
    } catch (const CException&) {
        file.Abort();
    }
}

void EditBox_Limittext(CommandContext& ctx)
{
    const int limit = ctx.Int();
    SendToControl(ctx, EM_LIMITTEXT, WPARAM(limit));
}

void EditBox_SetSel(CommandContext& ctx)
{
    const int start = ctx.Int();
    const int end = ctx.Int();
    SendToControl(ctx, EM_SETSEL, WPARAM(start), LPARAM(end));
    SendToControl(ctx, EM_SCROLLCARET);
}

// ---- RichEdit ---------------------------------------------------------------------------------

CHARRANGE Selection(HWND control)
{
    CHARRANGE range = {0, 0};
    Send(control, EM_EXGETSEL, 0, LPARAM(&range));
    return range;
}

void RichEdit_FindText(CommandContext& ctx)
{
    const CString text = ctx.Text();
    const int from = ctx.Int();
    const int to = ctx.Int();
    const int matchCase = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control) return ctx.SetInt(-1);
    CString wanted = text;  // the control takes the text by a non-const pointer
    FINDTEXTEXA find = {};
    find.chrg = {from, to};
    find.lpstrText = wanted.GetBuffer();
    ctx.SetInt(int(Send(control, EM_FINDTEXTEX, FR_DOWN | (matchCase == 1 ? FR_MATCHCASE : 0), LPARAM(&find))));
}

void RichEdit_LineIndex(CommandContext& ctx)
{
    const int line = ctx.Int();
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? int(Send(control, EM_LINEINDEX, WPARAM(line))) : -1);
}

void RichEdit_GetSelEnd(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? int(Selection(control).cpMax) : -1);
}

void RichEdit_GetSelStart(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? int(Selection(control).cpMin) : -1);
}

void RichEdit_ExLineFromChar(CommandContext& ctx)
{
    const int index = ctx.Int();
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? int(Send(control, EM_EXLINEFROMCHAR, 0, LPARAM(index))) : -1);
}

void RichEdit_GetModify(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetTruth(control && Send(control, EM_GETMODIFY) != 0);
}

CString SelectedText(HWND control)
{
    const CHARRANGE range = Selection(control);
    const LONG count = std::max(0L, range.cpMax - range.cpMin);
    // Room for two bytes a character: the text comes in the window's code page.
    std::vector<char> buffer(size_t(count) * 2 + 1, 0);
    const int copied = int(Send(control, EM_GETSELTEXT, 0, LPARAM(buffer.data())));
    return CString(buffer.data(), std::max(0, std::min(copied, int(buffer.size()) - 1)));
}

void RichEdit_GetSelText(CommandContext& ctx)
{
    if (const HWND control = ControlHandle(ctx)) ctx.SetResult(SelectedText(control));
}

void RichEdit_GetSelTextLength(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    ctx.SetInt(control ? SelectedText(control).GetLength() : 0);
}

void RichEdit_GetTextLength(CommandContext& ctx)
{
    const HWND control = ControlHandle(ctx);
    GETTEXTLENGTHEX how = {GTL_PRECISE | GTL_NUMCHARS, CP_ACP};
    ctx.SetInt(control ? int(Send(control, EM_GETTEXTLENGTHEX, WPARAM(&how))) : 0);
}

void RichEdit_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const int format = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    ::SetWindowTextA(control, "");
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) return;
    if (file.GetLength() != 0) StreamIn(control, file, format);
    file.Abort();
}

void RichEdit_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const int format = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    ::SetWindowTextA(control, "");
    CMemFile* embedded = ctx.Runtime().OpenEmbeddedFile(name);
    if (!embedded || embedded->GetLength() == 0) return;
    embedded->SeekToBegin();
    StreamIn(control, *embedded, format);
}

// The stream keeps its position; an empty one leaves the control empty.
void RichEdit_LoadFromObject(CommandContext& ctx)
{
    CMemFile* stream = StreamObject(ctx, ctx.Int());
    const int format = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!stream || !control) return;
    ::SetWindowTextA(control, "");
    if (stream->GetLength() == 0) return;
    const ULONGLONG position = stream->GetPosition();
    stream->SeekToBegin();
    StreamIn(control, *stream, format);
    stream->Seek(LONGLONG(position), CFile::begin);
}

// The stream is emptied even without a control; it is left at its start.
void RichEdit_SaveToObject(CommandContext& ctx)
{
    CMemFile* stream = EmptiedStreamObject(ctx, ctx.Int());
    const int format = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!stream || !control) return;
    StreamOut(control, *stream, format);
    stream->SeekToBegin();
}

void RichEdit_SaveFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const int format = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) return;
    StreamOut(control, file, format);
    file.Abort();
}

void RichEdit_SetBackgroundColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    SendToControl(ctx, EM_SETBKGNDCOLOR, 0, LPARAM(COLORREF(colour)));
}

void RichEdit_LimitText(CommandContext& ctx)
{
    const int limit = ctx.Int();
    SendToControl(ctx, EM_EXLIMITTEXT, 0, LPARAM(limit));
}

// A negative flag toggles.
void RichEdit_SetModify(CommandContext& ctx)
{
    const int flag = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    Send(control, EM_SETMODIFY, flag < 0 ? Send(control, EM_GETMODIFY) == 0 : flag != 0);
}

void RichEdit_SetReadOnly(CommandContext& ctx)
{
    const int flag = ctx.Int();
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    const bool readOnly = (::GetWindowLongPtrA(control, GWL_STYLE) & ES_READONLY) != 0;
    Send(control, EM_SETREADONLY, flag < 0 ? !readOnly : flag != 0);
}

void RichEdit_SetSel(CommandContext& ctx)
{
    CHARRANGE range;
    range.cpMin = ctx.Int();
    range.cpMax = ctx.Int();
    SendToControl(ctx, EM_EXSETSEL, 0, LPARAM(&range));
}

CHARFORMATA NewCharFormat()
{
    CHARFORMATA format = {};
    format.cbSize = sizeof format;
    return format;
}

// The selection's text colour, and the Font object given a font like the selection's (face, size
// in whole points, bold, italic, underline, strike-out); "-1" when there is no Font object. Text
// in the automatic colour answers the colour it shows in.
void RichEdit_GetSelFont(CommandContext& ctx)
{
    ObjectRecord* fontObject = ctx.FindObject(ctx.Int(), qbk::TypeFont);
    ctx.SetInt(-1);
    const HWND control = ControlHandle(ctx);
    if (!control || !fontObject) return;
    CHARFORMATA format = NewCharFormat();
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_SIZE | CFM_COLOR | CFM_FACE;
    Send(control, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
    const bool automatic = (format.dwEffects & CFE_AUTOCOLOR) != 0;
    ctx.SetInt(int(automatic ? ::GetSysColor(COLOR_WINDOWTEXT) : format.crTextColor));
    const DWORD effects = format.dwEffects;
    std::unique_ptr<CFont> font(CreateFontEx(format.szFaceName, int(format.yHeight / 20),
                                             effects & CFE_BOLD ? FW_BOLD : FW_NORMAL, effects & CFE_ITALIC,
                                             effects & CFE_STRIKEOUT, effects & CFE_UNDERLINE, true));
    ReplaceObjectFont(*fontObject, std::move(font));
}

// The colour (unless negative) and the Font object's face, size and effects (when the id names a
// Font object with a font) given to the selection; "1" when the control took the format.
void RichEdit_SetSelFont(CommandContext& ctx)
{
    const int colour = ctx.Int();
    const ObjectRecord* fontObject = ctx.FindObject(ctx.Int(), qbk::TypeFont);
    ctx.SetTruth(false);
    const HWND control = ControlHandle(ctx);
    if (!control) return;
    CHARFORMATA format = NewCharFormat();
    if (colour >= 0) {
        format.dwMask |= CFM_COLOR;
        format.crTextColor = COLORREF(colour);
    }
    if (const HFONT font = FontOfObject(fontObject)) {
        LOGFONTA description = {};
        if (::GetObjectA(font, sizeof description, &description) == 0) return;
        // A positive height is the cell's, a negative one the characters'; both read as points,
        // rounded as the Font object's own size is.
        const int points = ::MulDiv(std::abs(description.lfHeight), 72, ScreenPixelsPerInchY());
        format.dwMask |= CFM_SIZE | CFM_FACE | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT;
        format.yHeight = points * 20;
        if (description.lfWeight >= FW_BOLD) format.dwEffects |= CFE_BOLD;
        if (description.lfItalic) format.dwEffects |= CFE_ITALIC;
        if (description.lfUnderline) format.dwEffects |= CFE_UNDERLINE;
        if (description.lfStrikeOut) format.dwEffects |= CFE_STRIKEOUT;
        lstrcpynA(format.szFaceName, description.lfFaceName, LF_FACESIZE);
    }
    ctx.SetTruth(Send(control, EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format)) != 0);
}

// Texts compared exactly: colour "-1", face "" and size "-1" leave those alone; bold, italic and
// underline are set by "1" and cleared by anything else. The size is in points.
void RichEdit_SetSelFormat(CommandContext& ctx)
{
    const CString colour = ctx.Text(), face = ctx.Text(), size = ctx.Text();
    const CString bold = ctx.Text(), italic = ctx.Text(), underline = ctx.Text();
    const HWND control = ControlHandle(ctx);
    if (!control) return ctx.SetTruth(false);
    CHARFORMATA format = NewCharFormat();
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    if (colour != "-1") {
        format.dwMask |= CFM_COLOR;
        format.crTextColor = COLORREF(atoi(colour));
    }
    if (!face.IsEmpty()) {
        format.dwMask |= CFM_FACE;
        lstrcpynA(format.szFaceName, face, LF_FACESIZE);  // a longer name is cut to the field
    }
    if (size != "-1") {
        format.dwMask |= CFM_SIZE;
        format.yHeight = atoi(size) * 20;  // twips
    }
    if (bold == "1") format.dwEffects |= CFE_BOLD;
    if (italic == "1") format.dwEffects |= CFE_ITALIC;
    if (underline == "1") format.dwEffects |= CFE_UNDERLINE;
    ctx.SetTruth(Send(control, EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format)) != 0);
}

constexpr CommandEntry kEditBox[] = {
    {31, "EditBox_Clear", EditBox_Clear},  // after the shared commands 0 to 30
    {32, "EditBox_Copy", EditBox_Copy},
    {33, "EditBox_Cut", EditBox_Cut},
    {34, "EditBox_GetSelEnd", EditBox_GetSelEnd},
    {35, "EditBox_GetFirstVisibleLine", EditBox_GetFirstVisibleLine},
    {36, "EditBox_GetLimitText", EditBox_GetLimitText},
    {37, "EditBox_GetLine", EditBox_GetLine},
    {38, "EditBox_GetLineCount", EditBox_GetLineCount},
    {39, "EditBox_GetLineLength", EditBox_GetLineLength},
    {40, "EditBox_GetSelStart", EditBox_GetSelStart},
    {41, "EditBox_Linescroll", EditBox_Linescroll},
    {42, "EditBox_LoadFile", EditBox_LoadFile},
    {43, "EditBox_LoadFromObject", EditBox_LoadFromObject},
    {44, "EditBox_LoadEmbedded", EditBox_LoadEmbedded},
    {45, "EditBox_Paste", EditBox_Paste},
    {46, "EditBox_ReplaceSel", EditBox_ReplaceSel},
    {47, "EditBox_SaveFile", EditBox_SaveFile},
    {48, "EditBox_SaveToObject", EditBox_SaveToObject},
    {49, "EditBox_Limittext", EditBox_Limittext},
    {50, "EditBox_SetSel", EditBox_SetSel},
    {51, "EditBox_Undo", EditBox_Undo},
};
static_assert(NumbersOwnCommands(kEditBox, qbk::TypeEditBox, 51));

// The rich edit shares the edit box's handlers by name.
constexpr CommandEntry kRichEdit[] = {
    {31, "EditBox_Clear"},  // after the shared commands 0 to 30
    {32, "EditBox_Copy"},
    {33, "EditBox_Cut"},
    {34, "RichEdit_FindText", RichEdit_FindText},
    {35, "RichEdit_LineIndex", RichEdit_LineIndex},
    {36, "RichEdit_GetSelEnd", RichEdit_GetSelEnd},
    {37, "EditBox_GetFirstVisibleLine"},
    {38, "EditBox_GetLimitText"},
    {39, "RichEdit_GetLine", EditBox_GetLine},
    {40, "EditBox_GetLineCount"},
    {41, "RichEdit_ExLineFromChar", RichEdit_ExLineFromChar},
    {42, "RichEdit_GetLineLength", EditBox_GetLineLength},
    {43, "RichEdit_GetModify", RichEdit_GetModify},
    {44, "RichEdit_GetSelFont", RichEdit_GetSelFont},
    {45, "RichEdit_GetSelText", RichEdit_GetSelText},
    {46, "RichEdit_GetSelTextLength", RichEdit_GetSelTextLength},
    {47, "RichEdit_GetSelStart", RichEdit_GetSelStart},
    {48, "RichEdit_GetTextLength", RichEdit_GetTextLength},
    {49, "RichEdit_LineScroll", EditBox_Linescroll},
    {50, "RichEdit_LoadFile", RichEdit_LoadFile},
    {51, "RichEdit_LoadFromObject", RichEdit_LoadFromObject},
    {52, "RichEdit_LoadEmbedded", RichEdit_LoadEmbedded},
    {53, "EditBox_Paste"},
    {54, "RichEdit_Redo", RichEdit_Redo},
    {55, "EditBox_ReplaceSel"},
    {56, "RichEdit_SaveFile", RichEdit_SaveFile},
    {57, "RichEdit_SaveToObject", RichEdit_SaveToObject},
    {58, "RichEdit_SetBackgroundColor", RichEdit_SetBackgroundColor},
    {59, "RichEdit_LimitText", RichEdit_LimitText},
    {60, "RichEdit_SetModify", RichEdit_SetModify},
    {61, "RichEdit_SetReadOnly", RichEdit_SetReadOnly},
    {62, "RichEdit_SetSel", RichEdit_SetSel},
    {63, "RichEdit_SetSelFont", RichEdit_SetSelFont},
    {64, "RichEdit_SetSelFormat", RichEdit_SetSelFormat},
    {65, "EditBox_Undo"},
};
static_assert(NumbersOwnCommands(kRichEdit, qbk::TypeRichEdit, 65));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeEditBox, kEditBox), OwnCommands(qbk::TypeRichEdit, kRichEdit)};

}  // namespace

extern const CommandFamily kEditBoxRichEditFamily("EditBox and RichEdit", kLists);
