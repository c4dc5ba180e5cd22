// Benchmark (not a test): frames per second and CPU time per frame of a tunnel of 30
// track-piece-sized meshes at 800 x 600, next to an empty frame (clear and present only).
#include "bmp_file.h"
#include "KCamera.h"
#include "KDevice3D.h"
#include "KLibrary.h"
#include "KMemStream.h"
#include "KMesh.h"
#include "KWnd.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

const int kPieces = 30, kFrames = 300;

std::vector<unsigned char> Bmp(int w, int h, uint32_t a, uint32_t b)
{
    return MakeBmp24(w, h, [a, b](int x, int y) { return ((x / 8 + y / 8) % 2) ? a : b; });
}

KTexture* Texture(KDevice3D& device, uint32_t a, uint32_t b)
{
    const std::vector<unsigned char> bmp = Bmp(64, 64, a, b);
    KMemStream s;
    s.Write(bmp.data(), static_cast<int>(bmp.size()));
    s.Seek(0);
    return device.LoadTexture(&s, -1);
}

// A piece like the track's: 32 wall facets of two triangles around the tunnel, two turbo columns
// and one block box over a column.
void BuildPiece(KMesh* mesh, double z0, KTexture* wall, KTexture* turbo, KTexture* block)
{
    const double pi = 3.141592654, step = pi / 16;
    auto facet = [&](double a0, double a1, double r, double za, double zb, KTexture* t) {
        const double x0 = std::cos(a0) * r, y0 = std::sin(a0) * r, x1 = std::cos(a1) * r, y1 = std::sin(a1) * r;
        const double t1[9] = {x0, y0, za, x1, y1, za, x1, y1, zb};
        const double t2[9] = {x0, y0, za, x1, y1, zb, x0, y0, zb};
        const double uv1[6] = {0, 0, 1, 0, 1, 1};
        const double uv2[6] = {0, 0, 1, 1, 0, 1};
        mesh->AddTriangle(t1, uv1, t);
        mesh->AddTriangle(t2, uv2, t);
    };
    for (int k = 0; k < 32; ++k) {
        const double a0 = pi / 2 - k * step, a1 = pi / 2 - (k + 1) * step;
        facet(a0, a1, 200, z0, z0 + 200, (k == 20 || k == 21) ? turbo : wall);
    }
    // A block over column 8: inner face and two sides.
    const double a0 = pi / 2 - 8 * step, a1 = pi / 2 - 9 * step;
    facet(a0, a1, 130, z0, z0 + 200, block);
    facet(a0, a0, 200, z0, z0 + 200, block);
    facet(a1, a1, 200, z0, z0 + 200, block);
}

struct Figures {
    double fps, cpuMsPerFrame;
    int drawCalls;
};

double CpuSeconds()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto seconds = [](const FILETIME& f) {
        return (static_cast<uint64_t>(f.dwHighDateTime) << 32 | f.dwLowDateTime) / 1e7;
    };
    return seconds(kernel) + seconds(user);
}

Figures Run(KDevice3D& device, const std::vector<KMesh*>& meshes)
{
    LARGE_INTEGER f, a, b;
    QueryPerformanceFrequency(&f);
    const double cpu0 = CpuSeconds();
    QueryPerformanceCounter(&a);
    int calls = 0;
    for (int i = 0; i < kFrames; ++i) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        device.Camera()->position.z = (i % 100) * 2.0;  // drive through the tunnel
        if (device.BeginFrame()) device.EndFrame();
        calls = 0;
        for (KMesh* m : meshes) calls += m->LastDrawCalls();
    }
    QueryPerformanceCounter(&b);
    const double seconds = double(b.QuadPart - a.QuadPart) / f.QuadPart;
    return Figures{kFrames / seconds, (CpuSeconds() - cpu0) * 1000 / kFrames, calls};
}

}  // namespace

int main()
{
    KLibrary::Init(GetModuleHandleA(nullptr));
    KWnd window;
    RECT r = {0, 0, 800, 600};
    if (!window.Create("tunnel benchmark", WS_VISIBLE, 0, &r, nullptr, nullptr)) return 1;
    KDevice3D device;
    if (!device.Init(window.Handle(), nullptr)) {
        std::printf("no Direct3D device\n");
        return 1;
    }
    const Figures empty = Run(device, {});
    KTexture* wall = Texture(device, 0x3050A0, 0x203070);
    KTexture* turbo = Texture(device, 0xFFD000, 0x806000);
    KTexture* block = Texture(device, 0xA0A0A0, 0x606060);
    std::vector<KMesh*> meshes;
    int triangles = 0;
    for (int i = 0; i < kPieces; ++i) {
        KMesh* mesh = KMesh::Create(&device);
        mesh->live = false;
        BuildPiece(mesh, i * 200.0, wall, turbo, block);
        mesh->live = true;
        mesh->Rebuild();
        triangles += mesh->TriangleCount();
        meshes.push_back(mesh);
    }
    device.Camera()->fieldOfView = 1.8;
    device.Camera()->aspect = 800.0 / 600.0;
    const Figures tunnel = Run(device, meshes);
    std::printf("empty frame:  %8.1f frames/s  %6.3f ms CPU/frame\n", empty.fps, empty.cpuMsPerFrame);
    std::printf("tunnel frame: %8.1f frames/s  %6.3f ms CPU/frame  (%d meshes, %d triangles, %d draw calls)\n",
                tunnel.fps, tunnel.cpuMsPerFrame, kPieces, triangles, tunnel.drawCalls);
    std::printf("tunnel / empty frame time: %.2f (target at most 2)\n", empty.fps / tunnel.fps);

    // Where the time goes: the same tunnel with one cost taken away at a time (not the game's look).
    IDirect3DDevice9* d = device.Device();
    struct Variant {
        const char* name;
        D3DRENDERSTATETYPE state;
        DWORD value, restore;
    };
    const Variant variants[] = {
        {"z-buffer instead of w-buffer", D3DRS_ZENABLE, D3DZB_TRUE, D3DZB_USEW},
        {"no lighting", D3DRS_LIGHTING, FALSE, TRUE},
        {"no depth test", D3DRS_ZENABLE, D3DZB_FALSE, D3DZB_USEW},
    };
    for (const Variant& v : variants) {
        d->SetRenderState(v.state, v.value);
        const Figures f = Run(device, meshes);
        std::printf("  %-30s %8.1f frames/s  %6.3f ms CPU/frame\n", v.name, f.fps, f.cpuMsPerFrame);
        d->SetRenderState(v.state, v.restore);
    }
    for (KMesh* m : meshes) m->hidden = true;
    const Figures hiddenAll = Run(device, meshes);
    std::printf("  %-30s %8.1f frames/s  %6.3f ms CPU/frame\n", "meshes hidden", hiddenAll.fps,
                hiddenAll.cpuMsPerFrame);
    device.FreeAll();
    window.Destroy();
    KLibrary::Shutdown();
    return 0;
}
