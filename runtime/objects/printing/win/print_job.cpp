#include "print_job.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "aspect_fit.h"

namespace {

constexpr DWORD kDialogFlags = PD_RETURNDC | PD_NOSELECTION | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE |
                               PD_DISABLEPRINTTOFILE | PD_HIDEPRINTTOFILE;
constexpr char kDocumentName[] = "QBK Printing";
constexpr int kMaxRichEditPages = 1001;

qbk::PrinterCaps CapsOf(HDC dc)
{
    return qbk::PrinterCaps{::GetDeviceCaps(dc, HORZRES), ::GetDeviceCaps(dc, VERTRES), ::GetDeviceCaps(dc, HORZSIZE),
                            ::GetDeviceCaps(dc, VERTSIZE)};
}

}  // namespace

// ---- page -------------------------------------------------------------------------------------

CPrintPage::CPrintPage(CPrintJob& job, HDC printer)
    : m_job(job), m_dc(printer), m_margins(job.Margins()),
      m_geometry(CapsOf(printer), job.GetUnitMode()), m_position{m_margins.left, m_margins.top}
{
}

HFONT CPrintPage::MakeFont() const
{
    const CPrintFont& font = m_job.GetFont();
    const int height = -(font.Size * ::GetDeviceCaps(m_dc, LOGPIXELSY) / 72);
    return ::CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, font.Face);
}

void CPrintPage::Print(const std::string& text, int x, int y)
{
    HFONT font = m_flowFont ? nullptr : MakeFont();
    HGDIOBJ oldFont = font ? ::SelectObject(m_dc, font) : nullptr;
    const COLORREF oldColour = ::SetTextColor(m_dc, m_job.GetTextColor());
    const int oldMode = ::SetBkMode(m_dc, TRANSPARENT);
    ::TextOutA(m_dc, x, y, text.data(), int(text.size()));
    ::SetBkMode(m_dc, oldMode);
    ::SetTextColor(m_dc, oldColour);
    if (font) {
        ::SelectObject(m_dc, oldFont);
        ::DeleteObject(font);
    }
}

bool CPrintPage::PrintTextAt(const char* text, double x, double y)
{
    Print(text ? text : "", m_geometry.ToPixelsX(x), m_geometry.ToPixelsY(y));
    return true;
}

int CPrintPage::LineHeight()
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_dc, "M", 1, &size);
    return size.cy;
}

int CPrintPage::Width(const std::string& text)
{
    SIZE size = {0, 0};
    ::GetTextExtentPoint32A(m_dc, text.data(), int(text.size()), &size);
    return size.cx;
}

int CPrintPage::PrintTextFlow(const char* text, bool newLine)
{
    m_flowFont = MakeFont();
    HGDIOBJ old = ::SelectObject(m_dc, m_flowFont);
    const int printed = qbk::FlowText(text ? text : "", newLine, m_position, m_geometry, m_margins, *this);
    ::SelectObject(m_dc, old);
    ::DeleteObject(m_flowFont);
    m_flowFont = nullptr;
    return printed;
}

bool CPrintPage::PrintImage(CDC* source, double x, double y, double maxWidth, double maxHeight, int sourceX,
                            int sourceY, int sourceWidth, int sourceHeight)
{
    if (!source || !source->GetSafeHdc()) return false;
    const int naturalWidth =
        qbk::ScaleToPrinter(sourceWidth, ::GetDeviceCaps(m_dc, LOGPIXELSX), source->GetDeviceCaps(LOGPIXELSX));
    const int naturalHeight =
        qbk::ScaleToPrinter(sourceHeight, ::GetDeviceCaps(m_dc, LOGPIXELSY), source->GetDeviceCaps(LOGPIXELSY));
    // The box is the most the image may take: an image that fits keeps its length on paper.
    const int boxWidth = m_geometry.ToPixelsX(maxWidth), boxHeight = m_geometry.ToPixelsY(maxHeight);
    CSize fitted(naturalWidth, naturalHeight);
    if (naturalWidth > boxWidth || naturalHeight > boxHeight)
        fitted = FitSizeToAspect(boxWidth, boxHeight, naturalWidth, naturalHeight);
    const int oldMode = ::SetStretchBltMode(m_dc, COLORONCOLOR);
    const BOOL done = ::StretchBlt(m_dc, m_geometry.ToPixelsX(x), m_geometry.ToPixelsY(y), fitted.cx, fitted.cy,
                                   source->GetSafeHdc(), sourceX, sourceY, sourceWidth, sourceHeight, SRCCOPY);
    ::SetStretchBltMode(m_dc, oldMode);
    return done != FALSE;
}

RECT CPrintPage::GetPrintRect() const
{
    const qbk::PixelBox box = m_geometry.PrintRect(m_margins);
    return RECT{box.left, box.top, box.right, box.bottom};
}

// ---- job --------------------------------------------------------------------------------------

CPrintJob::CPrintJob()
{
    showDialog = [](PRINTDLGA* request) { return ::PrintDlgA(request); };
    Reset();
}

CPrintJob::~CPrintJob()
{
    if (IsPrinting()) EndJob();
    FreeRequest();
}

void CPrintJob::FreeRequest()
{
    if (!m_request) return;
    if (m_request->hDevMode) ::GlobalFree(m_request->hDevMode);
    if (m_request->hDevNames) ::GlobalFree(m_request->hDevNames);
    m_request.reset();
}

void CPrintJob::Reset()
{
    m_printer = nullptr;
    FreeRequest();
    m_unitMode = 0;
    m_font = m_defaultFont;
    m_textColor = 0;
    m_margins = qbk::PrintMargins();
}

bool CPrintJob::SetOwner(HWND owner)
{
    if (IsPrinting()) EndJob();
    m_owner = owner;
    m_printer = nullptr;
    FreeRequest();
    return true;
}

bool CPrintJob::BeginJob()
{
    if (IsPrinting()) EndJob();
    FreeRequest();
    m_request = std::make_unique<PRINTDLGA>();
    std::memset(m_request.get(), 0, sizeof(PRINTDLGA));
    m_request->lStructSize = sizeof(PRINTDLGA);
    m_request->hwndOwner = m_owner;
    m_request->Flags = kDialogFlags;
    m_request->nFromPage = m_request->nToPage = 0xFFFF;
    m_request->nMinPage = 1;
    m_request->nMaxPage = 0xFFFF;
    m_request->nCopies = 1;
    if (!showDialog || !showDialog(m_request.get()) || !m_request->hDC) {
        if (m_request->hDC) ::DeleteDC(m_request->hDC);
        FreeRequest();
        return false;
    }
    DOCINFOA document = {};
    document.cbSize = sizeof document;
    document.lpszDocName = kDocumentName;
    if (::StartDocA(m_request->hDC, &document) <= 0) {
        ::DeleteDC(m_request->hDC);
        FreeRequest();
        return false;
    }
    // Disabling the owner takes the keyboard focus away from it: it is given back at the end.
    m_focus = ::GetFocus();
    if (m_owner) ::EnableWindow(m_owner, FALSE);
    m_printer = m_request->hDC;
    return true;
}

CPrintPage* CPrintJob::NewPage()
{
    if (!IsPrinting()) return nullptr;
    ::StartPage(m_printer);
    return new CPrintPage(*this, m_printer);
}

void CPrintJob::EndPage(CPrintPage* page)
{
    delete page;
    if (IsPrinting()) ::EndPage(m_printer);
}

bool CPrintJob::EndJob()
{
    if (!IsPrinting()) return false;
    const bool ended = ::EndDoc(m_printer) > 0;
    ::DeleteDC(m_printer);
    m_printer = nullptr;
    FreeRequest();
    if (m_owner) ::EnableWindow(m_owner, TRUE);
    if (m_focus && !::GetFocus() && ::IsWindow(m_focus)) ::SetFocus(m_focus);
    m_focus = nullptr;
    return ended;
}

namespace {

// The pages of a running job, for the stream printer.
class JobPages : public qbk::PageSink {
public:
    explicit JobPages(CPrintJob& job) : m_job(job) {}
    bool StartPage() override { return (m_page = m_job.NewPage()) != nullptr; }
    int PlaceLine(const std::string& line) override { return m_page->PrintTextFlow(line.c_str(), true); }
    void EndPage() override
    {
        m_job.EndPage(m_page);
        m_page = nullptr;
    }

private:
    CPrintJob& m_job;
    CPrintPage* m_page = nullptr;
};

}  // namespace

bool CPrintJob::PrintStream(CFile* stream)
{
    if (!stream) return false;
    stream->SeekToBegin();
    if (!BeginJob()) return false;
    JobPages pages(*this);
    const bool printed = qbk::PrintLines(*stream, pages);
    const bool ended = EndJob();
    return printed && ended;
}

bool CPrintJob::PrintTextFile(const char* fileName)
{
    CFile file;
    if (!fileName || !file.Open(fileName, CFile::modeRead | CFile::typeBinary)) return false;
    CMemFile copy(1024);
    BYTE block[4096];
    for (UINT got; (got = file.Read(block, sizeof block)) > 0;) copy.Write(block, got);
    file.Close();
    return PrintStream(&copy);
}

bool CPrintJob::PrintPlainText(HWND richEdit)
{
    GETTEXTLENGTHEX length = {GTL_PRECISE | GTL_NUMBYTES | GTL_USECRLF, CP_ACP};
    const LRESULT bytes = ::SendMessageA(richEdit, EM_GETTEXTLENGTHEX, WPARAM(&length), 0);
    std::vector<char> text(size_t(std::max<LRESULT>(bytes, 0)) + 1);
    GETTEXTEX request = {DWORD(text.size()), GT_USECRLF, CP_ACP, nullptr, nullptr};
    const LRESULT got = ::SendMessageA(richEdit, EM_GETTEXTEX, WPARAM(&request), LPARAM(text.data()));
    CMemFile stream;
    stream.Write(text.data(), UINT(std::max<LRESULT>(got, 0)));
    JobPages pages(*this);
    const bool printed = qbk::PrintLines(stream, pages);
    const bool ended = EndJob();
    return printed && ended;
}

bool CPrintJob::PrintRichEdit(HWND richEdit)
{
    if (!richEdit || !BeginJob()) return false;
    HDC dc = m_printer;
    const int dpiX = std::max(1, ::GetDeviceCaps(dc, LOGPIXELSX)), dpiY = std::max(1, ::GetDeviceCaps(dc, LOGPIXELSY));
    const int sizeX = std::max(1, ::GetDeviceCaps(dc, HORZSIZE)), sizeY = std::max(1, ::GetDeviceCaps(dc, VERTSIZE));
    // Twips a millimetre; the margins are taken in centimetres whatever the unit mode.
    const double twipsX = double(::GetDeviceCaps(dc, HORZRES)) / sizeX * 1440 / dpiX;
    const double twipsY = double(::GetDeviceCaps(dc, VERTRES)) / sizeY * 1440 / dpiY;
    FORMATRANGE range = {};
    range.hdc = range.hdcTarget = dc;
    range.rc.left = LONG(twipsX * m_margins.left * 10);
    range.rc.top = LONG(twipsY * m_margins.top * 10);
    range.rc.right = LONG(::MulDiv(::GetDeviceCaps(dc, PHYSICALWIDTH), 1440, dpiX) - twipsX * m_margins.right * 10);
    range.rc.bottom = LONG(::MulDiv(::GetDeviceCaps(dc, PHYSICALHEIGHT), 1440, dpiY) - twipsY * m_margins.bottom * 10);
    range.rcPage = range.rc;
    GETTEXTLENGTHEX length = {GTL_PRECISE | GTL_NUMCHARS, CP_ACP};
    const LONG textLength = LONG(::SendMessageA(richEdit, EM_GETTEXTLENGTHEX, WPARAM(&length), 0));
    range.chrg.cpMax = -1;
    if (textLength > 0 && ::SendMessageA(richEdit, EM_FORMATRANGE, FALSE, LPARAM(&range)) == 0) {
        // A control that formats nothing for the printer (some systems' rich edit controls cannot)
        // still has its text printed, plain.
        ::SendMessageA(richEdit, EM_FORMATRANGE, FALSE, 0);
        return PrintPlainText(richEdit);
    }
    RECT client;
    ::GetClientRect(richEdit, &client);
    LONG start = 0;
    for (int pages = 0; pages < kMaxRichEditPages; ++pages) {
        CPrintPage* page = NewPage();
        range.chrg.cpMin = start;
        range.chrg.cpMax = -1;
        const LONG next = LONG(::SendMessageA(richEdit, EM_FORMATRANGE, TRUE, LPARAM(&range)));
        ::SendMessageA(richEdit, EM_DISPLAYBAND, 0, LPARAM(&client));
        EndPage(page);
        // A page that takes nothing would be followed by the same page again.
        if (next <= start) break;
        start = next;
        if (start >= textLength) break;
    }
    ::SendMessageA(richEdit, EM_FORMATRANGE, FALSE, 0);
    return EndJob();
}
