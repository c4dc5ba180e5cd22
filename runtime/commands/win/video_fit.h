// What a video object's part does when its window changes size through a command: it fits the
// picture to the new client area.
#pragma once

class VideoFitting {
public:
    virtual ~VideoFitting() = default;
    virtual void FitVideoWindow() = 0;
};
