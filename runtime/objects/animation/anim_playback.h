// The playing state of an animation control: current frame, delay, direction, loop and the
// stepping on each timer tick. The window plugs its timer and repainting in through the view.
#pragma once

namespace qbk {

constexpr int kAnimTimerId = 6;

class AnimationView {
public:
    virtual ~AnimationView() = default;
    // Starts the frame timer, or starts it again, with the period.
    virtual void StartTimer(int milliseconds) = 0;
    virtual void StopTimer() = 0;
    virtual void Redraw() = 0;
};

class AnimationPlayback {
public:
    explicit AnimationPlayback(AnimationView* view) : view_(view) {}

    void Play() { Start(true); }
    void PlayBackward() { Start(false); }
    // The current frame stays.
    void Pause();
    // Back to frame 0, forwards; the window is not redrawn.
    void Stop();
    // A negative delay is the default; the timer starts again with it, playing or not.
    void SetDelay(int milliseconds);
    // A delay read from a file: stored only; a running timer keeps its period until the next
    // play or delay change.
    void TakeDelay(int milliseconds);
    // Ignored unless 0 <= index < count.
    void SetFrame(int index, int count);
    // One timer tick over count frames: the next frame, turning round or stopping at the ends.
    void Tick(int count);

    void SetLoop(bool loop) { loop_ = loop; }
    bool Loop() const { return loop_; }
    int Frame() const { return frame_; }
    int Delay() const { return delay_; }
    bool Playing() const { return playing_; }
    bool Forward() const { return forward_; }

private:
    void Start(bool forward);
    void Halt();

    AnimationView* view_;
    int frame_ = 0;
    int delay_ = 200;
    bool loop_ = true;
    bool forward_ = true;
    bool playing_ = false;
};

// Where a frame of the size goes so that it is centred in the rectangle (it may lie outside).
inline void CentreFrame(int left, int top, int right, int bottom, int width, int height, int* x, int* y)
{
    *x = (left + right) / 2 - width / 2;
    *y = (top + bottom) / 2 - height / 2;
}

}  // namespace qbk
