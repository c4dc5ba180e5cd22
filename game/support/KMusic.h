// Plays one music file through a DirectShow filter graph. The player is a hidden window, so that
// the graph can post its notices to it; at the end of the file the player starts again when looping, or
// tells a derived class that the music is over.
#pragma once

#include "KString.h"
#include "KWnd.h"

#include <windows.h>
#include <dshow.h>

#include <cstdint>

class KMusic : public KWnd {
public:
    // The graph's notice to the player's window.
    static constexpr UINT kGraphNotice = 0x8078;

    KMusic();
    ~KMusic() override;

    // Builds a graph for the file; false when the graph cannot be made or the file not rendered.
    bool Open(const KString& fileName);
    void Close();
    bool Play();
    bool Stop();
    // 0 (silent) to 100 (full volume); values outside are clamped.
    bool SetVolume(int volume);
    int GetVolume();
    // Length of the open file in milliseconds, 0 when unknown.
    uint32_t GetDuration();
    // Moves to ms (beyond the end: the end).
    bool SetPosition(uint32_t ms);
    uint32_t GetPosition();

    void SetLooping(bool looping) { looping_ = looping; }
    bool IsLooping() const { return looping_; }
    bool IsOpen() const { return open_; }
    bool IsPlaying() const { return playing_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Drains the graph's waiting events.
    virtual void OnGraphEvent();
    // The file played to its end and does not loop.
    virtual void OnComplete() {}
    // The file played to its end and started again.
    virtual void OnLoop() {}

private:
    bool open_ = false;
    IGraphBuilder* graph_ = nullptr;
    IMediaControl* control_ = nullptr;
    IMediaSeeking* seeking_ = nullptr;
    IMediaEventEx* events_ = nullptr;
    IBasicAudio* audio_ = nullptr;
    bool playing_ = false;
    bool paused_ = false;
    bool looping_ = false;
    // Changes whenever the graph is released, so that event draining notices a new file.
    uint32_t graphGeneration_ = 0;
};
