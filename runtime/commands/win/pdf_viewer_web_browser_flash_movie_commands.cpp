// ActiveX hosts (types 60 to 62): PDF documents, web pages and Flash movies.
#include "command_table.h"

namespace {

constexpr CommandEntry kPdfViewer[] = {
    {31, "PdfViewer_LoadFile"},  // after the shared commands 0 to 30
};
static_assert(NumbersOwnCommands(kPdfViewer, qbk::TypePdfViewer, 31));

constexpr CommandEntry kWebBrowser[] = {
    {31, "WebBrowser_GoBack"},  // after the shared commands 0 to 30
    {32, "WebBrowser_GoForward"},     {33, "WebBrowser_GetTitle"},      {34, "WebBrowser_GetUrl"},
    {35, "WebBrowser_GetStatusText"}, {36, "WebBrowser_IsBusy"},        {37, "WebBrowser_Navigate"},
    {38, "WebBrowser_PrintPreview"},  {39, "WebBrowser_Refresh"},       {40, "WebBrowser_SetResizable"},
    {41, "WebBrowser_SetStatusText"}, {42, "WebBrowser_SetAddressBar"}, {43, "WebBrowser_SetMenuBar"},
    {44, "WebBrowser_SetToolBar"},    {45, "WebBrowser_Stop"},
};
static_assert(NumbersOwnCommands(kWebBrowser, qbk::TypeWebBrowser, 45));

constexpr CommandEntry kFlashMovie[] = {
    {31, "FlashMovie_Back"},  // after the shared commands 0 to 30
    {32, "FlashMovie_Forward"},        {33, "FlashMovie_GetCurrentFrame"},
    {34, "FlashMovie_GetTotalFrames"}, {35, "FlashMovie_LoadMovie"},
    {36, "FlashMovie_Play"},           {37, "FlashMovie_GotoFrame"},
    {38, "FlashMovie_SetLoop"},        {39, "FlashMovie_Zoom"},
    {40, "FlashMovie_Stop"},
};
static_assert(NumbersOwnCommands(kFlashMovie, qbk::TypeFlashMovie, 40));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypePdfViewer, kPdfViewer),
                                  OwnCommands(qbk::TypeWebBrowser, kWebBrowser),
                                  OwnCommands(qbk::TypeFlashMovie, kFlashMovie)};

}  // namespace

extern const CommandFamily kPdfViewerWebBrowserFlashMovieFamily("PdfViewer, WebBrowser and FlashMovie", kLists);
