// CAnimCtrl: the window of an Animation object. It shows one frame of its list at a time, centred
// on its background colour and optionally without a transparent colour, and steps through the
// frames on a timer, forwards or backwards, once or in a loop. While notifying, its mouse and
// focus messages go to its owner as WM_COMMAND notices (control id, message in the high word).
// Windows only; the file format, frame list and playing rules are platform-free.
#pragma once

#include "anim_frames.h"
#include "anim_playback.h"
#include "fw_file.h"
#include "fw_wnd.h"
#include "image_bitmap.h"
#include "image_io.h"

class CAnimCtrl : public CWnd, private qbk::AnimationView {
public:
    // Notices besides the mouse and focus messages themselves.
    static constexpr UINT kMouseEntered = 7;
    static constexpr UINT kMouseLeft = 8;

    CAnimCtrl();
    // Clears the frames and destroys the window.
    ~CAnimCtrl() override;

    bool Create(DWORD style, CWnd* owner, const RECT& rect, UINT id);
    // Clearing it lets go of the mouse when the control holds it.
    void SetNotify(bool notify);

    void Play() { m_playback.Play(); }
    void PlayBackward() { m_playback.PlayBackward(); }
    void Pause() { m_playback.Pause(); }
    void Stop() { m_playback.Stop(); }
    // A negative delay is 200 ms; the timer starts again with the delay, playing or not.
    void SetDelay(int milliseconds) { m_playback.SetDelay(milliseconds); }
    // Ignored unless 0 <= index < frame count.
    void SetFrame(int index) { m_playback.SetFrame(index, GetFrameCount()); }
    void SetCurrentFrame(int index) { SetFrame(index); }
    void SetLoop(bool loop) { m_playback.SetLoop(loop); }

    int GetCurrentFrame() const { return m_playback.Frame(); }
    int GetDelay() const { return m_playback.Delay(); }
    bool IsLooping() const { return m_playback.Loop(); }
    bool IsPlaying() const { return m_playback.Playing(); }
    bool IsForward() const { return m_playback.Forward(); }

    COLORREF GetBackColor() const { return m_backColor; }
    void SetBackColor(COLORREF colour) { m_backColor = colour; }
    // -1: none.
    int GetTransparentColor() const { return m_transparentColor; }
    void SetTransparentColor(int colour) { m_transparentColor = colour; }

    // Null outside the list.
    CImageBitmap* GetFrame(int index) const { return m_frames.Get(index); }
    int GetFrameCount() const { return m_frames.Count(); }
    // A copy of the image before index (-1: at the end); false for an index outside -1..count or
    // an image without a bitmap.
    bool InsertFrame(int index, const CImageBitmap* image);
    bool RemoveFrame(int index) { return m_frames.Remove(index); }
    // The moved frame's new index, or -1 when nothing moves.
    int MoveFrame(int from, int to) { return m_frames.Move(from, to); }
    // Stops, deletes every frame and redraws.
    void ClearFrames();
    void RemoveAll() { ClearFrames(); }

    // Reading replaces the frames and takes the file's delay; a damaged file keeps the frames
    // read before the damage.
    bool LoadFile(const char* fileName);
    // From the stream's start; the stream is left where it was.
    bool LoadStream(CFile* stream);
    // Nothing is written unless every frame could be encoded.
    bool SaveFile(const char* fileName) const;
    // Replaces the stream's content and rewinds it.
    bool SaveStream(CFile* stream) const;

    void Redraw() override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void StartTimer(int milliseconds) override;
    void StopTimer() override;
    void Paint();
    // Sends a notice to the owner; false when the control is not notifying.
    bool Notify(UINT code, HWND to);
    void TrackMouse();
    bool DecodeFrame(const uint8_t* png, size_t size);
    bool EncodeFrame(int index, qbk::ByteWriter& png) const;
    // Clears the frames, then read(decode, &delay) hands the file's frames to decode.
    template <class Read>
    bool Load(Read read);

    HWND m_owner = nullptr;
    UINT m_id = 0;
    COLORREF m_backColor = RGB(255, 255, 255);
    int m_transparentColor = -1;
    qbk::AnimationFrames<CImageBitmap> m_frames;
    qbk::AnimationPlayback m_playback;
    bool m_notify = false;
};
