#include "KMesh.h"

#include "KDevice3D.h"

#include <d3dx9.h>

#include <cmath>
#include <cstring>

namespace {

const DWORD kFvf = D3DFVF_XYZ | D3DFVF_TEX1;  // 258

struct Vertex {
    float x, y, z, u, v;
};
static_assert(sizeof(Vertex) == 20, "vertex layout of the buffer");

}  // namespace

KMesh* KMesh::Create(KDevice3D* device)
{
    if (!device) return nullptr;
    device->meshes_.push_back(std::make_unique<KMesh>(device));
    return device->meshes_.back().get();
}

KMesh::~KMesh() { FreeBuffer(); }

KTriangle* KMesh::AddTriangle(const double vertices[9], const double uv[6], KTexture* texture)
{
    auto t = std::make_unique<KTriangle>();
    std::memcpy(t->v, vertices, sizeof t->v);
    if (uv) std::memcpy(t->uv, uv, sizeof t->uv);
    t->texture = texture;
    triangles_.push_back(std::move(t));
    Changed();
    return triangles_.back().get();
}

KTriangle* KMesh::GetTriangle(int index)
{
    return index >= 0 && index < TriangleCount() ? triangles_[static_cast<size_t>(index)].get() : nullptr;
}

bool KMesh::SetTriangleUV(int index, const double uv[6])
{
    KTriangle* t = GetTriangle(index);
    if (!t || !uv) return false;
    std::memcpy(t->uv, uv, sizeof t->uv);
    Changed();
    return true;
}

bool KMesh::SetTexture(KTexture* texture)
{
    if (triangles_.empty()) return false;
    for (auto& t : triangles_) t->texture = texture;
    return true;
}

KTexture* KMesh::GetTexture() const { return triangles_.empty() ? nullptr : triangles_.front()->texture; }

void KMesh::SetPosition(double x, double y, double z)
{
    position_ = {x, y, z};
    Changed();
}

void KMesh::SetPositionZ(double z)
{
    position_.z = z;
    Changed();
}

void KMesh::SetAngles(double a1, double a2, double a3)
{
    angles_[0] = NormalizeAngle(a1);
    angles_[1] = NormalizeAngle(a2);
    angles_[2] = NormalizeAngle(a3);
    Changed();
}

uint32_t KMesh::AnimationTime() const { return device_ ? device_->Clock().AnimationTime() : 0; }

void KMesh::Move(const KVector3& target, double speedPerMs, double durationMs)
{
    move_.active = true;
    move_.start = AnimationTime();
    move_.from = position_;
    move_.target = target;
    move_.speed = speedPerMs * 0.01;
    move_.duration = durationMs * 100;
}

void KMesh::MoveTo(const KVector3& target, double durationMs)
{
    const double dx = target.x - position_.x, dy = target.y - position_.y, dz = target.z - position_.z;
    const double distance = std::sqrt(dx * dx + dy * dy + dz * dz);
    // A move of no time arrives at the next frame.
    Move(target, durationMs > 0 ? distance / durationMs : 0, durationMs);
}

void KMesh::Turn(int i, double end, double ratePerMs, double durationMs)
{
    if (i < 0 || i > 2) return;
    AngleAnimation& a = turn_[i];
    a.active = true;
    a.start = AnimationTime();
    a.from = angles_[i];
    a.end = end;
    a.rate = ratePerMs * 0.01;
    a.duration = durationMs * 100;
}

bool KMesh::Rebuild()
{
    IDirect3DDevice9* device = device_ ? device_->Device() : nullptr;
    if (!device || triangles_.empty()) return false;
    if (buffer_) buffer_->Release();
    buffer_ = nullptr;
    const UINT bytes = static_cast<UINT>(triangles_.size() * 3 * sizeof(Vertex));
    if (FAILED(device->CreateVertexBuffer(bytes, D3DUSAGE_WRITEONLY, kFvf, D3DPOOL_DEFAULT, &buffer_, nullptr))) {
        buffer_ = nullptr;
        return false;
    }
    // A fresh static buffer: a plain lock (discarding is for dynamic buffers only).
    void* data = nullptr;
    if (FAILED(buffer_->Lock(0, 0, &data, 0))) return false;
    D3DXMATRIX rotation;
    D3DXMatrixRotationYawPitchRoll(&rotation, static_cast<float>(angles_[1]), static_cast<float>(angles_[0]),
                                   static_cast<float>(angles_[2]));
    auto* out = static_cast<Vertex*>(data);
    for (const auto& t : triangles_) {
        for (int corner : {0, 2, 1}) {  // the stored winding reversed
            D3DXVECTOR3 p(static_cast<float>(t->v[corner * 3]), static_cast<float>(t->v[corner * 3 + 1]),
                          static_cast<float>(t->v[corner * 3 + 2]));
            D3DXVECTOR3 r;
            D3DXVec3TransformCoord(&r, &p, &rotation);
            *out++ = Vertex{static_cast<float>(r.x + position_.x), static_cast<float>(r.y + position_.y),
                            static_cast<float>(r.z + position_.z), static_cast<float>(t->uv[corner * 2]),
                            static_cast<float>(t->uv[corner * 2 + 1])};
        }
    }
    buffer_->Unlock();
    return true;
}

void KMesh::Render()
{
    drawCalls_ = 0;
    const uint32_t now = AnimationTime();
    if (move_.active) {
        const double elapsed = static_cast<uint32_t>(now - move_.start);
        if (move_.duration >= 0 && elapsed >= move_.duration) {
            position_ = move_.target;
            move_.active = false;
        } else {
            position_ = MoveTowards(move_.from, move_.target, elapsed * move_.speed);
        }
        Changed();
    }
    bool turning = false;
    double angles[3] = {angles_[0], angles_[1], angles_[2]};
    for (int i = 0; i < 3; ++i) {
        AngleAnimation& a = turn_[i];
        if (!a.active) continue;
        turning = true;
        const double elapsed = static_cast<uint32_t>(now - a.start);
        if (a.duration >= 0 && elapsed >= a.duration) {
            angles[i] = a.end;
            a.active = false;
        } else {
            angles[i] = a.from + elapsed * a.rate;
        }
    }
    if (turning) SetAngles(angles[0], angles[1], angles[2]);
    if (hidden || !buffer_) return;
    IDirect3DDevice9* device = device_->Device();
    if (!device) return;
    device->SetFVF(kFvf);
    device->SetStreamSource(0, buffer_, 0, sizeof(Vertex));
    // One call per run of triangles that share a texture: the same pixels as one call per
    // triangle, with far fewer calls.
    const size_t count = triangles_.size();
    for (size_t first = 0; first < count;) {
        KTexture* texture = triangles_[first]->texture;
        size_t end = first + 1;
        while (end < count && triangles_[end]->texture == texture) ++end;
        device->SetTexture(0, texture ? texture->texture : nullptr);
        device->DrawPrimitive(D3DPT_TRIANGLELIST, static_cast<UINT>(3 * first), static_cast<UINT>(end - first));
        ++drawCalls_;
        first = end;
    }
}

void KMesh::FreeBuffer()
{
    if (buffer_) buffer_->Release();
    buffer_ = nullptr;
    triangles_.clear();
}
