// Shapes of a track piece as plain triangles, in the piece's own coordinates (z from 0 to 200).
// The mesh side copies them into meshes; kept apart so the shapes are checked without a device.
#pragma once

#include <vector>

struct TrackPoint {
    double x = 0, y = 0, z = 0;
};

// Three vertices (x, y, z each), their texture pairs (u, v each) and the index of the texture
// in "image.dat" (-1: none). The stored order is the reverse of the drawn one: the meshes draw
// vertices 0, 2, 1, so a face is seen from the side its stored normal points away from.
struct TrackTriangle {
    double v[9];
    double uv[6];
    int texture;
};

// Texture indices of the track's images in "image.dat".
enum TrackTexture {
    kTexNone = -1,
    kTexFixedBlock = 2,
    kTexBlockFront = 3,
    kTexBlockFrontPushed = 4,
    kTexPushableBlock = 6,
    kTexCheckpointSign = 7,
    kTexFinishSign = 8,
    kTexStartSign = 9,
    kTexGem = 10,
    kTexWall = 17,
    kTexWallUnderBlock = 18,
    kTexTurbo = 19,
};

namespace TrackGeometry {

constexpr double kPi = 3.141592654;
constexpr double kTwoPi = 6.283185307;
constexpr double kPieceLength = 200.0;
constexpr double kTunnelRadius = 200.0;
constexpr double kBlockInnerRadius = 130.0;
constexpr double kGemRadius = 180.0;
constexpr int kBlockTriangles = 12;
constexpr int kGemTriangles = 24;
constexpr int kSignTriangles = 16;
// Triangles 2 and 3 of a block box face the oncoming car (z = 0).
constexpr int kBlockFrontTriangle = 2;

// The wall facet k (0 to 31, column 31 - k): two triangles between the position angles
// pi/2 - k pi/16 and pi/2 - (k + 1) pi/16. u0 and u1 are u at those two edges, v0 and v1 the v
// at z = 0 and z = 200.
void WallFacet(int k, int texture, double u0, double u1, double v0, double v1, TrackTriangle out[2]);
// The facet as built: wall texture, u from 1 - k/32 to 1 - (k + 1)/32, v from 0 to 1.
void PlainWallFacet(int k, TrackTriangle out[2]);
// Texture coordinates of a turbo arrow's ninth on the facet of a column: third 0 to 2 across the
// arrow's three columns, part 0 to 2 along its three pieces.
void TurboWallFacet(int k, int third, int part, TrackTriangle out[2]);

// A block box over a column, from the wall in to radius 130, along the whole piece: inner face,
// front face (triangles 2, 3), back, the two sides, outer face.
void BlockBox(int column, int texture, std::vector<TrackTriangle>& out);

// A gem around its own centre: a cube core with corners at +-5 and six tips 15 from the centre.
void Gem(std::vector<TrackTriangle>& out);
// Where the gem of a column sits in the piece: radius 180 on the middle of the column, z 100.
TrackPoint GemCentre(int column);

// A sign on the tunnel axis: 16 triangles from the apex at the piece's start to a rim of radius 65
// at z = 32.5.
void Sign(int texture, std::vector<TrackTriangle>& out);

}  // namespace TrackGeometry
