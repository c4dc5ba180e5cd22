// The meshes of track pieces on the 3D device: the tunnel (wall, fixed blocks, turbo arrows, sign),
// one mesh per pushable block and one per gem.
#pragma once

#include "track_piece_meshes.h"

#include <functional>

class KDevice3D;
class KMesh;
struct KTexture;

// The game's textures by their index in "image.dat" (null when there is none).
using TrackTextures = std::function<KTexture*(int index)>;

class TrackMeshes : public TrackPieceMeshes {
public:
    TrackMeshes(KDevice3D* device, TrackTextures textures);
    // The device owns meshes until they are removed: a piece takes its own with it.
    ~TrackMeshes() override;

    void Build(const TrackPiece& piece, int signTexture) override;
    void Place(const TrackPiece& piece) override;
    void Show(const TrackPiece& piece, bool visible) override;
    void PaintTurbo(const TrackPiece& piece, int column) override;
    void HideGem(int facet) override;
    void PushBlock(const TrackPiece& piece, int column) override;
    void ResetGems(const TrackPiece& piece) override;
    void ResetBlocks(const TrackPiece& piece) override;

    KMesh* Tunnel() const { return tunnel_; }
    KMesh* Block(int column) const;
    KMesh* GemMesh(int facet) const;

    static constexpr double kPushMilliseconds = 1000.0;

private:
    void Free();
    KTexture* Texture(int index) const { return textures_ ? textures_(index) : nullptr; }
    void SetFrontTexture(KMesh* block, int texture);

    KDevice3D* device_;
    TrackTextures textures_;
    KMesh* tunnel_ = nullptr;
    KMesh* blocks_[32] = {};  // by column
    KMesh* gems_[32] = {};  // by facet
};

class TrackMeshMaker : public TrackMeshFactory {
public:
    TrackMeshMaker(KDevice3D* device, TrackTextures textures) : device_(device), textures_(std::move(textures)) {}
    std::unique_ptr<TrackPieceMeshes> CreatePieceMeshes() override;

private:
    KDevice3D* device_;
    TrackTextures textures_;
};
