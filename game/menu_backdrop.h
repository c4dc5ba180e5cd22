// The menu's picture on the device: one quad that fills a 4:3 screen seen from the menu's camera.
#pragma once

#include "menu.h"

#include <functional>

class KDevice3D;
class KMesh;
struct KTexture;

class QuadBackdrop : public MenuBackdrop {
public:
    using Textures = std::function<KTexture*(int index)>;

    QuadBackdrop(KDevice3D* device, Textures textures);
    // Takes its quad off the device.
    ~QuadBackdrop() override;
    QuadBackdrop(const QuadBackdrop&) = delete;
    QuadBackdrop& operator=(const QuadBackdrop&) = delete;

    void SetTexture(int index) override;
    int GetTexture() const override { return texture_; }
    KMesh* Mesh() const { return mesh_; }

    static constexpr double kHalfWidth = 800, kHalfHeight = 600;

private:
    KDevice3D* device_;
    Textures textures_;
    KMesh* mesh_ = nullptr;
    int texture_ = -1;
};

class QuadBackdropFactory : public MenuBackdropFactory {
public:
    QuadBackdropFactory(KDevice3D* device, QuadBackdrop::Textures textures)
        : device_(device), textures_(std::move(textures))
    {
    }
    std::unique_ptr<MenuBackdrop> CreateBackdrop() override;

private:
    KDevice3D* device_;
    QuadBackdrop::Textures textures_;
};
