#include "level.h"

#include "KStream.h"
#include "track.h"

namespace {

const char kFillerRow[] = "................................";

}  // namespace

bool Level::Build(Track& track, const LevelText& level)
{
    track.DeletePieces();
    track.SetTimeLimits(level.timeLimits[0], level.timeLimits[1], level.timeLimits[2]);
    for (int limit : level.timeLimits) {
        if (limit < 0) return false;
    }
    const int rows = static_cast<int>(level.rows.size());
    const int count = rows + kFillersBefore + kFillersAfter;
    const int first = kFillersBefore;
    const int last = count - kFillersAfter - 1;  // one before the first row when there is none
    for (int i = 0; i < count; ++i) {
        const LevelRow* row = i >= first && i - first < rows ? &level.rows[static_cast<size_t>(i - first)] : nullptr;
        int sign = kTexNone;
        int kind = TrackPiece::kPlain;
        if (row && row->IsCheckpoint()) {
            sign = kTexCheckpointSign;
            kind = TrackPiece::kCheckpoint;
        } else if (i == first) {
            sign = kTexStartSign;
            kind = TrackPiece::kStart;
        } else if (i == last) {
            sign = kTexFinishSign;
            kind = TrackPiece::kFinish;
        }
        TrackPiece* piece = track.AddPiece(row ? row->cells : kFillerRow, sign);
        piece->SetKind(kind);
        if (row && row->IsCheckpoint()) piece->SetCheckpoint(row->bonus[0], row->bonus[1], row->bonus[2]);
        piece->SetZ(TrackGeometry::kPieceLength * i);
    }
    for (int r = 0; r < rows; ++r) {
        const int i = first + r;
        for (int column = 0; column < LevelRow::kLength; ++column) {
            if (level.rows[static_cast<size_t>(r)].cells[column] != '^') continue;
            for (int part = 0; part < 3; ++part) {
                if (TrackPiece* piece = track.GetPiece(i - 1 + part)) piece->MarkTurbo(column, part);
            }
        }
    }
    return true;
}

bool Level::ParseText(Track& track, const char* text, size_t size) { return Build(track, ReadLevelText(text, size)); }

bool Level::Parse(Track& track, KStream* stream)
{
    if (!stream) return false;
    track.DeletePieces();
    stream->Seek(0);
    KString text;
    stream->ReadText(text, -1);
    return ParseText(track, text.c_str(), static_cast<size_t>(text.Length()));
}
