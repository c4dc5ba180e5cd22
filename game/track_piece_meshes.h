// The drawn side of a track piece. The piece keeps the cell state and tells its meshes about every
// change; a track without meshes (tools, tests) works on the cell state alone.
#pragma once

#include <memory>

class TrackPiece;

class TrackPieceMeshes {
public:
    virtual ~TrackPieceMeshes() = default;
    // The piece's cells were (re)built: make every mesh afresh.
    virtual void Build(const TrackPiece& piece, int signTexture) = 0;
    // The piece moved along z.
    virtual void Place(const TrackPiece& piece) = 0;
    virtual void Show(const TrackPiece& piece, bool visible) = 0;
    // The turbo mark of a column changed.
    virtual void PaintTurbo(const TrackPiece& piece, int column) = 0;
    virtual void HideGem(int facet) = 0;
    virtual void PushBlock(const TrackPiece& piece, int column) = 0;
    virtual void ResetGems(const TrackPiece& piece) = 0;
    virtual void ResetBlocks(const TrackPiece& piece) = 0;
};

class TrackMeshFactory {
public:
    virtual ~TrackMeshFactory() = default;
    virtual std::unique_ptr<TrackPieceMeshes> CreatePieceMeshes() = 0;
};
