// A window of the library's class CLASS_KWND whose messages reach the object's virtual OnMessage.
// Every live KWnd is in a process-wide registry that the class's window procedure searches by handle.
#pragma once

#include "KString.h"

#include <windows.h>

// Private messages of the library's windows.
enum : UINT {
    KWM_CREATED = 0x8001,  // sent after creation; a nonzero answer fails the creation
    KWM_PARENT_RESIZED = 0x8002,  // WM_SIZE of the parent, same parameters
    KWM_NOTHING = 0x8003,
    KWM_MODAL_OK = 0x8004,  // ends a modal wait with result 1
    KWM_MODAL_CANCEL = 0x8005,  // ends a modal wait with result 0
};

extern const char* const CLASS_KWND;

// Background colour meaning: paint straight into the window's context, without a memory context.
constexpr COLORREF KWND_DIRECT_BACKGROUND = 0xFF000001;

class KWnd {
public:
    KWnd();
    virtual ~KWnd();
    KWnd(const KWnd&) = delete;
    KWnd& operator=(const KWnd&) = delete;

    // The class's window procedure routes to this. Default handling: see KWnd.cpp.
    virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);

    static bool RegisterClass(HINSTANCE instance);
    static void UnregisterClass(HINSTANCE instance);
    static KWnd* FindByHandle(HWND hwnd);
    static int RegisteredCount();

    // rect: left, top, right, bottom (all 0 when null). The window is shown only after the
    // KWM_CREATED answer, when WS_VISIBLE is in the style. False when a window exists already.
    bool Create(const char* title, DWORD style, DWORD exStyle, const RECT* rect, HWND parent, HMENU menuOrId,
                LPARAM createData = 0, HINSTANCE instance = nullptr);
    bool Destroy();
    void Center(bool onParent);
    KString GetText() const;

    // The main window's way out: its WM_DESTROY (the user closing it, Alt+F4, DestroyWindow) posts
    // WM_QUIT(0) so that the message loop ends. Deleting the object does not post it.
    void SetQuitOnDestroy(bool quit) { quitOnDestroy_ = quit; }
    bool QuitOnDestroy() const { return quitOnDestroy_; }

    HWND Handle() const { return hwnd_; }
    int Kind() const { return kind_; }
    void SetKind(int kind) { kind_ = kind; }
    COLORREF BackgroundColor() const { return background_; }
    void SetBackgroundColor(COLORREF color) { background_ = color; }
    HFONT Font() const { return font_; }
    void SetCursor(HCURSOR cursor) { cursor_ = cursor; }
    void SetTrackSize(int minWidth, int minHeight, int maxWidth, int maxHeight);
    void SetScrollSteps(int vLine, int vPage, int hLine, int hPage);

    // Modal wait: BeginModal raises the waiting flag; EndModal, KWM_MODAL_OK/CANCEL or the
    // window's destruction lower it and leave the result.
    void BeginModal();
    void EndModal(int result);
    bool ModalWaiting() const { return modalWaiting_; }
    int ModalResult() const { return modalResult_; }

    // Thin wrappers on the handle.
    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
    bool GetWindowRect(RECT* rect) const;
    bool Move(int x, int y, int width, int height, bool repaint = true) const;
    bool ScreenToClient(POINT* pt) const;
    bool ClientToScreen(RECT* rect) const;
    bool ScreenToClient(RECT* rect) const;
    bool Invalidate(const RECT* rect = nullptr, bool erase = true) const;
    bool Validate(const RECT* rect = nullptr) const;
    int SetScrollPos(int bar, int pos, bool redraw = true) const;
    bool GetScrollRange(int bar, int* minPos, int* maxPos) const;
    HMENU GetMenu() const;
    bool Redraw(const RECT* rect = nullptr, HRGN region = nullptr, UINT flags = RDW_INVALIDATE | RDW_ERASE) const;
    bool SetPosition(int x, int y) const;
    int ClientWidth() const;
    int ClientHeight() const;
    int Width() const;
    int Height() const;
    int GetCheck() const;
    void SetCheck(int state) const;
    POINT ClientOrigin() const;  // the client area's top left within the window rectangle

private:
    friend LRESULT CALLBACK KWndProc(HWND, UINT, WPARAM, LPARAM);
    void ResetFields();
    // Pre-handling of the library; true with *result when the message is handled here.
    bool PreHandle(UINT msg, WPARAM wp, LPARAM& lp, LRESULT* result);
    void PaintBackground(HDC dc) const;
    void ReleaseEraseContext();
    LRESULT Scroll(int bar, WORD code, int thumb);

    RECT workArea_{};
    HWND hwnd_ = nullptr;
    int kind_ = 0;
    int minTrackWidth_ = 0, minTrackHeight_ = 0, maxTrackWidth_ = -1, maxTrackHeight_ = -1;
    int eraseDepth_ = 0;
    HDC eraseDC_ = nullptr;  // memory context of the erase in progress
    HBITMAP eraseBitmap_ = nullptr;
    HGDIOBJ eraseOldBitmap_ = nullptr;
    int vLine_ = 1, vPage_ = 10, hLine_ = 1, hPage_ = 10;
    bool modalWaiting_ = false;
    int modalResult_ = 0;
    HCURSOR cursor_ = nullptr;
    HFONT font_ = nullptr;
    COLORREF background_ = 0xFF000000;
    bool quitOnDestroy_ = false;
};
