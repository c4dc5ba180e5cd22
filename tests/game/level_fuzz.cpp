// Any level text builds a track (or fails cleanly) whose every piece can be asked about.
#include "level.h"
#include "track.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Track track;
    if (!Level::ParseText(track, reinterpret_cast<const char*>(data), size)) return 0;
    int gems = 0;
    for (int i = -1; i <= track.GetPieceCount(); ++i) {
        TrackPiece* piece = track.GetPiece(i);
        if (!piece) continue;
        for (int c = 0; c < TrackPiece::kColumns; ++c) {
            piece->IsSolid(c);
            track.PushBlock(i, c);
            piece->CollectGem(piece->FindGemNear(piece->GemCentre(c)));
        }
        gems += piece->GetCollectedCount();
    }
    if (gems != track.TotalGems()) __builtin_trap();
    return 0;
}
