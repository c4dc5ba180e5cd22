#include "track_meshes.h"

#include "KDevice3D.h"
#include "KMesh.h"
#include "track_geometry.h"
#include "track_piece.h"

#include <vector>

namespace {

void AddTriangles(KMesh* mesh, const TrackTriangle* triangles, size_t count, const TrackTextures& textures)
{
    for (size_t i = 0; i < count; ++i) {
        const TrackTriangle& t = triangles[i];
        mesh->AddTriangle(t.v, t.uv, textures && t.texture >= 0 ? textures(t.texture) : nullptr);
    }
}

void AddTriangles(KMesh* mesh, const std::vector<TrackTriangle>& triangles, const TrackTextures& textures)
{
    AddTriangles(mesh, triangles.data(), triangles.size(), textures);
}

// Builders add many triangles: the buffer is made once, after the last.
KMesh* NewMesh(KDevice3D* device, const std::vector<TrackTriangle>& triangles, const TrackTextures& textures)
{
    KMesh* mesh = KMesh::Create(device);
    if (!mesh) return nullptr;
    mesh->live = false;
    AddTriangles(mesh, triangles, textures);
    mesh->live = true;
    mesh->Rebuild();
    return mesh;
}

}  // namespace

TrackMeshes::TrackMeshes(KDevice3D* device, TrackTextures textures) : device_(device), textures_(std::move(textures)) {}

TrackMeshes::~TrackMeshes() { Free(); }

void TrackMeshes::Free()
{
    if (!device_) return;
    if (tunnel_) device_->RemoveObject(tunnel_);
    tunnel_ = nullptr;
    for (KMesh*& block : blocks_) {
        if (block) device_->RemoveObject(block);
        block = nullptr;
    }
    for (KMesh*& gem : gems_) {
        if (gem) device_->RemoveObject(gem);
        gem = nullptr;
    }
}

KMesh* TrackMeshes::Block(int column) const { return column >= 0 && column < 32 ? blocks_[column] : nullptr; }

KMesh* TrackMeshes::GemMesh(int facet) const { return facet >= 0 && facet < 32 ? gems_[facet] : nullptr; }

void TrackMeshes::Build(const TrackPiece& piece, int signTexture)
{
    Free();
    std::vector<TrackTriangle> tunnel;
    for (int k = 0; k < TrackPiece::kColumns; ++k) {
        TrackTriangle facet[2];
        TrackGeometry::PlainWallFacet(k, facet);
        if (piece.IsPushable(31 - k)) facet[0].texture = facet[1].texture = kTexWallUnderBlock;
        tunnel.push_back(facet[0]);
        tunnel.push_back(facet[1]);
    }
    for (int c = 0; c < TrackPiece::kColumns; ++c) {
        if (piece.GetCell(c) == TrackPiece::kBlock && !piece.IsPushable(c))
            TrackGeometry::BlockBox(c, kTexFixedBlock, tunnel);
    }
    if (signTexture != kTexNone) TrackGeometry::Sign(signTexture, tunnel);
    tunnel_ = NewMesh(device_, tunnel, textures_);

    for (int c = 0; c < TrackPiece::kColumns; ++c) {
        if (piece.IsPushable(c)) {
            std::vector<TrackTriangle> box;
            TrackGeometry::BlockBox(c, kTexPushableBlock, box);
            blocks_[c] = NewMesh(device_, box, textures_);
        } else if (piece.GetCell(c) == TrackPiece::kGemCell) {
            std::vector<TrackTriangle> gem;
            TrackGeometry::Gem(gem);
            const int facet = TrackPiece::FacetOfColumn(c);
            gems_[facet] = NewMesh(device_, gem, textures_);
            if (gems_[facet]) {
                const TrackPoint at = TrackGeometry::GemCentre(c);
                gems_[facet]->SetPosition(at.x, at.y, at.z);
            }
        }
    }
    Place(piece);
    Show(piece, piece.IsVisible());
}

void TrackMeshes::Place(const TrackPiece& piece)
{
    const double z = piece.GetZ();
    if (tunnel_) tunnel_->SetPositionZ(z);
    for (KMesh* block : blocks_) {
        if (block) block->SetPositionZ(z);
    }
    for (KMesh* gem : gems_) {
        if (gem) gem->SetPositionZ(z + TrackGeometry::kPieceLength / 2);
    }
}

void TrackMeshes::Show(const TrackPiece& piece, bool visible)
{
    if (tunnel_) tunnel_->hidden = !visible;
    for (KMesh* block : blocks_) {
        if (block) block->hidden = !visible;
    }
    for (int facet = 0; facet < TrackPiece::kColumns; ++facet) {
        if (gems_[facet]) gems_[facet]->hidden = !visible || !piece.HasPresentGem(facet);
    }
}

void TrackMeshes::PaintTurbo(const TrackPiece& piece, int column)
{
    const TrackPiece::TurboMark mark = piece.GetTurboMark(column);
    if (!tunnel_ || !mark.painted) return;
    const int k = TrackPiece::FacetOfColumn(column);
    TrackTriangle facet[2];
    TrackGeometry::TurboWallFacet(k, mark.third, mark.part, facet);
    for (int j = 0; j < 2; ++j) {
        if (KTriangle* triangle = tunnel_->GetTriangle(2 * k + j)) {
            triangle->texture = Texture(kTexTurbo);
            tunnel_->SetTriangleUV(2 * k + j, facet[j].uv);
        }
    }
}

void TrackMeshes::HideGem(int facet)
{
    if (KMesh* gem = GemMesh(facet)) {
        gem->present = false;
        gem->hidden = true;
    }
}

void TrackMeshes::SetFrontTexture(KMesh* block, int texture)
{
    // Only the faces that meet the car change: the rest keep the pushable block's texture.
    for (int j = 0; j < 2; ++j) {
        if (KTriangle* triangle = block->GetTriangle(TrackGeometry::kBlockFrontTriangle + j))
            triangle->texture = Texture(texture);
    }
}

void TrackMeshes::PushBlock(const TrackPiece& piece, int column)
{
    KMesh* block = Block(column);
    if (!block) return;
    block->present = false;
    KVector3 target = block->GetPosition();
    target.z = piece.GetZ() + TrackGeometry::kPieceLength;
    block->MoveTo(target, kPushMilliseconds);
    SetFrontTexture(block, kTexBlockFrontPushed);
}

void TrackMeshes::ResetGems(const TrackPiece& piece)
{
    for (int facet = 0; facet < TrackPiece::kColumns; ++facet) {
        if (!gems_[facet]) continue;
        gems_[facet]->present = piece.HasPresentGem(facet);
        gems_[facet]->hidden = !piece.IsVisible() || !gems_[facet]->present;
    }
}

void TrackMeshes::ResetBlocks(const TrackPiece& piece)
{
    for (KMesh* block : blocks_) {
        if (!block) continue;
        block->present = true;
        KVector3 home = block->GetPosition();
        home.z = piece.GetZ();
        // A push still under way ends: the block is home now and stays there.
        block->SetPositionZ(home.z);
        block->MoveTo(home, 0);
        SetFrontTexture(block, kTexBlockFront);
    }
}

std::unique_ptr<TrackPieceMeshes> TrackMeshMaker::CreatePieceMeshes()
{
    return std::make_unique<TrackMeshes>(device_, textures_);
}
