// The game's Direct3D 9 device: the interfaces, everything drawn with them (cameras, meshes,
// textures, fonts, all owned here), a default material and the frame clock.
#pragma once

#include "KFrameClock.h"
#include "KString.h"

#include <windows.h>
#include <d3d9.h>

#include <memory>
#include <vector>

class KCamera;
class KFont3D;
class KMesh;
class KStream;

// A texture of the device; holds none when its image could not be read.
struct KTexture {
    IDirect3DTexture9* texture = nullptr;
    ~KTexture();
};

class KDevice3D {
public:
    explicit KDevice3D(KTickSource ticks = KSystemTicks);
    ~KDevice3D();
    KDevice3D(const KDevice3D&) = delete;
    KDevice3D& operator=(const KDevice3D&) = delete;

    // With a size the device is full-screen at that size, without one (null) windowed.
    bool Init(HWND window, const SIZE* size);
    bool CreateDevice(const SIZE* size);
    void FreeAll();

    uint32_t Now() const { return clock_.Now(); }
    // Clears, begins the scene, applies the camera and draws the meshes; false when nothing can be
    // drawn this frame. The caller draws its texts and calls EndFrame.
    bool BeginFrame();
    void EndFrame();
    bool Pause() { return clock_.Pause(); }
    int64_t Resume() { return clock_.Resume(); }
    const KFrameClock& Clock() const { return clock_; }
    uint32_t Step() const { return clock_.Step(); }
    uint32_t Excess() const { return clock_.Excess(); }

    SIZE GetViewport() const;
    KCamera* CreateCamera();
    KCamera* Camera() const { return camera_; }
    // Reads size bytes of an image file (negative: the rest) from the stream's position.
    KTexture* LoadTexture(KStream* stream, int size);
    KFont3D* CreateFont(const char* face, double heightFraction, bool bold);
    bool DeleteFont(KFont3D* font);
    bool RemoveObject(KMesh* mesh);

    IDirect3DDevice9* Device() const { return device_; }
    HWND Window() const { return window_; }
    int MeshCount() const { return static_cast<int>(meshes_.size()); }
    int TextureCount() const { return static_cast<int>(textures_.size()); }
    int FontCount() const { return static_cast<int>(fonts_.size()); }

private:
    friend class KMesh;
    void ResetStates();
    void ApplyDefaultMaterial();

    HWND window_ = nullptr;
    IDirect3D9* d3d_ = nullptr;
    IDirect3DDevice9* device_ = nullptr;
    D3DMATERIAL9 material_{};
    std::vector<std::unique_ptr<KCamera>> cameras_;
    KCamera* camera_ = nullptr;
    std::vector<std::unique_ptr<KMesh>> meshes_;
    std::vector<std::unique_ptr<KTexture>> textures_;
    std::vector<std::unique_ptr<KFont3D>> fonts_;
    KFrameClock clock_;
};
