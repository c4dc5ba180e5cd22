// The level run's heads-up display: the radar, the times, gems and speed, and the panels of the
// end states and of the pause.
#include "level_run.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kRadarLines = 7;
constexpr int kRadarWidth = TrackPiece::kColumns;
constexpr int kCarPosition = 15;
constexpr char kRadarBlock = 0x7F;
constexpr char kRadarGem = static_cast<char>(0xA4);
constexpr char kRadarFloor = static_cast<char>(0xB7);
constexpr uint32_t kBonusShownMs = 3000;

}  // namespace

void LevelRun::BuildRadar(KString* layerA, KString* layerB) const
{
    constexpr int kLine = kRadarWidth + 2;
    char a[kRadarLines * kLine + 1];
    char b[kRadarLines * kLine + 1];
    const int index = Track::PieceIndexOf(camera_.z);
    const int carColumn = TrackPiece::ColumnOfAngle(angle_);
    for (int line = 0; line < kRadarLines; ++line) {
        char* rowA = a + line * kLine;
        char* rowB = b + line * kLine;
        std::fill(rowA, rowA + kRadarWidth, ' ');
        std::fill(rowB, rowB + kRadarWidth, ' ');
        rowA[kRadarWidth] = rowB[kRadarWidth] = '\r';
        rowA[kRadarWidth + 1] = rowB[kRadarWidth + 1] = '\n';
        const TrackPiece* piece = track_.GetPiece(index + 3 - line);
        if (!piece) continue;
        for (int c = 0; c < TrackPiece::kColumns; ++c) {
            // The car's column sits at position 15, whichever side of it a column lies.
            const int pos = ((c + kCarPosition - carColumn) % kRadarWidth + kRadarWidth) % kRadarWidth;
            const int cell = piece->IsSolid(c);
            if (cell == TrackPiece::kBlock)
                rowA[pos] = kRadarBlock;
            else if (cell == TrackPiece::kGemCell && piece->HasPresentGem(TrackPiece::FacetOfColumn(c)))
                rowA[pos] = kRadarGem;
            else if (c % 2 == 0)
                rowB[pos] = kRadarFloor;
        }
    }
    a[3 * kLine + kCarPosition] = '|';
    b[3 * kLine + kCarPosition] = ' ';
    a[kRadarLines * kLine] = b[kRadarLines * kLine] = 0;
    layerA->Set(a);
    layerB->Set(b);
}

void LevelRun::Draw(RunParams& params)
{
    if (!host_.device->BeginFrame(camera_)) return;
    int w = 0, h = 0;
    host_.device->GetViewport(&w, &h);
    if (host_.text) DrawDisplay(params, w, h);
    host_.device->EndFrame();
}

void LevelRun::DrawDisplay(RunParams& params, int w, int h)
{
    RunTextSink& text = *host_.text;
    const int m = static_cast<int>(w * 0.01);
    const RunRect screen{0, 0, w, h};

    KString layerA, layerB;
    BuildRadar(&layerA, &layerB);
    const RunRect radar{m, m, w, h};
    text.DrawText(0, layerA, radar, kTextLeft, kTextPalette[1]);
    text.DrawText(0, layerB, radar, kTextLeft, kTextPalette[0]);

    const int remaining = std::max(0, GetRemaining());
    text.DrawText(2, timeFormat_.Text(remaining * 10), RunRect{0, m, w, h}, kTextCentre,
                  kTextPalette[remaining > 500 ? 0 : 3]);

    const int under = m + text.FontHeight(2);
    if (const TrackPiece* checkpoint = track_.GetPiece(lastCheckpoint_)) {
        if (host_.device->LastFrame() / 100 - lastCheckpointMs_ < kBonusShownMs)
            text.DrawText(1, KString("+ ") + timeFormat_.Text(checkpoint->GetBonus(difficulty_) * 1000).c_str(),
                          RunRect{0, under, w, h}, kTextCentre, kTextPalette[2]);
    }

    KString line;
    line.Format("%d / %d Gems", gems_, totalGems_);
    text.DrawText(2, line, RunRect{0, m, w - m, h}, kTextRight, kTextPalette[0]);

    KString times = timeFormat_.Text(static_cast<int>(clock_.Elapsed()));
    if (state_ != kRunning && rank_ >= 0) {
        line.Format("\r\nNew Record (%d)", rank_ + 1);
        times.Append(line.c_str());
    }
    times.Append("\r\n");
    for (size_t i = 0; i < splits_.size(); ++i) {
        line.Format("\r\n(%d) ", static_cast<int>(i) + 1);
        times.Append(line.c_str());
        times.Append(timeFormat_.Text(splits_[i] * 10).c_str());
    }
    text.DrawText(1, times, RunRect{0, under, w - m, h}, kTextRight, kTextPalette[0]);

    line.Format("%d mph", static_cast<int>(speed_ / kMaxSpeed * 356));
    text.DrawText(4, line, RunRect{0, h - m - text.FontHeight(4), w - m, h}, kTextRight, kTextPalette[0]);

    switch (state_) {
    case kTimeOut: text.DrawText(5, "Time Out !", screen, kTextMiddle, kTextPalette[1]); break;
    case kFinished:
        text.DrawText(5, timeFormat_.Text(static_cast<int>(clock_.Elapsed())), screen, kTextMiddle, kTextPalette[1]);
        if (!startedAsReplay_) {
            line.Format("Collected Gems : %d\nGems To Collect : %d", gems_, totalGems_);
            text.DrawText(3, line, RunRect{0, h * 55 / 100, w, h}, kTextCentre, kTextPalette[0]);
            const bool completed = params.replay;
            text.DrawText(3, completed ? "LEVEL COMPLETED" : "LEVEL FAILED", RunRect{0, h * 70 / 100, w, h},
                          kTextCentre, kTextPalette[completed ? 2 : 3]);
        }
        break;
    case kPaused: {
        static const char* const kItems[3] = {"Resume", "Replay", "Back"};
        const int itemHeight = text.FontHeight(3);
        const int top = h / 2 - itemHeight * 3 / 2;
        for (int i = 0; i < 3; ++i)
            text.DrawText(3, kItems[i], RunRect{0, top + i * itemHeight, w, h}, kTextCentre,
                          kTextPalette[i == selection_ ? 2 : 1]);
        break;
    }
    default: break;
    }
}
