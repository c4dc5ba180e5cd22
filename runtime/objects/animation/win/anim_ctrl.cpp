#include "anim_ctrl.h"

#include <memory>

#include "anim_file_io.h"
#include "fw_dc.h"

namespace {

const char kClassName[] = "QUILLBRICKANIMATION";

// The class of the control's windows: double clicks reach it, and it paints all of its area.
bool RegisterAnimationClass()
{
    static const bool registered = RegisterFrameworkClass(kClassName, CS_DBLCLKS);
    return registered;
}

}  // namespace

CAnimCtrl::CAnimCtrl() : m_playback(this) {}

CAnimCtrl::~CAnimCtrl()
{
    m_frames.Clear();
    DestroyWindow();
}

bool CAnimCtrl::Create(DWORD style, CWnd* owner, const RECT& rect, UINT id)
{
    m_owner = owner ? owner->GetSafeHwnd() : nullptr;
    m_id = id;
    return RegisterAnimationClass() &&
           CreateEx(0, kClassName, "", style, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                    m_owner, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
}

void CAnimCtrl::SetNotify(bool notify)
{
    m_notify = notify;
    if (!notify && m_hWnd && ::GetCapture() == m_hWnd) ::ReleaseCapture();
}

bool CAnimCtrl::InsertFrame(int index, const CImageBitmap* image)
{
    if (!image || !image->GetSafeHandle() || index < -1 || index > GetFrameCount()) return false;
    auto copy = std::make_unique<CImageBitmap>();
    copy->Assign(*image);
    return copy->GetSafeHandle() && m_frames.Insert(index, std::move(copy));
}

void CAnimCtrl::ClearFrames()
{
    m_playback.Stop();
    m_frames.Clear();
    if (m_hWnd) Redraw();
}

bool CAnimCtrl::DecodeFrame(const uint8_t* png, size_t size)
{
    CMemFile file(const_cast<BYTE*>(png), UINT(size));
    auto frame = std::make_unique<CImageBitmap>();
    if (!frame->LoadPng(&file)) return false;
    m_frames.Append(std::move(frame));
    return true;
}

bool CAnimCtrl::EncodeFrame(int index, qbk::ByteWriter& png) const
{
    const CImageBitmap* frame = GetFrame(index);
    CMemFile file;
    if (!frame || !frame->SavePngStream(&file)) return false;
    return png.Write(file.Data(), size_t(file.GetLength()));
}

template <class Read>
bool CAnimCtrl::Load(Read read)
{
    ClearFrames();
    int delay = 0;
    if (!read([this](const uint8_t* png, size_t size) { return DecodeFrame(png, size); }, &delay)) return false;
    m_playback.TakeDelay(delay);
    return true;
}

bool CAnimCtrl::LoadFile(const char* fileName)
{
    return Load([fileName](const qbk::AnimFrameDecoder& decode, int* delay) {
        return qbk::LoadAnimationFile(fileName, decode, delay);
    });
}

bool CAnimCtrl::LoadStream(CFile* stream)
{
    if (!stream) return false;
    return Load([stream](const qbk::AnimFrameDecoder& decode, int* delay) {
        return qbk::LoadAnimationStream(stream, decode, delay);
    });
}

bool CAnimCtrl::SaveFile(const char* fileName) const
{
    return qbk::SaveAnimationFile(fileName, GetFrameCount(), GetDelay(),
                                  [this](int index, qbk::ByteWriter& png) { return EncodeFrame(index, png); });
}

bool CAnimCtrl::SaveStream(CFile* stream) const
{
    return qbk::SaveAnimationStream(stream, GetFrameCount(), GetDelay(),
                                    [this](int index, qbk::ByteWriter& png) { return EncodeFrame(index, png); });
}

void CAnimCtrl::StartTimer(int milliseconds)
{
    if (!m_hWnd) return;
    ::KillTimer(m_hWnd, qbk::kAnimTimerId);
    ::SetTimer(m_hWnd, qbk::kAnimTimerId, UINT(milliseconds), nullptr);
}

void CAnimCtrl::StopTimer()
{
    if (m_hWnd) ::KillTimer(m_hWnd, qbk::kAnimTimerId);
}

void CAnimCtrl::Redraw()
{
    if (m_hWnd) ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void CAnimCtrl::Paint()
{
    PAINTSTRUCT paint;
    HDC target = ::BeginPaint(m_hWnd, &paint);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    CImageBitmap* frame = GetFrame(GetCurrentFrame());
    CDC screen;
    screen.Attach(target);
    if (!frame) {
        screen.FillSolidRect(&client, m_backColor);
    } else {
        // Off screen first, so that the window never shows the background without the frame.
        CImageBitmap canvas;
        std::unique_ptr<CDC> dc;
        if (canvas.CreateCompatible(&screen, client.right, client.bottom)) dc.reset(canvas.CreateMemDC(&screen));
        if (dc) {
            dc->FillSolidRect(&client, m_backColor);
            const CSize size = frame->GetSize();
            int x = 0, y = 0;
            qbk::CentreFrame(client.left, client.top, client.right, client.bottom, size.cx, size.cy, &x, &y);
            if (m_transparentColor != -1) {
                frame->SetTransparentColor(COLORREF(m_transparentColor));
                frame->DrawTransparent(dc.get(), x, y, size.cx, size.cy, false);
            } else {
                frame->Draw(dc.get(), x, y, size.cx, size.cy, false);
            }
            screen.BitBlt(0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
        }
    }
    screen.Detach();
    ::EndPaint(m_hWnd, &paint);
}

bool CAnimCtrl::Notify(UINT code, HWND to)
{
    if (!m_notify) return false;
    ::SendMessageA(to, WM_COMMAND, MAKEWPARAM(m_id, code), reinterpret_cast<LPARAM>(m_hWnd));
    return true;
}

void CAnimCtrl::TrackMouse()
{
    const HWND parent = ::GetParent(m_hWnd);
    if (::GetCapture() != m_hWnd) {
        Notify(kMouseEntered, parent);
        ::SetCapture(m_hWnd);
    } else {
        POINT cursor;
        ::GetCursorPos(&cursor);
        if (::WindowFromPoint(cursor) != m_hWnd) {
            ::ReleaseCapture();
            Notify(kMouseLeft, parent);
        }
    }
    Notify(WM_MOUSEMOVE, m_owner);
}

LRESULT CAnimCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: Paint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_TIMER:
        if (wParam != qbk::kAnimTimerId) break;
        m_playback.Tick(GetFrameCount());
        return 0;
    case WM_MOUSEMOVE:
        if (!m_notify) break;
        TrackMouse();
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (m_notify) Notify(message, m_owner);
        break;
    default:
        if (IsMouseButtonMessage(message) && Notify(message, m_owner)) return 0;
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}
