// The one kind of drawable object of the 3D engine: textured triangles in double precision, a
// position and three angles, a vertex buffer rebuilt from them, and timed animations of both.
#pragma once

#include "KGeometry.h"

#include <windows.h>
#include <d3d9.h>

#include <memory>
#include <vector>

class KDevice3D;
struct KTexture;

struct KTriangle {
    double v[9] = {};  // x, y, z of the three vertices
    double uv[6] = {};  // u, v of the three vertices
    KTexture* texture = nullptr;
};

class KMesh : public KNumberFormat {
public:
    // A new mesh appended to the device's list (the device owns it); null without a device.
    static KMesh* Create(KDevice3D* device);
    explicit KMesh(KDevice3D* device) : device_(device) {}
    ~KMesh() override;
    KMesh(const KMesh&) = delete;
    KMesh& operator=(const KMesh&) = delete;

    KTriangle* AddTriangle(const double vertices[9], const double uv[6] = nullptr, KTexture* texture = nullptr);
    KTriangle* GetTriangle(int index);
    int TriangleCount() const { return static_cast<int>(triangles_.size()); }
    bool SetTriangleUV(int index, const double uv[6]);
    bool SetTexture(KTexture* texture);
    KTexture* GetTexture() const;

    void SetPosition(double x, double y, double z);
    void SetPositionZ(double z);
    KVector3 GetPosition() const { return position_; }
    void SetAngles(double a1, double a2, double a3);
    double Angle(int i) const { return angles_[i]; }

    // Moves from here towards target at speedPerMs for durationMs (negative: no end).
    void Move(const KVector3& target, double speedPerMs, double durationMs);
    // Reaches target in durationMs.
    void MoveTo(const KVector3& target, double durationMs);
    // Turns angle i (0..2) from its value towards end at ratePerMs, reaching it after durationMs
    // (negative: turns on without end).
    void Turn(int i, double end, double ratePerMs, double durationMs);
    bool Moving() const { return move_.active; }

    bool Rebuild();
    // Runs the animations and draws; called by the device each frame.
    void Render();
    // Releases the vertex buffer and all triangles.
    void FreeBuffer();
    // Draw calls the last Render made.
    int LastDrawCalls() const { return drawCalls_; }

    bool live = true;  // every change rebuilds the vertex buffer at once
    bool present = true;  // the track's own flag
    bool hidden = false;  // a hidden mesh is not drawn

private:
    void Changed()
    {
        if (live) Rebuild();
    }
    uint32_t AnimationTime() const;

    KDevice3D* device_;
    std::vector<std::unique_ptr<KTriangle>> triangles_;
    IDirect3DVertexBuffer9* buffer_ = nullptr;
    KVector3 position_;
    double angles_[3] = {0, 0, 0};
    struct MoveAnimation {
        bool active = false;
        uint32_t start = 0;
        KVector3 from, target;
        double speed = 0;  // units per tick
        double duration = 0;  // ticks; negative: no end
    } move_;
    struct AngleAnimation {
        bool active = false;
        uint32_t start = 0;
        double from = 0, end = 0;
        double rate = 0;  // radians per tick
        double duration = 0;  // ticks; negative: no end
    } turn_[3];
    int drawCalls_ = 0;
};
