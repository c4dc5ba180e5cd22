// ActiveX hosts (types 60 to 62): PDF documents, web pages and Flash movies.
#include "activex_host.h"
#include "command_context.h"
#include "command_table.h"

namespace {

// The object's host while it holds a control; null otherwise.
template <class Host>
Host* HostOf(CommandContext& ctx)
{
    auto* host = dynamic_cast<Host*>(ctx.Control());
    return host && host->GetSafeHwnd() && host->HasControl() ? host : nullptr;
}

void PdfViewer_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    if (auto* pdf = HostOf<CPdfViewerWnd>(ctx)) pdf->LoadFile(path);
}

// ---- web browser

template <bool (CWebBrowserWnd::*Action)()>
void Browse(CommandContext& ctx)
{
    if (auto* browser = HostOf<CWebBrowserWnd>(ctx)) (browser->*Action)();
}
template <CString (CWebBrowserWnd::*Getter)()>
void BrowserText(CommandContext& ctx)
{
    if (auto* browser = HostOf<CWebBrowserWnd>(ctx)) ctx.SetResult((browser->*Getter)());
}
template <bool (CWebBrowserWnd::*Setter)(bool)>
void BrowserFlag(CommandContext& ctx)
{
    const int flag = ctx.Int();
    if (auto* browser = HostOf<CWebBrowserWnd>(ctx)) (browser->*Setter)(flag != 0);
}

void WebBrowser_GoBack(CommandContext& ctx) { Browse<&CWebBrowserWnd::GoBack>(ctx); }
void WebBrowser_GoForward(CommandContext& ctx) { Browse<&CWebBrowserWnd::GoForward>(ctx); }
void WebBrowser_Refresh(CommandContext& ctx) { Browse<&CWebBrowserWnd::Refresh>(ctx); }
void WebBrowser_Stop(CommandContext& ctx) { Browse<&CWebBrowserWnd::Stop>(ctx); }
void WebBrowser_GetTitle(CommandContext& ctx) { BrowserText<&CWebBrowserWnd::GetLocationName>(ctx); }
void WebBrowser_GetUrl(CommandContext& ctx) { BrowserText<&CWebBrowserWnd::GetLocationURL>(ctx); }
void WebBrowser_GetStatusText(CommandContext& ctx) { BrowserText<&CWebBrowserWnd::GetStatusText>(ctx); }
void WebBrowser_SetResizable(CommandContext& ctx) { BrowserFlag<&CWebBrowserWnd::SetResizable>(ctx); }
void WebBrowser_SetAddressBar(CommandContext& ctx) { BrowserFlag<&CWebBrowserWnd::SetAddressBar>(ctx); }
void WebBrowser_SetMenuBar(CommandContext& ctx) { BrowserFlag<&CWebBrowserWnd::SetMenuBar>(ctx); }

void WebBrowser_IsBusy(CommandContext& ctx)
{
    auto* browser = HostOf<CWebBrowserWnd>(ctx);
    ctx.SetTruth(browser && browser->GetBusy());
}

void WebBrowser_Navigate(CommandContext& ctx)
{
    const CString url = ctx.Text();
    if (auto* browser = HostOf<CWebBrowserWnd>(ctx)) browser->Navigate(url);
}

void WebBrowser_PrintPreview(CommandContext& ctx)
{
    if (auto* browser = HostOf<CWebBrowserWnd>(ctx)) browser->PrintPreview();
}

void WebBrowser_SetStatusText(CommandContext& ctx)
{
    const CString text = ctx.Text();
    if (auto* browser = HostOf<CWebBrowserWnd>(ctx)) browser->SetStatusText(text);
}

void WebBrowser_SetToolBar(CommandContext& ctx)
{
    const int shown = ctx.Int();
    if (auto* browser = HostOf<CWebBrowserWnd>(ctx)) browser->SetToolBar(shown);
}

// ---- Flash movie

template <bool (CFlashMovieWnd::*Action)()>
void Movie(CommandContext& ctx)
{
    if (auto* movie = HostOf<CFlashMovieWnd>(ctx)) (movie->*Action)();
}

void FlashMovie_Back(CommandContext& ctx) { Movie<&CFlashMovieWnd::Back>(ctx); }
void FlashMovie_Forward(CommandContext& ctx) { Movie<&CFlashMovieWnd::Forward>(ctx); }
void FlashMovie_Play(CommandContext& ctx) { Movie<&CFlashMovieWnd::Play>(ctx); }
void FlashMovie_Stop(CommandContext& ctx) { Movie<&CFlashMovieWnd::Stop>(ctx); }

void FlashMovie_GetCurrentFrame(CommandContext& ctx)
{
    auto* movie = HostOf<CFlashMovieWnd>(ctx);
    ctx.SetInt(movie ? movie->CurrentFrame() : -1);
}

void FlashMovie_GetTotalFrames(CommandContext& ctx)
{
    auto* movie = HostOf<CFlashMovieWnd>(ctx);
    ctx.SetInt(movie ? movie->TotalFrames() : 0);
}

void FlashMovie_LoadMovie(CommandContext& ctx)
{
    const CString path = ctx.Text();
    if (auto* movie = HostOf<CFlashMovieWnd>(ctx)) movie->LoadMovie(path);
}

void FlashMovie_GotoFrame(CommandContext& ctx)
{
    const int frame = ctx.Int();
    if (auto* movie = HostOf<CFlashMovieWnd>(ctx)) movie->GotoFrame(frame);
}

void FlashMovie_SetLoop(CommandContext& ctx)
{
    const int loop = ctx.Int();
    if (auto* movie = HostOf<CFlashMovieWnd>(ctx)) movie->SetLoop(loop != 0);
}

void FlashMovie_Zoom(CommandContext& ctx)
{
    const int percent = ctx.Int();
    if (auto* movie = HostOf<CFlashMovieWnd>(ctx)) movie->Zoom(percent);
}

constexpr CommandEntry kPdfViewer[] = {
    {31, "PdfViewer_LoadFile", PdfViewer_LoadFile},  // after the shared commands 0 to 30
};
static_assert(NumbersOwnCommands(kPdfViewer, qbk::TypePdfViewer, 31));

constexpr CommandEntry kWebBrowser[] = {
    {31, "WebBrowser_GoBack", WebBrowser_GoBack},  // after the shared commands 0 to 30
    {32, "WebBrowser_GoForward", WebBrowser_GoForward},
    {33, "WebBrowser_GetTitle", WebBrowser_GetTitle},
    {34, "WebBrowser_GetUrl", WebBrowser_GetUrl},
    {35, "WebBrowser_GetStatusText", WebBrowser_GetStatusText},
    {36, "WebBrowser_IsBusy", WebBrowser_IsBusy},
    {37, "WebBrowser_Navigate", WebBrowser_Navigate},
    {38, "WebBrowser_PrintPreview", WebBrowser_PrintPreview},
    {39, "WebBrowser_Refresh", WebBrowser_Refresh},
    {40, "WebBrowser_SetResizable", WebBrowser_SetResizable},
    {41, "WebBrowser_SetStatusText", WebBrowser_SetStatusText},
    {42, "WebBrowser_SetAddressBar", WebBrowser_SetAddressBar},
    {43, "WebBrowser_SetMenuBar", WebBrowser_SetMenuBar},
    {44, "WebBrowser_SetToolBar", WebBrowser_SetToolBar},
    {45, "WebBrowser_Stop", WebBrowser_Stop},
};
static_assert(NumbersOwnCommands(kWebBrowser, qbk::TypeWebBrowser, 45));

constexpr CommandEntry kFlashMovie[] = {
    {31, "FlashMovie_Back", FlashMovie_Back},  // after the shared commands 0 to 30
    {32, "FlashMovie_Forward", FlashMovie_Forward},
    {33, "FlashMovie_GetCurrentFrame", FlashMovie_GetCurrentFrame},
    {34, "FlashMovie_GetTotalFrames", FlashMovie_GetTotalFrames},
    {35, "FlashMovie_LoadMovie", FlashMovie_LoadMovie},
    {36, "FlashMovie_Play", FlashMovie_Play},
    {37, "FlashMovie_GotoFrame", FlashMovie_GotoFrame},
    {38, "FlashMovie_SetLoop", FlashMovie_SetLoop},
    {39, "FlashMovie_Zoom", FlashMovie_Zoom},
    {40, "FlashMovie_Stop", FlashMovie_Stop},
};
static_assert(NumbersOwnCommands(kFlashMovie, qbk::TypeFlashMovie, 40));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypePdfViewer, kPdfViewer),
                                  OwnCommands(qbk::TypeWebBrowser, kWebBrowser),
                                  OwnCommands(qbk::TypeFlashMovie, kFlashMovie)};

}  // namespace

extern const CommandFamily kPdfViewerWebBrowserFlashMovieFamily("PdfViewer, WebBrowser and FlashMovie", kLists);
