// The real engine behind the seams of the level run and the menu: the Direct3D device with its
// frame clock, and the game's six fonts.
#pragma once

#include "run_seams.h"

class KDevice3D;
class KFont3D;

class DeviceRunAdapter : public RunDevice {
public:
    explicit DeviceRunAdapter(KDevice3D* device) : device_(device) {}

    uint32_t Step() const override;
    uint32_t Excess() const override;
    uint32_t AnimationTime() const override;
    uint32_t LastFrame() const override;
    bool Pause() override;
    int64_t Resume() override;
    // Moves the device's camera to the run's camera, then begins the frame.
    bool BeginFrame(const RunCamera& camera) override;
    void EndFrame() override;
    void GetViewport(int* width, int* height) const override;

    KDevice3D* Device() const { return device_; }

private:
    KDevice3D* device_;
};

class FontTextSink : public RunTextSink {
public:
    static constexpr int kFonts = 6;

    // fonts: the six fonts by index; any may be null (that font draws nothing).
    explicit FontTextSink(KFont3D* const* fonts);
    void DrawText(int font, const KString& text, const RunRect& rect, unsigned format, uint32_t colour) override;
    void DrawPlainText(int font, const KString& text, const RunRect& rect, unsigned format, uint32_t colour) override;
    int FontHeight(int font) const override;

private:
    KFont3D* Font(int index) const { return index >= 0 && index < kFonts ? fonts_[index] : nullptr; }
    KFont3D* const* fonts_;
};
