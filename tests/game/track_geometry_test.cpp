// Shapes of the track: positions, texture coordinates and which side of each face is drawn.
#include "track_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using namespace TrackGeometry;

struct Vec {
    double x, y, z;
};

Vec Vertex(const TrackTriangle& t, int i) { return {t.v[3 * i], t.v[3 * i + 1], t.v[3 * i + 2]}; }

// The normal of the triangle as the meshes draw it: vertices 0, 2, 1.
Vec DrawnNormal(const TrackTriangle& t)
{
    const Vec a = Vertex(t, 0), b = Vertex(t, 2), c = Vertex(t, 1);
    const Vec u{b.x - a.x, b.y - a.y, b.z - a.z}, v{c.x - a.x, c.y - a.y, c.z - a.z};
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

Vec Centroid(const TrackTriangle& t)
{
    Vec c{0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        c.x += t.v[3 * i] / 3;
        c.y += t.v[3 * i + 1] / 3;
        c.z += t.v[3 * i + 2] / 3;
    }
    return c;
}

// Direct3D (left-handed, clockwise front faces) shows a triangle to a viewer when its drawn normal
// points towards the viewer.
bool FacesViewer(const TrackTriangle& t, const Vec& viewer)
{
    const Vec n = DrawnNormal(t), c = Centroid(t);
    return n.x * (viewer.x - c.x) + n.y * (viewer.y - c.y) + n.z * (viewer.z - c.z) > 0;
}

double Radius(const Vec& v) { return std::hypot(v.x, v.y); }

TEST(TrackGeometryWall, FacetKSpansItsAnglesAndTextureRange)
{
    const double pi = kPi;
    for (int k = 0; k < 32; ++k) {
        TrackTriangle t[2];
        PlainWallFacet(k, t);
        double minU = 9, maxU = -9, minV = 9, maxV = -9;
        for (const TrackTriangle& tri : t) {
            EXPECT_EQ(kTexWall, tri.texture);
            EXPECT_TRUE(FacesViewer(tri, {0, 0, Centroid(tri).z})) << "facet " << k << " seen from the axis";
            for (int i = 0; i < 3; ++i) {
                const Vec v = Vertex(tri, i);
                EXPECT_NEAR(200, Radius(v), 1e-9);
                EXPECT_TRUE(v.z == 0 || v.z == 200);
                double angle = std::atan2(v.y, v.x);
                const double a0 = pi / 2 - k * pi / 16, a1 = pi / 2 - (k + 1) * pi / 16;
                const double d0 = std::remainder(angle - a0, 2 * pi), d1 = std::remainder(angle - a1, 2 * pi);
                EXPECT_TRUE(std::fabs(d0) < 1e-9 || std::fabs(d1) < 1e-9) << k;
                // u follows the edge, v follows z.
                const double u = tri.uv[2 * i], vv = tri.uv[2 * i + 1];
                EXPECT_NEAR(std::fabs(d0) < 1e-9 ? 1 - k / 32.0 : 1 - (k + 1) / 32.0, u, 1e-12);
                EXPECT_DOUBLE_EQ(v.z / 200, vv);
                minU = std::min(minU, u), maxU = std::max(maxU, u), minV = std::min(minV, vv),
                maxV = std::max(maxV, vv);
            }
        }
        EXPECT_DOUBLE_EQ(1 - (k + 1) / 32.0, minU);
        EXPECT_DOUBLE_EQ(1 - k / 32.0, maxU);
        EXPECT_EQ(0, minV);
        EXPECT_EQ(1, maxV);
    }
}

TEST(TrackGeometryWall, TurboNinthsCutTheArrowInThirds)
{
    for (int part = 0; part < 3; ++part) {
        for (int third = 0; third < 3; ++third) {
            TrackTriangle t[2];
            TurboWallFacet(5, third, part, t);
            for (const TrackTriangle& tri : t) {
                EXPECT_EQ(kTexTurbo, tri.texture);
                for (int i = 0; i < 3; ++i) {
                    const Vec v = Vertex(tri, i);
                    const double angle = std::atan2(v.y, v.x);
                    // The facet's higher-angle edge carries the larger u, like the wall's own u.
                    const bool highEdge = std::fabs(std::remainder(angle - (kPi / 2 - 5 * kPi / 16), 2 * kPi)) < 1e-9;
                    EXPECT_NEAR(highEdge ? (third + 1) / 3.0 : third / 3.0, tri.uv[2 * i], 1e-12);
                    EXPECT_NEAR(v.z == 0 ? (3 - part) / 3.0 : (2 - part) / 3.0, tri.uv[2 * i + 1], 1e-12);
                }
            }
        }
    }
}

TEST(TrackGeometryBlock, BoxFillsItsColumnFromTheWallInToRadius130)
{
    for (int column : {0, 16, 31}) {
        std::vector<TrackTriangle> box;
        BlockBox(column, kTexPushableBlock, box);
        ASSERT_EQ(static_cast<size_t>(kBlockTriangles), box.size());
        const double b0 = (column + 8) * kPi / 16, b1 = (column + 9) * kPi / 16;
        const double mid = (b0 + b1) / 2;
        const Vec centre{165 * std::cos(mid), 165 * std::sin(mid), 100};
        for (size_t i = 0; i < box.size(); ++i) {
            const TrackTriangle& tri = box[i];
            EXPECT_EQ(kTexPushableBlock, tri.texture);
            for (int j = 0; j < 3; ++j) {
                const Vec v = Vertex(tri, j);
                const double r = Radius(v);
                EXPECT_TRUE(std::fabs(r - 130) < 1e-9 || std::fabs(r - 200) < 1e-9);
                const double d = std::remainder(std::atan2(v.y, v.x) - mid, 2 * kPi);
                EXPECT_NEAR(kPi / 32, std::fabs(d), 1e-9);
            }
            // Seen from outside the box: a viewer beyond the face, not from its inside.
            const Vec c = Centroid(tri);
            const Vec outside{2 * c.x - centre.x, 2 * c.y - centre.y, 2 * c.z - centre.z};
            EXPECT_TRUE(FacesViewer(tri, outside)) << "triangle " << i;
            EXPECT_FALSE(FacesViewer(tri, centre)) << "triangle " << i;
        }
        // The front faces stand at the piece's start, where the car comes from.
        for (int i : {kBlockFrontTriangle, kBlockFrontTriangle + 1}) {
            for (int j = 0; j < 3; ++j) EXPECT_EQ(0, Vertex(box[static_cast<size_t>(i)], j).z);
            EXPECT_TRUE(FacesViewer(box[static_cast<size_t>(i)], {centre.x, centre.y, -50}));
        }
        // The inner face looks at the tunnel axis.
        EXPECT_TRUE(FacesViewer(box[0], {0, 0, 100}));
    }
}

TEST(TrackGeometryGem, GemIsAPointedCoreSeenFromOutside)
{
    std::vector<TrackTriangle> gem;
    Gem(gem);
    ASSERT_EQ(static_cast<size_t>(kGemTriangles), gem.size());
    double farthest = 0;
    for (const TrackTriangle& tri : gem) {
        EXPECT_EQ(kTexGem, tri.texture);
        for (int j = 0; j < 3; ++j) {
            const Vec v = Vertex(tri, j);
            farthest = std::max(farthest, std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z));
            EXPECT_LE(std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)}), 15.0);
        }
        const Vec c = Centroid(tri);
        EXPECT_TRUE(FacesViewer(tri, {c.x * 10, c.y * 10, c.z * 10}));
    }
    EXPECT_DOUBLE_EQ(15.0, farthest);
}

TEST(TrackGeometryGem, CentreIsOnTheMiddleOfTheColumn)
{
    const TrackPoint p = GemCentre(8);  // the left wall: position angle 16.5 pi / 16
    EXPECT_NEAR(180 * std::cos(16.5 * kPi / 16), p.x, 1e-9);
    EXPECT_NEAR(180 * std::sin(16.5 * kPi / 16), p.y, 1e-9);
    EXPECT_EQ(100, p.z);
}

TEST(TrackGeometrySign, SixteenTrianglesFromTheApexToTheRim)
{
    std::vector<TrackTriangle> sign;
    Sign(kTexFinishSign, sign);
    ASSERT_EQ(static_cast<size_t>(kSignTriangles), sign.size());
    for (int j = 0; j < kSignTriangles; ++j) {
        const TrackTriangle& tri = sign[static_cast<size_t>(j)];
        EXPECT_EQ(kTexFinishSign, tri.texture);
        const Vec apex = Vertex(tri, 0);
        EXPECT_EQ(0, apex.x);
        EXPECT_EQ(0, apex.z);
        EXPECT_EQ(0.5, tri.uv[0]);
        EXPECT_EQ(0.5, tri.uv[1]);
        for (int i = 1; i < 3; ++i) {
            const Vec rim = Vertex(tri, i);
            EXPECT_NEAR(65, Radius(rim), 1e-9);
            EXPECT_EQ(32.5, rim.z);
            const double a = (j + i - 1) * kPi / 8;
            EXPECT_NEAR((std::cos(a) + 1) * 0.5, tri.uv[2 * i], 1e-9);
            EXPECT_NEAR(1 - (std::sin(a) + 1) * 0.5, tri.uv[2 * i + 1], 1e-9);
        }
        EXPECT_TRUE(FacesViewer(tri, {0, 0, -300})) << "seen by the oncoming car";
    }
}

}  // namespace
