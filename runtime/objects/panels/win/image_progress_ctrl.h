// CImageProgressCtrl: the progress bar of ProgressBar objects. With an image it paints its filled
// part with the image tiled from the part's top-left corner over its back colour; without one the
// system's control paints itself (Windows only).
#pragma once

#include "fw_controls.h"
#include "fw_gdi.h"

class CImageProgressCtrl : public CProgressCtrl {
public:
    CImageProgressCtrl();

    // The bar's image: filled by copying a loaded image into it, emptied with DeleteObject.
    CBitmap& Image() { return m_image; }
    CPalette& Palette() { return m_palette; }
    // Takes the image's size and redraws.
    BOOL UpdateBitmapSize();
    int ImageWidth() const { return m_imageWidth; }
    int ImageHeight() const { return m_imageHeight; }

    COLORREF GetBackColor() const { return m_backColor; }
    // Also the colour the system's control paints with while there is no image.
    void SetBackColor(COLORREF colour);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool HasImage() const { return m_image.GetSafeHandle() && m_imageWidth > 0 && m_imageHeight > 0; }
    void Paint(HDC target);

    CBitmap m_image;
    CPalette m_palette;
    int m_imageWidth = 0;
    int m_imageHeight = 0;
    COLORREF m_backColor;
};
