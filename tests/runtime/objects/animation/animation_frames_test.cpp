#include "anim_frames.h"
#include "anim_playback.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace qbk;

namespace {

struct Tag {
    char name;
};

using Frames = AnimationFrames<Tag>;

Frames Named(const std::string& names)
{
    Frames frames;
    for (char c : names) frames.Append(std::make_unique<Tag>(Tag{c}));
    return frames;
}

std::string Names(const Frames& frames)
{
    std::string out;
    for (int i = 0; i < frames.Count(); ++i) out += frames.Get(i)->name;
    return out;
}

class RecordingView : public AnimationView {
public:
    void StartTimer(int milliseconds) override { log.push_back("start " + std::to_string(milliseconds)); }
    void StopTimer() override { log.push_back("stop"); }
    void Redraw() override { log.push_back("redraw"); }
    std::vector<std::string> Take()
    {
        std::vector<std::string> out;
        out.swap(log);
        return out;
    }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

}  // namespace

TEST(AnimFrames, InsertTakesMinusOneToZeroThroughCount)
{
    struct Case {
        int index;
        bool ok;
        const char* after;
    } cases[] = {{-1, true, "abcX"}, {0, true, "Xabc"},  {3, true, "abcX"},
                 {1, true, "aXbc"},  {-2, false, "abc"}, {4, false, "abc"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        Frames frames = Named("abc");
        EXPECT_EQ(frames.Insert(c.index, std::make_unique<Tag>(Tag{'X'})), c.ok);
        EXPECT_EQ(Names(frames), c.after);
    }
    Frames frames = Named("abc");
    EXPECT_FALSE(frames.Insert(0, nullptr));
    EXPECT_EQ(frames.Count(), 3);
}

TEST(AnimFrames, RemoveAndGetAnswerOnlyInsideTheList)
{
    Frames frames = Named("abcd");
    EXPECT_FALSE(frames.Remove(-1));
    EXPECT_FALSE(frames.Remove(4));
    EXPECT_TRUE(frames.Remove(1));
    EXPECT_EQ(Names(frames), "acd");
    EXPECT_EQ(frames.Get(-1), nullptr);
    EXPECT_EQ(frames.Get(3), nullptr);
    EXPECT_EQ(frames.Get(2)->name, 'd');
    frames.Clear();
    EXPECT_EQ(frames.Count(), 0);
}

TEST(AnimFrames, MovingAFrameKeepsTheSameFrame)
{
    struct Case {
        int from, to, result;
        const char* after;
    } cases[] = {
        {0, 3, 2, "bcade"},  {3, 0, 0, "dabce"},  {4, 1, 1, "aebcd"},   {1, -1, 4, "acdeb"}, {1, 99, 4, "acdeb"},
        {0, 0, -1, "abcde"}, {5, 0, -1, "abcde"}, {-1, 2, -1, "abcde"}, {4, 5, 4, "abcde"},  {2, 3, 2, "abcde"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " to " + std::to_string(c.to));
        Frames frames = Named("abcde");
        Tag* moving = frames.Get(c.from);
        const int result = frames.Move(c.from, c.to);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(Names(frames), c.after);
        if (result >= 0) {
            EXPECT_EQ(frames.Get(result), moving);  // the very frame, not a copy or a freed one
        }
    }
}

TEST(AnimPlayback, PlayingStartsTheTimerWithTheDelay)
{
    RecordingView view;
    AnimationPlayback playback(&view);
    EXPECT_EQ(playback.Delay(), 200);
    EXPECT_TRUE(playback.Loop());
    EXPECT_FALSE(playback.Playing());
    playback.Play();
    EXPECT_EQ(view.Take(), (Log{"start 200", "redraw"}));
    EXPECT_TRUE(playback.Forward());
    playback.PlayBackward();
    EXPECT_EQ(view.Take(), (Log{"start 200", "redraw"}));
    EXPECT_FALSE(playback.Forward());
    EXPECT_TRUE(playback.Playing());
}

TEST(AnimPlayback, DelayRules)
{
    RecordingView view;
    AnimationPlayback playback(&view);
    playback.SetDelay(-5);
    EXPECT_EQ(playback.Delay(), 200);
    EXPECT_EQ(view.Take(), (Log{"start 200", "redraw"}));  // also when not playing
    playback.SetDelay(40);
    EXPECT_EQ(view.Take(), (Log{"start 40", "redraw"}));
    playback.TakeDelay(-1);
    EXPECT_EQ(playback.Delay(), 200);
    playback.TakeDelay(90);
    EXPECT_EQ(playback.Delay(), 90);
    EXPECT_EQ(view.Take(), Log());  // a delay from a file waits for the next play
}

TEST(AnimPlayback, TicksStepTurnRoundOrStopAtTheEnds)
{
    struct Case {
        const char* name;
        bool backward;
        bool loop;
        int start;
        std::vector<int> frames;  // after each tick
        bool playingAfter;
    } cases[] = {
        {"forward loop", false, true, 1, {2, 0, 1}, true},
        {"forward once stops on the last", false, false, 1, {2, 2, 2}, false},
        {"backward loop", true, true, 1, {0, 2, 1}, true},
        {"backward once stops on 0", true, false, 1, {0, 0, 0}, false},
        {"backward once from 0 stops at once", true, false, 0, {0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingView view;
        AnimationPlayback playback(&view);
        playback.SetLoop(c.loop);
        playback.SetFrame(c.start, 3);
        c.backward ? playback.PlayBackward() : playback.Play();
        view.Take();
        for (int expected : c.frames) {
            playback.Tick(3);
            EXPECT_EQ(playback.Frame(), expected);
        }
        EXPECT_EQ(playback.Playing(), c.playingAfter);
        Log log = view.Take();
        EXPECT_EQ(std::count(log.begin(), log.end(), "stop"), c.playingAfter ? 0 : 1);
    }
}

TEST(AnimPlayback, PauseKeepsTheFrameStopGoesBackToTheStart)
{
    RecordingView view;
    AnimationPlayback playback(&view);
    playback.PlayBackward();
    playback.SetFrame(2, 4);
    playback.Pause();
    EXPECT_EQ(playback.Frame(), 2);
    EXPECT_FALSE(playback.Playing());
    view.Take();
    playback.Tick(4);  // ticks while not playing do nothing
    EXPECT_EQ(playback.Frame(), 2);
    EXPECT_EQ(view.Take(), Log());
    playback.Stop();
    EXPECT_EQ(playback.Frame(), 0);
    EXPECT_TRUE(playback.Forward());
    EXPECT_EQ(view.Take(), (Log{"stop"}));  // no redraw
}

TEST(AnimPlayback, SetFrameIgnoresIndicesOutsideTheList)
{
    RecordingView view;
    AnimationPlayback playback(&view);
    for (int index : {-1, 3, 4}) playback.SetFrame(index, 3);
    EXPECT_EQ(playback.Frame(), 0);
    EXPECT_EQ(view.Take(), Log());
    playback.SetFrame(2, 3);
    EXPECT_EQ(playback.Frame(), 2);
    EXPECT_EQ(view.Take(), (Log{"redraw"}));
}

TEST(AnimPlayback, FramesRemovedUnderThePlayerLeaveAValidIndex)
{
    RecordingView view;
    AnimationPlayback playback(&view);
    playback.SetFrame(6, 8);
    playback.PlayBackward();
    playback.Tick(3);  // the list shrank to 3
    EXPECT_EQ(playback.Frame(), 2);
    playback.Play();
    playback.SetFrame(2, 3);
    playback.Tick(2);
    EXPECT_EQ(playback.Frame(), 0);
    playback.Tick(0);  // no frames at all
    EXPECT_EQ(playback.Frame(), 0);
    EXPECT_TRUE(playback.Playing());
    playback.SetLoop(false);
    playback.Tick(0);
    EXPECT_FALSE(playback.Playing());
}

TEST(AnimPlayback, AFrameIsCentredAndMayStandOutOnEverySide)
{
    struct Case {
        int left, top, right, bottom, width, height, x, y;
    } cases[] = {
        {0, 0, 100, 50, 10, 10, 45, 20},
        {0, 0, 101, 51, 11, 11, 45, 20},
        {0, 0, 20, 20, 40, 60, -10, -20},
        {10, 5, 30, 25, 4, 4, 18, 13},
    };
    for (const Case& c : cases) {
        int x = 0, y = 0;
        CentreFrame(c.left, c.top, c.right, c.bottom, c.width, c.height, &x, &y);
        EXPECT_EQ(x, c.x);
        EXPECT_EQ(y, c.y);
    }
}
