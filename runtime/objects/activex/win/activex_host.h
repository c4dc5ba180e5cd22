// Windows that host an ActiveX control in place: the control is made from its ProgID inside the
// window, sized with it, and driven through its dispatch interface. The PDF viewer and the Flash
// movie are driven by member name; the web browser by its fixed dispatch ids.
#pragma once

#include <windows.h>
#include <oleidl.h>

#include "dispatch_driver.h"
#include "fw_wnd.h"

class ActiveXSite;

class CActiveXHostWnd : public CWnd {
public:
    CActiveXHostWnd() = default;
    ~CActiveXHostWnd() override;

    // Makes the window and the control of the ProgID in it; false when either cannot be made (the
    // window then goes too). A control without a dispatch interface counts as made.
    bool CreateControl(const char* progId, const char* caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    bool HasControl() const { return m_control != nullptr; }
    const CLSID& ClassId() const { return m_classId; }
    CDispatchDriver& Driver() { return m_driver; }
    IDispatch* DispatchInterface() const { return m_dispatch; }

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CloseControl();

    CLSID m_classId = {};
    IUnknown* m_control = nullptr;
    IOleObject* m_object = nullptr;  // null for a control that cannot be embedded
    IDispatch* m_dispatch = nullptr;
    ActiveXSite* m_site = nullptr;
    CDispatchDriver m_driver;
};

class CPdfViewerWnd : public CActiveXHostWnd {
public:
    static constexpr const char* kProgId = "PDF.PdfCtrl.5";
    bool LoadFile(const char* path) { return Driver().CallMethod("LoadFile", {path}) != nullptr; }
};

class CFlashMovieWnd : public CActiveXHostWnd {
public:
    static constexpr const char* kProgId = "ShockwaveFlash.ShockwaveFlash.1";
    bool SetLoop(bool loop) { return Driver().SetProperty("Loop", {loop ? 1 : 0}); }
    bool Play() { return Driver().CallMethod("Play") != nullptr; }
    bool Stop() { return Driver().CallMethod("Stop") != nullptr; }
    bool Back() { return Driver().CallMethod("Back") != nullptr; }
    bool Forward() { return Driver().CallMethod("Forward") != nullptr; }
    bool Zoom(int percent) { return Driver().CallMethod("Zoom", {percent}) != nullptr; }
    bool GotoFrame(int frame) { return Driver().CallMethod("GotoFrame", {frame}) != nullptr; }
    int CurrentFrame();  // -1 when the call fails
    int TotalFrames();  // 0 when the call fails
    // The movie goes to layer 0 when the control's method takes a layer before the path.
    bool LoadMovie(const char* path);
};

class CWebBrowserWnd : public CActiveXHostWnd {
public:
    static constexpr const char* kProgId = "Shell.Explorer.2";
    bool Navigate(const char* url);
    bool GoBack();
    bool GoForward();
    bool Refresh();
    bool Stop();
    bool GetBusy();
    CString GetLocationName();
    CString GetLocationURL();
    CString GetStatusText();
    bool SetStatusText(const char* text);
    bool SetToolBar(int shown);
    bool SetMenuBar(bool shown);
    bool SetAddressBar(bool shown);
    bool SetResizable(bool resizable);
    // Through the document's command target; nothing without a document.
    void PrintPreview();

private:
    HRESULT Call(DISPID id, WORD flags, std::vector<VARIANT> arguments = {}, VARIANT* result = nullptr,
                 VARTYPE resultType = VT_EMPTY);
    CString GetText(DISPID id);
    bool PutFlag(DISPID id, bool on);
};
