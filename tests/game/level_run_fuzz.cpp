// Random level texts driven by random key scripts and frame lengths: the run must stay inside its
// track and its counters within their bounds whatever happens.
#include "run_simulation.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The first bytes are the script: one byte a frame, keys in its bits and the frame length in
    // its top ones; a zero byte ends it. The rest is the level text.
    size_t script = 0;
    while (script < size && script < 600 && data[script] != 0) ++script;
    const size_t textStart = script < size ? script + 1 : size;
    const std::string text(reinterpret_cast<const char*>(data) + textStart, size - textStart);

    RunSimulation sim;
    if (!sim.Load(text.c_str(), static_cast<int>(size % 4) - 1)) return 0;
    static const int kKeys[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeyEscape, kKeyReturn};
    const uint32_t kFrames[] = {100, 1667, 10000, 40000};
    LevelRun& run = sim.Run();
    for (size_t i = 0; i < script * 4; ++i) {
        const uint8_t b = data[i % script];
        for (int k = 0; k < 6; ++k) sim.Hold(kKeys[k], (b >> k) & 1);
        sim.Step(kFrames[b >> 6]);
        if (run.GetGems() > run.GetTotalGems()) std::abort();
        if (run.GetState() < LevelRun::kReady || run.GetState() > LevelRun::kPaused) std::abort();
        if (!(run.GetAngle() >= 0 && run.GetAngle() < 6.3)) std::abort();
        KString a, b2;
        run.BuildRadar(&a, &b2);
        if (a.Length() != 7 * 34 || b2.Length() != 7 * 34) std::abort();
    }
    return 0;
}
