// Scripts that make, draw and save images in memory with every command of the runtime, and the
// images read back as pixels. Objects without a window of their own (Bitmap, DrawingTool,
// DataStream) need no open window, so the scripts run in the test's own process.
#pragma once

#include "stored_project_fixture.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "command_families.h"
#include "object_image.h"
#include "project_run.h"

using PixelRows = std::vector<uint32_t>;  // 0x00RRGGBB, rows top first

class ImageScriptTest : public StoredProjectTest {
protected:
    void SetUp() override
    {
        StoredProjectTest::SetUp();
        runtime_.m_commandTable = &GetScriptCommandTable();
    }

    // Loads a window MAIN with the objects (lines of the text form, indented by two) and runs the
    // lines as its event 0; answers what the lines return.
    CString Run(const std::string& objects, const std::string& lines, const std::string& files = "")
    {
        std::string text = qbktest::DefaultCommandWords() + "window MAIN\n" + objects + "  event 0\n";
        size_t start = 0;
        while (start < lines.size()) {
            size_t end = lines.find('\n', start);
            if (end == std::string::npos) end = lines.size();
            if (end > start) text += "    " + lines.substr(start, end - start) + "\n";
            start = end + 1;
        }
        text += files;
        if (!Load(text)) throw std::runtime_error("project did not load");
        runtime_.CompileAllScripts();
        WindowRecord& window = Window("MAIN");
        return runtime_.RunScript(&window, window.Self(), 0);
    }

    ObjectRecord& Object(const char* name)
    {
        WindowRecord& window = Window("MAIN");
        ObjectRecord* object = CProjectRuntime::FindObjectById(&window, runtime_.FindObjectIdByName(window.Id, name));
        if (!object) throw std::runtime_error(std::string("no object ") + name);
        return *object;
    }

    // The pixels of a Bitmap object's image; empty without one.
    PixelRows Pixels(const char* name, int* width = nullptr, int* height = nullptr)
    {
        PixelRows pixels;
        int w = 0, h = 0;
        if (const CImageBitmap* image = ObjectImage(&Object(name))) image->ReadPixels(&pixels, &w, &h);
        for (uint32_t& p : pixels) p &= 0xFFFFFF;
        if (width) *width = w;
        if (height) *height = h;
        return pixels;
    }
    uint32_t PixelAt(const char* name, int x, int y)
    {
        int w = 0, h = 0;
        const PixelRows pixels = Pixels(name, &w, &h);
        // Inverting a 32-bit image inverts the byte beyond its colour too.
        return x >= 0 && y >= 0 && x < w && y < h ? pixels[size_t(y) * w + x] & 0xFFFFFF : 0xFFFFFFFF;
    }

    // A file in the scratch folder as scripts name it (a quoted text of the text form).
    std::string Quoted(const std::string& name) const
    {
        std::string path = Path(name), quoted = "\"";
        for (char c : path) quoted += c == '\\' ? std::string("\\\\") : std::string(1, c);
        return quoted + "\"";
    }
};

// COLORREF of the script values, and the same colour as the pixels read back.
constexpr int kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;
constexpr uint32_t kRedPixel = 0xFF0000, kGreenPixel = 0x00FF00, kBluePixel = 0x0000FF, kWhitePixel = 0xFFFFFF;
