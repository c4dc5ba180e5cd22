// PdfViewer, WebBrowser and FlashMovie objects in a running project: with the vendors' controls
// missing the scripts get the failure results and the program goes on; with our own control
// registered under their ProgIDs every command reaches it through the same hosting and the same
// late-bound and by-id calls, and the control's window shows what it received.
#include <gtest/gtest.h>

#include <string>

#include "probe_registration.h"
#include "project_run.h"

namespace {

using qbktest::ProjectRun;

const char* const kNamedProgIds[] = {"PDF.PdfCtrl.5", "Shell.Explorer.2", "ShockwaveFlash.ShockwaveFlash.1"};

std::string Project()
{
    return R"(
window MAIN
  caption "Hosts"   style 0x100B0001   rect 0 0 500 400
  event 16
    @out.SetText(@pdf.LoadFile("doc.pdf") & @web.Navigate("busy.html") & @web.GetUrl() & "," & @web.GetTitle() & "," & @web.IsBusy() & "," & @web.SetStatusText("ready") & @web.GetStatusText() & "," & @web.GoBack() & @web.GoForward() & @web.Refresh() & @web.Stop() & @web.SetToolBar(5) & @web.SetMenuBar(0) & @web.SetAddressBar(1) & @web.SetResizable(2) & @web.PrintPreview() & @flash.SetLoop(1) & @flash.LoadMovie("m.swf") & @flash.GotoFrame(7) & @flash.GetCurrentFrame() & "," & @flash.GetTotalFrames() & @flash.Zoom(50) & @flash.Play() & @flash.Back() & @flash.Forward() & @flash.Stop())
  object PdfViewer pdf
    rect 10 10 150 100
  object WebBrowser web
    rect 170 10 150 100
  object FlashMovie flash
    rect 330 10 150 100
  object CheckBox out
    rect 10 300 480 20
)";
}

// The text of the control's own window inside its host.
std::string ControlWindowText(HWND host) { return ProjectRun::Text(FindWindowExA(host, nullptr, "Static", nullptr)); }

TEST(ActiveXHosts, OurControlUnderTheNamedProgIds)
{
    qbktest::ProbeRegistration registration({kNamedProgIds[0], kNamedProgIds[1], kNamedProgIds[2]});
    ASSERT_TRUE(registration.Ok());
    ProjectRun run(Project());
    HWND out = run.Control("MAIN", "out");
    ASSERT_TRUE(out);
    EXPECT_TRUE(run.WaitForText(out, "busy.html,Title of busy.html,1,ready,7,24")) << ProjectRun::Text(out);
    EXPECT_EQ(ControlWindowText(run.Control("MAIN", "pdf")), "LoadFile(doc.pdf)");
    EXPECT_EQ(ControlWindowText(run.Control("MAIN", "web")),
              "Navigate(busy.html,4);StatusText=ready;GoBack;GoForward;Refresh;Stop;ToolBar=1;MenuBar=0;"
              "AddressBar=-1;Resizable=-1");
    EXPECT_EQ(ControlWindowText(run.Control("MAIN", "flash")),
              "Loop=1;LoadMovie(0,m.swf);GotoFrame(7);Zoom(50);Play;Back;Forward;Stop");
    // The control fills its host and follows it.
    RECT host, inner;
    HWND flash = run.Control("MAIN", "flash");
    GetClientRect(flash, &host);
    GetClientRect(FindWindowExA(flash, nullptr, "Static", nullptr), &inner);
    EXPECT_EQ(inner.right, host.right);
    EXPECT_EQ(inner.bottom, host.bottom);
    PostMessageA(run.Window("MAIN"), WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
}

TEST(ActiveXHosts, MissingControlsFailCleanly)
{
    // The PDF and Flash controls are not installed here; the web browser is whatever the system has.
    ProjectRun run(R"(
window MAIN
  caption "Missing"   style 0x100B0001   rect 0 0 500 400
  event 16
    @out.SetText(@pdf.LoadFile("doc.pdf") & "," & @flash.GetCurrentFrame() & "," & @flash.GetTotalFrames() & "," & @flash.LoadMovie("m.swf") & @flash.Play() & @flash.SetLoop(1) & @flash.Zoom(5) & @flash.GotoFrame(2) & @flash.Back() & @flash.Forward() & @flash.Stop() & "," & @pdf.GetId() & "," & @web.PrintPreview() & "done")
  object PdfViewer pdf
    rect 10 10 150 100
  object WebBrowser web
    rect 170 10 150 100
  object FlashMovie flash
    rect 330 10 150 100
  object CheckBox out
    rect 10 300 480 20
)");
    HWND main = run.Window("MAIN"), out = run.Control("MAIN", "out");
    ASSERT_TRUE(main && out);
    EXPECT_TRUE(run.WaitForText(out, ",-1,0,,12,done")) << ProjectRun::Text(out);
    // No host window is left for the controls that could not be made.
    EXPECT_EQ(GetDlgItem(main, 12 + 3000), nullptr);
    EXPECT_EQ(GetDlgItem(main, 14 + 3000), nullptr);
    EXPECT_TRUE(run.IsRunning());
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(run.WaitForExit(), 0);
}

}  // namespace
