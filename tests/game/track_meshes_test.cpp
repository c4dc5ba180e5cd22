// The meshes of track pieces on a real Direct3D 9 device under Wine: triangles, textures, texture
// coordinates, placement, pushes and gems, and what the back buffer shows from inside the tunnel.
#include "KCamera.h"
#include "KDevice3D.h"
#include "KMesh.h"
#include "level.h"
#include "track.h"
#include "track_meshes.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace zvtest;

namespace {

const int kWidth = 320, kHeight = 240;

class TrackMeshTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = CreateTestWindow(kWidth, kHeight, "track");
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(device.Init(window, nullptr));
        device.Camera()->aspect = double(kWidth) / kHeight;
        // Textures without images: distinct objects, drawn as plain lit white.
        for (int i = 0; i < 20; ++i) textures.push_back(device.LoadTexture(nullptr, 0));
    }
    void TearDown() override
    {
        device.FreeAll();
        DestroyWindow(window);
    }

    KTexture* Tex(int index) const { return textures[static_cast<size_t>(index)]; }
    static TrackMeshes* MeshesOf(TrackPiece* piece) { return static_cast<TrackMeshes*>(piece->Meshes()); }
    // Runs one frame a number of milliseconds later (renders every mesh, so animations advance).
    void Frame(int ms)
    {
        ticks += static_cast<uint64_t>(ms) * 100;
        if (device.BeginFrame()) device.EndFrame();
    }
    static std::string Row(std::initializer_list<std::pair<int, char>> cells)
    {
        std::string row(32, '.');
        for (const auto& cell : cells) row[static_cast<size_t>(cell.first)] = cell.second;
        return row;
    }

    HWND window = nullptr;
    uint64_t ticks = 1000000;
    KDevice3D device{[this] { return ticks; }};
    std::vector<KTexture*> textures;
    TrackMeshMaker maker{&device, [this](int i) { return i >= 0 && i < 20 ? Tex(i) : nullptr; }};
    Track track{&maker};
};

TEST_F(TrackMeshTest, BuildMakesTheTunnelBlocksAndGems)
{
    TrackPiece* piece = track.AddPiece(Row({{16, '#'}, {17, 'X'}, {20, 'O'}}).c_str(), kTexStartSign);
    TrackMeshes* meshes = MeshesOf(piece);
    KMesh* tunnel = meshes->Tunnel();
    ASSERT_NE(nullptr, tunnel);
    ASSERT_EQ(64 + 12 + 16, tunnel->TriangleCount()) << "wall, the fixed block, the sign";
    for (int c = 0; c < 32; ++c) {
        const int k = 31 - c;
        for (int j = 0; j < 2; ++j)
            EXPECT_EQ(Tex(c == 16 ? kTexWallUnderBlock : kTexWall), tunnel->GetTriangle(2 * k + j)->texture) << c;
    }
    for (int i = 64; i < 76; ++i) EXPECT_EQ(Tex(kTexFixedBlock), tunnel->GetTriangle(i)->texture);
    for (int i = 76; i < 92; ++i) EXPECT_EQ(Tex(kTexStartSign), tunnel->GetTriangle(i)->texture);
    // The wall's texture coordinates come straight from the shapes.
    TrackTriangle facet[2];
    TrackGeometry::PlainWallFacet(7, facet);
    for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(facet[1].uv[i], tunnel->GetTriangle(15)->uv[i]);

    KMesh* block = meshes->Block(16);
    ASSERT_NE(nullptr, block);
    EXPECT_EQ(12, block->TriangleCount());
    for (int i = 0; i < 12; ++i) EXPECT_EQ(Tex(kTexPushableBlock), block->GetTriangle(i)->texture);
    EXPECT_EQ(nullptr, meshes->Block(17)) << "a fixed block is part of the tunnel";

    KMesh* gem = meshes->GemMesh(TrackPiece::FacetOfColumn(20));
    ASSERT_NE(nullptr, gem);
    EXPECT_EQ(24, gem->TriangleCount());
    EXPECT_EQ(Tex(kTexGem), gem->GetTexture());
    EXPECT_EQ(3, device.MeshCount());
}

TEST_F(TrackMeshTest, PiecesWithoutSignOrCellsHaveTheWallOnly)
{
    TrackPiece* piece = track.AddPiece(nullptr, kTexNone);
    EXPECT_EQ(64, MeshesOf(piece)->Tunnel()->TriangleCount());
    EXPECT_EQ(1, device.MeshCount());
}

TEST_F(TrackMeshTest, MeshesFollowThePiecesZ)
{
    TrackPiece* piece = track.AddPiece(Row({{3, '#'}, {20, 'O'}}).c_str(), kTexNone);
    piece->SetZ(400);
    TrackMeshes* meshes = MeshesOf(piece);
    EXPECT_EQ(400, meshes->Tunnel()->GetPosition().z);
    EXPECT_EQ(400, meshes->Block(3)->GetPosition().z);
    const KVector3 gem = meshes->GemMesh(TrackPiece::FacetOfColumn(20))->GetPosition();
    const TrackPoint centre = piece->GemCentre(TrackPiece::FacetOfColumn(20));
    EXPECT_DOUBLE_EQ(centre.x, gem.x);
    EXPECT_DOUBLE_EQ(centre.y, gem.y);
    EXPECT_DOUBLE_EQ(500, gem.z);
}

TEST_F(TrackMeshTest, TurboMarksRetextureTheirWallFacets)
{
    TrackPiece* piece = track.AddPiece(nullptr, kTexNone);
    piece->MarkTurbo(0, 2);
    KMesh* tunnel = MeshesOf(piece)->Tunnel();
    const int columns[3] = {31, 0, 1};
    for (int third = 0; third < 3; ++third) {
        const int k = 31 - columns[third];
        TrackTriangle expected[2];
        TrackGeometry::TurboWallFacet(k, third, 2, expected);
        for (int j = 0; j < 2; ++j) {
            const KTriangle* t = tunnel->GetTriangle(2 * k + j);
            EXPECT_EQ(Tex(kTexTurbo), t->texture);
            for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(expected[j].uv[i], t->uv[i]) << third << " " << j;
        }
    }
    EXPECT_EQ(Tex(kTexWall), tunnel->GetTriangle(2 * (31 - 2))->texture);
}

TEST_F(TrackMeshTest, APushedBlockSlidesIntoTheNextPieceWithPushedFrontFaces)
{
    track.AddPiece(Row({{16, '#'}}).c_str(), kTexNone);
    track.AddPiece(nullptr, kTexNone)->SetZ(200);
    KMesh* block = MeshesOf(track.GetPiece(0))->Block(16);
    ASSERT_TRUE(track.PushBlock(0, 16));
    EXPECT_FALSE(block->present);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(Tex(i == 2 || i == 3 ? kTexBlockFrontPushed : kTexPushableBlock), block->GetTriangle(i)->texture)
            << i;
    Frame(0);
    Frame(500);
    EXPECT_NEAR(100, block->GetPosition().z, 1.0) << "half way after 500 ms";
    Frame(600);
    EXPECT_EQ(200, block->GetPosition().z);
    EXPECT_FALSE(block->Moving());

    track.ResetBlocks();
    EXPECT_TRUE(block->present);
    EXPECT_EQ(0, block->GetPosition().z);
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(Tex(i == 2 || i == 3 ? kTexBlockFront : kTexPushableBlock), block->GetTriangle(i)->texture) << i;
}

TEST_F(TrackMeshTest, AResetDuringAPushKeepsTheBlockHome)
{
    track.AddPiece(Row({{5, '#'}}).c_str(), kTexNone);
    track.AddPiece(nullptr, kTexNone)->SetZ(200);
    KMesh* block = MeshesOf(track.GetPiece(0))->Block(5);
    ASSERT_TRUE(track.PushBlock(0, 5));
    Frame(0);
    Frame(300);
    track.ResetBlocks();
    Frame(300);
    Frame(800);
    EXPECT_EQ(0, block->GetPosition().z);
}

TEST_F(TrackMeshTest, CollectedGemsStayHiddenUntilReset)
{
    TrackPiece* piece = track.AddPiece(Row({{8, 'O'}, {9, '#'}}).c_str(), kTexNone);
    TrackMeshes* meshes = MeshesOf(piece);
    const int facet = TrackPiece::FacetOfColumn(8);
    KMesh* gem = meshes->GemMesh(facet);
    piece->CollectGem(facet);
    EXPECT_TRUE(gem->hidden);
    EXPECT_FALSE(gem->present);
    piece->SetVisible(false);
    EXPECT_TRUE(meshes->Tunnel()->hidden);
    EXPECT_TRUE(meshes->Block(9)->hidden);
    piece->SetVisible(true);
    EXPECT_FALSE(meshes->Tunnel()->hidden);
    EXPECT_FALSE(meshes->Block(9)->hidden);
    EXPECT_TRUE(gem->hidden) << "a collected gem is not shown again";
    piece->ResetGems();
    EXPECT_FALSE(gem->hidden);
    EXPECT_TRUE(gem->present);
    piece->SetVisible(false);
    piece->ResetGems();
    EXPECT_TRUE(gem->hidden) << "a reset does not show a hidden piece's gems";
}

TEST_F(TrackMeshTest, PiecesTakeTheirMeshesWithThem)
{
    const std::string text = "10,10,10\r\n" + Row({{1, '#'}, {2, 'O'}}) + "\r\n";
    ASSERT_TRUE(Level::ParseText(track, text.data(), text.size()));
    EXPECT_EQ(14 + 2, device.MeshCount());
    ASSERT_TRUE(Level::ParseText(track, text.data(), text.size()));
    EXPECT_EQ(14 + 2, device.MeshCount()) << "a second parse replaces the meshes";
    track.DeletePieces();
    EXPECT_EQ(0, device.MeshCount());
}

TEST_F(TrackMeshTest, TheWallIsSeenFromInsideTheTunnel)
{
    const std::string text = "10,10,10\r\n";
    ASSERT_TRUE(Level::ParseText(track, text.data(), text.size()));  // 13 plain filler pieces
    for (int i = 0; i < track.GetPieceCount(); ++i) track.GetPiece(i)->SetVisible(i < 3);
    KCamera* camera = device.Camera();
    camera->position = KVector3{0, 0, 20};
    ASSERT_TRUE(device.BeginFrame());
    const Image image = ReadBackBuffer(device.Device());
    device.EndFrame();
    auto lit = [&](int x, int y) { return image.At(x, y) != 0; };
    // The wall fills the edges of the view; the open end of the three shown pieces stays dark.
    for (int x : {2, kWidth / 2, kWidth - 3}) {
        EXPECT_TRUE(lit(x, 2)) << x;
        EXPECT_TRUE(lit(x, kHeight - 3)) << x;
    }
    EXPECT_TRUE(lit(2, kHeight / 2));
    EXPECT_TRUE(lit(kWidth - 3, kHeight / 2));
    EXPECT_FALSE(lit(kWidth / 2, kHeight / 2));
}

}  // namespace
