// CPrintJob: the printer behind a Printer object. A job starts with the system's print dialog,
// runs as one document named "QBK Printing" and keeps its owner window disabled until the document
// ends. CPrintPage prints on one page: text at a position or flowing word-wrapped from the current
// position, and images scaled from another device context. Positions and margins are in
// centimetres, or in tenths of an inch in unit mode 1. Windows only; the layout of the text is
// platform-free (print_layout.h).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "fw_dc.h"
#include "fw_file.h"
#include "fw_string.h"
#include "print_layout.h"

struct CPrintFont {
    CString Face = "arial";
    int Size = 11;  // points
};

class CPrintJob;

class CPrintPage : private qbk::TextSurface {
public:
    CPrintPage(CPrintJob& job, HDC printer);
    virtual ~CPrintPage() = default;
    CPrintPage(const CPrintPage&) = delete;
    CPrintPage& operator=(const CPrintPage&) = delete;

    // The text with its upper-left corner at x, y.
    bool PrintTextAt(const char* text, double x, double y);
    // Word-wrapped text from the current position; answers how many of its characters were
    // printed (fewer than all when the page is full). With newLine the position goes to the next
    // line afterwards, else it stays behind the text on the same line.
    int PrintTextFlow(const char* text, bool newLine);
    // The source rectangle (pixels) at x, y (unit mode), as long on paper as on the source's device,
    // shrunk to fit maxWidth x maxHeight (keeping its shape) when it is larger.
    bool PrintImage(CDC* source, double x, double y, double maxWidth, double maxHeight, int sourceX, int sourceY,
                    int sourceWidth, int sourceHeight);
    // The page inside the margins, in pixels.
    RECT GetPrintRect() const;
    const qbk::PageGeometry& Geometry() const { return m_geometry; }

private:
    int LineHeight() override;
    int Width(const std::string& text) override;
    void Print(const std::string& text, int x, int y) override;
    HFONT MakeFont() const;

    CPrintJob& m_job;
    HDC m_dc;
    qbk::PrintMargins m_margins;
    qbk::PageGeometry m_geometry;
    qbk::FlowPosition m_position;
    HFONT m_flowFont = nullptr;  // selected while text flows
};

class CPrintJob {
public:
    // The print dialog: on acceptance it fills the request with a printer context (PD_RETURNDC).
    // The system's dialog unless replaced.
    using PrintDialog = std::function<BOOL(PRINTDLGA* request)>;
    PrintDialog showDialog;

    CPrintJob();
    virtual ~CPrintJob();
    CPrintJob(const CPrintJob&) = delete;
    CPrintJob& operator=(const CPrintJob&) = delete;

    // A job that runs ends first, so that its owner is enabled again.
    bool SetOwner(HWND owner);
    HWND GetOwner() const { return m_owner; }
    // The dialog, then the document; false when the dialog is cancelled or the document cannot
    // start (the owner stays enabled).
    bool BeginJob();
    bool IsPrinting() const { return m_printer != nullptr; }
    HDC GetPrinterDC() const { return m_printer; }
    // A page of the running job, owned by the caller until EndPage; null when no job runs.
    CPrintPage* NewPage();
    void EndPage(CPrintPage* page);
    // Ends the document, frees the printer and enables the owner; false when no job ran or the
    // document did not end well.
    bool EndJob();

    // Whole jobs. False when the dialog is cancelled, the document cannot start or end, or (for
    // text) a page cannot take a single line.
    bool PrintTextFile(const char* fileName);
    bool PrintStream(CFile* stream);
    bool PrintRichEdit(HWND richEdit);

    qbk::PrintMargins& Margins() { return m_margins; }
    const qbk::PrintMargins& Margins() const { return m_margins; }
    int GetUnitMode() const { return m_unitMode; }
    const CPrintFont& GetFont() const { return m_font; }
    COLORREF GetTextColor() const { return m_textColor; }

private:
    void Reset();
    void FreeRequest();
    // The control's text as plain lines, in the job already begun; ends the job.
    bool PrintPlainText(HWND richEdit);

    std::unique_ptr<PRINTDLGA> m_request;
    HWND m_owner = nullptr;
    int m_unitMode = 0;
    HDC m_printer = nullptr;
    HWND m_focus = nullptr;  // the window that had the keyboard focus when the job began
    CPrintFont m_defaultFont;
    CPrintFont m_font;
    COLORREF m_textColor = 0;
    qbk::PrintMargins m_margins;
};
