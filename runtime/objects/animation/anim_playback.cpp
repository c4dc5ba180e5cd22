#include "anim_playback.h"

#include "anim_format.h"

namespace qbk {

void AnimationPlayback::Start(bool forward)
{
    forward_ = forward;
    playing_ = true;
    view_->StartTimer(delay_);
    view_->Redraw();
}

void AnimationPlayback::Halt()
{
    view_->StopTimer();
    playing_ = false;
}

void AnimationPlayback::Pause() { Halt(); }

void AnimationPlayback::Stop()
{
    Halt();
    frame_ = 0;
    forward_ = true;
}

void AnimationPlayback::SetDelay(int milliseconds)
{
    TakeDelay(milliseconds);
    view_->StartTimer(delay_);
    view_->Redraw();
}

void AnimationPlayback::TakeDelay(int milliseconds) { delay_ = milliseconds < 0 ? kDefaultAnimDelay : milliseconds; }

void AnimationPlayback::SetFrame(int index, int count)
{
    if (index < 0 || index >= count) return;
    frame_ = index;
    view_->Redraw();
}

void AnimationPlayback::Tick(int count)
{
    if (!playing_) return;
    if (count <= 0) {
        // Nothing to show: no frame index can be right but 0.
        frame_ = 0;
        if (!loop_) Halt();
        return;
    }
    frame_ += forward_ ? 1 : -1;
    if (frame_ >= count) {
        if (!forward_) {
            frame_ = count - 1;  // frames were removed from under it
        } else if (loop_) {
            frame_ = 0;
        } else {
            frame_ = count - 1;
            Halt();
        }
    } else if (frame_ < 0) {
        if (loop_) {
            frame_ = count - 1;
        } else {
            frame_ = 0;
            Halt();
        }
    }
    view_->Redraw();
}

}  // namespace qbk
