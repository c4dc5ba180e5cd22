#include "KCamera.h"

#include "KDevice3D.h"

#include <d3dx9.h>

void KCamera::SetAngles(double b1, double b2, double b3)
{
    a1 = KNumberFormat::NormalizeAngle(b1);
    a2 = KNumberFormat::NormalizeAngle(b2);
    a3 = KNumberFormat::NormalizeAngle(b3);
}

void KCamera::Apply() const
{
    IDirect3DDevice9* device = device_ ? device_->Device() : nullptr;
    if (!device) return;
    D3DXMATRIX translation, rotation, view, projection;
    D3DXMatrixTranslation(&translation, static_cast<float>(-position.x), static_cast<float>(-position.y),
                          static_cast<float>(-position.z));
    D3DXMatrixRotationYawPitchRoll(&rotation, static_cast<float>(a2), static_cast<float>(a1), static_cast<float>(a3));
    D3DXMatrixMultiply(&view, &translation, &rotation);
    device->SetTransform(D3DTS_VIEW, &view);
    D3DXMatrixPerspectiveFovLH(&projection, static_cast<float>(fieldOfView), static_cast<float>(aspect),
                               static_cast<float>(nearPlane), static_cast<float>(farPlane));
    device->SetTransform(D3DTS_PROJECTION, &projection);
}
