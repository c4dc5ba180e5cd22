#include "KFont3D.h"

#include "KDevice3D.h"
#include "KLibrary.h"

#include <cmath>

KFont3D::~KFont3D() { Release(); }

KFont3D* KFont3D::Create(const char* face, double heightFraction, bool bold)
{
    Release();
    IDirect3DDevice9* device = device_ ? device_->Device() : nullptr;
    if (!device) return nullptr;
    if (!(heightFraction > 0)) heightFraction = 0;
    const SIZE view = device_->GetViewport();
    height_ = static_cast<int>(view.cy * heightFraction);
    fraction_ = heightFraction;
    HFONT gdiFont = CreateFontSimple(face, height_, bold ? 1 : 0);
    LOGFONTA lf = {};
    if (gdiFont) GetObjectA(gdiFont, sizeof lf, &lf);
    const HRESULT hr = D3DXCreateFontA(device, lf.lfHeight, lf.lfWidth, lf.lfWeight, 1, lf.lfItalic, lf.lfCharSet,
                                       lf.lfOutPrecision, lf.lfQuality, lf.lfPitchAndFamily, face ? face : "", &font_);
    if (gdiFont) DeleteObject(gdiFont);
    if (FAILED(hr)) {
        font_ = nullptr;
        Release();
        return nullptr;
    }
    if (FAILED(D3DXCreateSprite(device, &sprite_))) sprite_ = nullptr;  // the font draws without one
    return this;
}

void KFont3D::Release()
{
    if (sprite_) sprite_->Release();
    if (font_) font_->Release();
    sprite_ = nullptr;
    font_ = nullptr;
    height_ = 0;
    fraction_ = 0;
}

bool KFont3D::Begin()
{
    if (!font_) return false;
    if (sprite_) sprite_->Begin(D3DXSPRITE_ALPHABLEND | D3DXSPRITE_SORT_TEXTURE);
    return true;
}

void KFont3D::End()
{
    if (sprite_) sprite_->End();
}

void KFont3D::DrawTextRect(const char* text, const RECT& rect, DWORD format, D3DCOLOR color)
{
    if (!text || !Begin()) return;
    RECT r = rect;
    font_->DrawTextA(sprite_, text, -1, &r, format | DT_CALCRECT, 0);
    font_->DrawTextA(sprite_, text, -1, &r, format, color);
    End();
}

void KFont3D::DrawTextRel(const char* text, const RECT& rect, DWORD format, D3DCOLOR color)
{
    if (!text || !device_ || !Begin()) return;
    const SIZE view = device_->GetViewport();
    const int ox = static_cast<int>(std::ceil(view.cx * 0.001)), oy = static_cast<int>(std::ceil(view.cy * 0.001));
    RECT r = rect;
    font_->DrawTextA(sprite_, text, -1, &r, format | DT_CALCRECT, 0);
    font_->DrawTextA(sprite_, text, -1, &r, format, kShadowColor);
    OffsetRect(&r, -ox, -oy);
    font_->DrawTextA(sprite_, text, -1, &r, format, color);
    End();
}
