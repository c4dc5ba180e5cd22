#include "run_adapters.h"

#include "KCamera.h"
#include "KDevice3D.h"
#include "KFont3D.h"

// The Windows headers above define DrawText again: this file defines the sink's method.
#undef DrawText

uint32_t DeviceRunAdapter::Step() const { return device_->Step(); }
uint32_t DeviceRunAdapter::Excess() const { return device_->Excess(); }
uint32_t DeviceRunAdapter::AnimationTime() const { return device_->Clock().AnimationTime(); }
uint32_t DeviceRunAdapter::LastFrame() const { return device_->Clock().LastFrame(); }
bool DeviceRunAdapter::Pause() { return device_->Pause(); }
int64_t DeviceRunAdapter::Resume() { return device_->Resume(); }

bool DeviceRunAdapter::BeginFrame(const RunCamera& camera)
{
    if (KCamera* c = device_->Camera()) {
        c->position.x = camera.x;
        c->position.y = camera.y;
        c->position.z = camera.z;
        c->SetAngles(camera.a1, camera.a2, camera.a3);
        c->fieldOfView = camera.fieldOfView;
    }
    return device_->BeginFrame();
}

void DeviceRunAdapter::EndFrame() { device_->EndFrame(); }

void DeviceRunAdapter::GetViewport(int* width, int* height) const
{
    const SIZE size = device_->GetViewport();
    if (width) *width = size.cx;
    if (height) *height = size.cy;
}

FontTextSink::FontTextSink(KFont3D* const* fonts) : fonts_(fonts) {}

void FontTextSink::DrawText(int font, const KString& text, const RunRect& rect, unsigned format, uint32_t colour)
{
    KFont3D* f = Font(font);
    if (!f) return;
    const RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    f->DrawTextRel(text.c_str(), r, format, colour);
}

void FontTextSink::DrawPlainText(int font, const KString& text, const RunRect& rect, unsigned format, uint32_t colour)
{
    KFont3D* f = Font(font);
    if (!f) return;
    const RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    f->DrawTextRect(text.c_str(), r, format, colour);
}

int FontTextSink::FontHeight(int font) const
{
    const KFont3D* f = Font(font);
    return f ? f->Height() : 0;
}
