#include "KDevice3D.h"

#include "KCamera.h"
#include "KFont3D.h"
#include "KMesh.h"
#include "KStream.h"

#include <d3dx9.h>

#include <algorithm>
#include <vector>

namespace {

const UINT kSdkVersion = 31;

template <typename T>
bool EraseOwned(std::vector<std::unique_ptr<T>>& list, const T* item)
{
    auto it = std::find_if(list.begin(), list.end(), [item](const std::unique_ptr<T>& p) { return p.get() == item; });
    if (!item || it == list.end()) return false;
    list.erase(it);
    return true;
}

}  // namespace

KTexture::~KTexture()
{
    if (texture) texture->Release();
}

KDevice3D::KDevice3D(KTickSource ticks) : clock_(std::move(ticks))
{
    material_.Diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    material_.Ambient = {1.0f, 1.0f, 1.0f, 1.0f};
}

KDevice3D::~KDevice3D() { FreeAll(); }

bool KDevice3D::Init(HWND window, const SIZE* size)
{
    FreeAll();
    window_ = window;
    clock_.Start();
    if (!CreateDevice(size)) {
        FreeAll();
        return false;
    }
    camera_ = CreateCamera();
    if (BeginFrame()) EndFrame();
    return true;
}

bool KDevice3D::CreateDevice(const SIZE* size)
{
    if (device_) return false;
    d3d_ = Direct3DCreate9(kSdkVersion);
    if (!d3d_) return false;
    D3DDISPLAYMODE mode;
    D3DCAPS9 caps;
    if (FAILED(d3d_->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &mode)) ||
        FAILED(d3d_->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps)))
        return false;
    D3DPRESENT_PARAMETERS pp = {};
    pp.BackBufferFormat = mode.Format;
    pp.BackBufferCount = 2;
    pp.MultiSampleType = D3DMULTISAMPLE_NONE;
    pp.SwapEffect = D3DSWAPEFFECT_DISCARD;
    pp.EnableAutoDepthStencil = TRUE;
    pp.AutoDepthStencilFormat = D3DFMT_D16;
    pp.hDeviceWindow = window_;
    if (size) {
        pp.Windowed = FALSE;
        pp.BackBufferWidth = static_cast<UINT>(size->cx);
        pp.BackBufferHeight = static_cast<UINT>(size->cy);
        pp.FullScreen_RefreshRateInHz = 0;
        pp.PresentationInterval = 0;
    } else {
        pp.Windowed = TRUE;
    }
    const DWORD vertexProcessing =
        caps.VertexProcessingCaps ? D3DCREATE_HARDWARE_VERTEXPROCESSING : D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    if (FAILED(d3d_->CreateDevice(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, window_, vertexProcessing, &pp, &device_))) {
        device_ = nullptr;
        return false;
    }
    ResetStates();
    return true;
}

void KDevice3D::ResetStates()
{
    if (!device_) return;
    device_->SetRenderState(D3DRS_ZENABLE, D3DZB_USEW);
    device_->SetRenderState(D3DRS_LIGHTING, TRUE);
    device_->SetRenderState(D3DRS_AMBIENT, 0xFFFFFFFF);
    device_->SetFVF(D3DFVF_XYZ | D3DFVF_TEX1);
    device_->LightEnable(0, FALSE);
    ApplyDefaultMaterial();
}

void KDevice3D::ApplyDefaultMaterial()
{
    device_->SetMaterial(&material_);
    device_->SetTexture(0, nullptr);
}

void KDevice3D::FreeAll()
{
    fonts_.clear();
    textures_.clear();
    meshes_.clear();
    cameras_.clear();
    camera_ = nullptr;
    ResetStates();
    if (device_) device_->Release();
    device_ = nullptr;
    if (d3d_) d3d_->Release();
    d3d_ = nullptr;
    clock_.Clear();
    window_ = nullptr;
}

bool KDevice3D::BeginFrame()
{
    if (!device_) return false;
    clock_.NextFrame();
    device_->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
    if (FAILED(device_->BeginScene())) {
        device_->Present(nullptr, nullptr, nullptr, nullptr);
        return false;
    }
    // The camera first, so that the meshes are seen from where it is this frame.
    if (camera_) camera_->Apply();
    for (auto& mesh : meshes_) {
        mesh->Render();
        ApplyDefaultMaterial();
    }
    return true;
}

void KDevice3D::EndFrame()
{
    if (!device_) return;
    device_->EndScene();
    device_->Present(nullptr, nullptr, nullptr, nullptr);
}

SIZE KDevice3D::GetViewport() const
{
    RECT r = {};
    if (window_) GetClientRect(window_, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

KCamera* KDevice3D::CreateCamera()
{
    if (!device_) return nullptr;
    cameras_.push_back(std::make_unique<KCamera>(this));
    return cameras_.back().get();
}

KTexture* KDevice3D::LoadTexture(KStream* stream, int size)
{
    if (!device_) return nullptr;
    textures_.push_back(std::make_unique<KTexture>());
    KTexture* texture = textures_.back().get();
    if (!stream) return texture;
    // A record that claims more bytes than the stream holds is read only as far as it goes.
    const int remaining = stream->Remaining();
    if (size < 0 || size > remaining) size = remaining;
    if (size <= 0) return texture;
    std::vector<unsigned char> image(static_cast<size_t>(size));
    const int got = stream->Read(image.data(), size);
    if (got <= 0) return texture;
    if (FAILED(D3DXCreateTextureFromFileInMemory(device_, image.data(), static_cast<UINT>(got), &texture->texture)))
        texture->texture = nullptr;
    return texture;
}

KFont3D* KDevice3D::CreateFont(const char* face, double heightFraction, bool bold)
{
    if (!device_) return nullptr;
    auto font = std::make_unique<KFont3D>(this);
    if (!font->Create(face, heightFraction, bold)) return nullptr;
    fonts_.push_back(std::move(font));
    return fonts_.back().get();
}

bool KDevice3D::DeleteFont(KFont3D* font) { return EraseOwned(fonts_, font); }

bool KDevice3D::RemoveObject(KMesh* mesh) { return EraseOwned(meshes_, mesh); }
