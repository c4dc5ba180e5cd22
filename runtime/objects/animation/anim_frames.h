// The frame list of an animation: owned frames in playing order, edited by index.
#pragma once

#include <memory>
#include <utility>
#include <vector>

namespace qbk {

template <class Frame>
class AnimationFrames {
public:
    int Count() const { return int(frames_.size()); }
    // Null outside the list.
    Frame* Get(int index) const { return InRange(index) ? frames_[size_t(index)].get() : nullptr; }

    void Append(std::unique_ptr<Frame> frame)
    {
        if (frame) frames_.push_back(std::move(frame));
    }
    // Before index, or at the end for -1; false for a null frame or an index outside -1..count.
    bool Insert(int index, std::unique_ptr<Frame> frame)
    {
        if (!frame || index < -1 || index > Count()) return false;
        if (index == -1) index = Count();
        frames_.insert(frames_.begin() + index, std::move(frame));
        return true;
    }
    bool Remove(int index)
    {
        if (!InRange(index)) return false;
        frames_.erase(frames_.begin() + index);
        return true;
    }
    // Moves a frame so that it lands before the frame that stood at to (to below 0 or past the
    // end: to the end). Answers its new index, or -1 when nothing moves.
    int Move(int from, int to)
    {
        const int count = Count();
        if (from < 0 || from >= count) return -1;
        if (to < 0 || to > count) to = count;
        if (from == to) return -1;
        std::unique_ptr<Frame> frame = std::move(frames_[size_t(from)]);
        frames_.erase(frames_.begin() + from);
        const int landing = from < to ? to - 1 : to;
        frames_.insert(frames_.begin() + landing, std::move(frame));
        return landing;
    }
    void Clear() { frames_.clear(); }

private:
    bool InRange(int index) const { return index >= 0 && index < Count(); }

    std::vector<std::unique_ptr<Frame>> frames_;
};

}  // namespace qbk
