// Media files (type 38), DVDs (type 44) and videos in their own window (type 73).
#include "command_table.h"

namespace {

constexpr CommandEntry kMediaPlayer[] = {
    {2, "Media_Close"},  // after the shared commands 0 and 1
    {3, "MediaPlayer_GetPosition"},
    {4, "MediaPlayer_GetDuration"},
    {5, "Media_IsPaused"},
    {6, "Media_IsPlaying"},
    {7, "MediaPlayer_Open"},
    {8, "Media_Pause"},
    {9, "Media_Play"},
    {10, "MediaPlayer_SetPosition"},
    {11, "Media_Stop"},
};
static_assert(NumbersOwnCommands(kMediaPlayer, qbk::TypeMediaPlayer, 11));

constexpr CommandEntry kDvdPlayer[] = {
    {2, "DvdPlayer_Open"},  // after the shared commands 0 and 1
    {3, "DvdPlayer_Close"},        {4, "DvdPlayer_GetCounter"},
    {5, "DvdPlayer_GetHeight"},    {6, "DvdPlayer_GetWidth"},
    {7, "DvdPlayer_IsFullScreen"}, {8, "DvdPlayer_NextChapter"},
    {9, "DvdPlayer_PlayPause"},    {10, "DvdPlayer_ShowVideo"},
    {11, "DvdPlayer_PlayChapter"}, {12, "DvdPlayer_PreviousChapter"},
    {13, "DvdPlayer_Menu"},        {14, "DvdPlayer_ToggleFullScreen"},
};
static_assert(NumbersOwnCommands(kDvdPlayer, qbk::TypeDvdPlayer, 14));

constexpr CommandEntry kVideoPlayer[] = {
    {31, "Media_Close"},  // after the shared commands 0 to 30
    {32, "VideoPlayer_SetSound"},
    {33, "VideoPlayer_SetKeepAspect"},
    {34, "VideoPlayer_GetPosition"},
    {35, "VideoPlayer_GetVideoHeight"},
    {36, "VideoPlayer_GetVideoWidth"},
    {37, "VideoPlayer_GetDuration"},
    {38, "VideoPlayer_GetRate"},
    {39, "VideoPlayer_IsFullScreen"},
    {40, "Media_IsPaused"},
    {41, "Media_IsPlaying"},
    {42, "VideoPlayer_Open"},
    {43, "Media_Pause"},
    {44, "Media_Play"},
    {45, "VideoPlayer_SetPosition"},
    {46, "VideoPlayer_SetFullScreen"},
    {47, "VideoPlayer_SetRate"},
    {48, "Media_Stop"},
};
static_assert(NumbersOwnCommands(kVideoPlayer, qbk::TypeVideoPlayer, 48));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMediaPlayer, kMediaPlayer),
                                  OwnCommands(qbk::TypeDvdPlayer, kDvdPlayer),
                                  OwnCommands(qbk::TypeVideoPlayer, kVideoPlayer)};

}  // namespace

extern const CommandFamily kMediaDvdVideoFamily("MediaPlayer, DvdPlayer and VideoPlayer", kLists);
