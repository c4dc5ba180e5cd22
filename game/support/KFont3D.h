// Text over the 3D scene with a Direct3D font whose height is a fraction of the window height,
// plainly or with a drop shadow.
#pragma once

#include "KGeometry.h"

#include <windows.h>
#include <d3dx9.h>

class KDevice3D;

class KFont3D : public KNumberFormat {
public:
    explicit KFont3D(KDevice3D* device) : device_(device) {}
    ~KFont3D() override;
    KFont3D(const KFont3D&) = delete;
    KFont3D& operator=(const KFont3D&) = delete;

    // Height in pixels = trunc(client height x fraction) (a negative fraction counts as 0, which
    // asks for the default height). Null when the font cannot be made.
    KFont3D* Create(const char* face, double heightFraction, bool bold);
    void Release();
    // The rectangle is the caller's and stays as it is.
    void DrawTextRect(const char* text, const RECT& rect, DWORD format, D3DCOLOR color);
    // A translucent black shadow at the rectangle, the text up and to the left of it.
    void DrawTextRel(const char* text, const RECT& rect, DWORD format, D3DCOLOR color);
    void SetColors(int a, int b) { SetViewportPair(a, b); }

    int Height() const { return height_; }
    double HeightFraction() const { return fraction_; }
    ID3DXFont* Font() const { return font_; }
    static constexpr D3DCOLOR kShadowColor = 0xE1000000;

private:
    bool Begin();
    void End();

    KDevice3D* device_;
    ID3DXFont* font_ = nullptr;
    ID3DXSprite* sprite_ = nullptr;  // batches the glyphs between Begin and End
    int height_ = 0;
    double fraction_ = 0;
};
