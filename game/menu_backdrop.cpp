#include "menu_backdrop.h"

#include "KDevice3D.h"
#include "KMesh.h"

QuadBackdrop::QuadBackdrop(KDevice3D* device, Textures textures)
    : device_(device), textures_(std::move(textures)), mesh_(KMesh::Create(device))
{
    if (!mesh_) return;
    const double l = -kHalfWidth, r = kHalfWidth, b = -kHalfHeight, t = kHalfHeight;
    // The picture's top row (v = 0) at the top of the screen; wound to face the camera.
    const double lower[9] = {l, b, 0, r, b, 0, r, t, 0};
    const double lowerUv[6] = {0, 1, 1, 1, 1, 0};
    const double upper[9] = {l, b, 0, r, t, 0, l, t, 0};
    const double upperUv[6] = {0, 1, 1, 0, 0, 0};
    mesh_->AddTriangle(lower, lowerUv);
    mesh_->AddTriangle(upper, upperUv);
}

QuadBackdrop::~QuadBackdrop()
{
    if (mesh_ && device_) device_->RemoveObject(mesh_);
}

void QuadBackdrop::SetTexture(int index)
{
    texture_ = index;
    if (mesh_) mesh_->SetTexture(textures_ ? textures_(index) : nullptr);
}

std::unique_ptr<MenuBackdrop> QuadBackdropFactory::CreateBackdrop()
{
    return std::make_unique<QuadBackdrop>(device_, textures_);
}
