#include "track_geometry.h"

#include <cmath>

namespace TrackGeometry {
namespace {

constexpr double kColumnAngle = kPi / 16;

TrackPoint OnCircle(double radius, double angle, double z)
{
    return {radius * std::cos(angle), radius * std::sin(angle), z};
}

TrackPoint Minus(const TrackPoint& a, const TrackPoint& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

TrackPoint Cross(const TrackPoint& a, const TrackPoint& b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double Dot(const TrackPoint& a, const TrackPoint& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

TrackTriangle MakeTriangle(const TrackPoint* p, const double (*uv)[2], int a, int b, int c, int texture)
{
    TrackTriangle t;
    const int idx[3] = {a, b, c};
    for (int i = 0; i < 3; ++i) {
        t.v[3 * i] = p[idx[i]].x;
        t.v[3 * i + 1] = p[idx[i]].y;
        t.v[3 * i + 2] = p[idx[i]].z;
        t.uv[2 * i] = uv[idx[i]][0];
        t.uv[2 * i + 1] = uv[idx[i]][1];
    }
    t.texture = texture;
    return t;
}

// A flat quad p0 p1 p2 p3 (in order around its edge) as two triangles whose stored normal points
// away from the viewer, so that the drawn (reversed) order faces the viewer.
void AddQuad(TrackTriangle* out, const TrackPoint (&p)[4], const double (&uv)[4][2], int texture,
             const TrackPoint& viewer)
{
    const TrackPoint n = Cross(Minus(p[1], p[0]), Minus(p[2], p[0]));
    if (Dot(n, Minus(p[0], viewer)) > 0) {
        out[0] = MakeTriangle(p, uv, 0, 1, 2, texture);
        out[1] = MakeTriangle(p, uv, 0, 2, 3, texture);
    } else {
        out[0] = MakeTriangle(p, uv, 0, 2, 1, texture);
        out[1] = MakeTriangle(p, uv, 0, 3, 2, texture);
    }
}

void AppendQuad(std::vector<TrackTriangle>& out, const TrackPoint (&p)[4], const double (&uv)[4][2], int texture,
                const TrackPoint& viewer)
{
    TrackTriangle t[2];
    AddQuad(t, p, uv, texture, viewer);
    out.push_back(t[0]);
    out.push_back(t[1]);
}

const double kFullQuadUV[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};

// A point on the far side of a face of a solid whose centre is given: looking from there, the
// face's stored normal points into the solid.
TrackPoint OutsideOf(const TrackPoint (&face)[4], const TrackPoint& centre)
{
    TrackPoint mid{};
    for (const TrackPoint& q : face) {
        mid.x += q.x / 4;
        mid.y += q.y / 4;
        mid.z += q.z / 4;
    }
    return {2 * mid.x - centre.x, 2 * mid.y - centre.y, 2 * mid.z - centre.z};
}

}  // namespace

void WallFacet(int k, int texture, double u0, double u1, double v0, double v1, TrackTriangle out[2])
{
    const double a0 = kPi / 2 - k * kColumnAngle;
    const double a1 = kPi / 2 - (k + 1) * kColumnAngle;
    const TrackPoint p[4] = {OnCircle(kTunnelRadius, a0, 0), OnCircle(kTunnelRadius, a1, 0),
                             OnCircle(kTunnelRadius, a1, kPieceLength), OnCircle(kTunnelRadius, a0, kPieceLength)};
    const double uv[4][2] = {{u0, v0}, {u1, v0}, {u1, v1}, {u0, v1}};
    AddQuad(out, p, uv, texture, TrackPoint{0, 0, kPieceLength / 2});
}

void PlainWallFacet(int k, TrackTriangle out[2])
{
    WallFacet(k, kTexWall, 1.0 - k / 32.0, 1.0 - (k + 1) / 32.0, 0.0, 1.0, out);
}

void TurboWallFacet(int k, int third, int part, TrackTriangle out[2])
{
    // u grows with the position angle, like the wall's own u; the facet's first edge is its
    // higher angle.
    WallFacet(k, kTexTurbo, (third + 1) / 3.0, third / 3.0, (3 - part) / 3.0, (2 - part) / 3.0, out);
}

void BlockBox(int column, int texture, std::vector<TrackTriangle>& out)
{
    const double b0 = (column + 8) * kColumnAngle;
    const double b1 = (column + 9) * kColumnAngle;
    const double r0 = kBlockInnerRadius, r1 = kTunnelRadius, z0 = 0, z1 = kPieceLength;
    const TrackPoint centre = OnCircle((r0 + r1) / 2, (b0 + b1) / 2, (z0 + z1) / 2);
    const TrackPoint faces[6][4] = {
        {OnCircle(r0, b0, z0), OnCircle(r0, b1, z0), OnCircle(r0, b1, z1), OnCircle(r0, b0, z1)},  // inner
        {OnCircle(r0, b0, z0), OnCircle(r1, b0, z0), OnCircle(r1, b1, z0), OnCircle(r0, b1, z0)},  // front
        {OnCircle(r0, b0, z1), OnCircle(r1, b0, z1), OnCircle(r1, b1, z1), OnCircle(r0, b1, z1)},  // back
        {OnCircle(r0, b0, z0), OnCircle(r1, b0, z0), OnCircle(r1, b0, z1), OnCircle(r0, b0, z1)},  // side b0
        {OnCircle(r0, b1, z0), OnCircle(r1, b1, z0), OnCircle(r1, b1, z1), OnCircle(r0, b1, z1)},  // side b1
        {OnCircle(r1, b0, z0), OnCircle(r1, b1, z0), OnCircle(r1, b1, z1), OnCircle(r1, b0, z1)},  // outer
    };
    for (const auto& face : faces) AppendQuad(out, face, kFullQuadUV, texture, OutsideOf(face, centre));
}

void Gem(std::vector<TrackTriangle>& out)
{
    const double c = 5.0, tip = 15.0;
    const TrackPoint centre{0, 0, 0};
    // For each axis direction: the tip and the four core corners of the cube face it stands on.
    for (int axis = 0; axis < 3; ++axis) {
        for (int sign = -1; sign <= 1; sign += 2) {
            auto point = [&](double along, double s, double t) {
                double q[3];
                q[axis] = along;
                q[(axis + 1) % 3] = s;
                q[(axis + 2) % 3] = t;
                return TrackPoint{q[0], q[1], q[2]};
            };
            const TrackPoint apex = point(sign * tip, 0, 0);
            const TrackPoint corners[4] = {point(sign * c, -c, -c), point(sign * c, c, -c), point(sign * c, c, c),
                                           point(sign * c, -c, c)};
            for (int i = 0; i < 4; ++i) {
                const TrackPoint p[3] = {apex, corners[i], corners[(i + 1) % 4]};
                const double uv[3][2] = {{0.5, 0}, {0, 1}, {1, 1}};
                const TrackPoint n = Cross(Minus(p[1], p[0]), Minus(p[2], p[0]));
                // Stored normal towards the centre: the face is seen from outside.
                const bool inward = Dot(n, Minus(centre, p[0])) > 0;
                out.push_back(inward ? MakeTriangle(p, uv, 0, 1, 2, kTexGem) : MakeTriangle(p, uv, 0, 2, 1, kTexGem));
            }
        }
    }
}

TrackPoint GemCentre(int column)
{
    return OnCircle(kGemRadius, (column + 8) * kColumnAngle + kPi / 32, kPieceLength / 2);
}

void Sign(int texture, std::vector<TrackTriangle>& out)
{
    const double radius = 65.0, depth = 32.5, step = kPi / 8;
    for (int j = 0; j < kSignTriangles; ++j) {
        const double a = j * step, b = (j + 1) * step;
        const TrackPoint p[3] = {{0, 0, 0}, OnCircle(radius, a, depth), OnCircle(radius, b, depth)};
        const double uv[3][2] = {{0.5, 0.5},
                                 {(std::cos(a) + 1) * 0.5, 1 - (std::sin(a) + 1) * 0.5},
                                 {(std::cos(b) + 1) * 0.5, 1 - (std::sin(b) + 1) * 0.5}};
        // Seen from the car's side (z < 0): the stored normal points along +z.
        out.push_back(MakeTriangle(p, uv, 0, 1, 2, texture));
    }
}

}  // namespace TrackGeometry
