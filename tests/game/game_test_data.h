// A small data set for the Windows tests of the game: a key, and scrambled record files made of
// one-colour images and short tones, written into a scratch folder that becomes the current one.
#pragma once

#include "KMemStream.h"
#include "game.h"
#include "data_key.h"
#include "support/bmp_file.h"
#include "support/wave_image_builder.h"
#include "win_test_support.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace gametest {

using Bytes = std::vector<uint8_t>;

inline void FillKey(KMemStream& key)
{
    key.Close();
    for (int i = 0; i < kDataKeyLength; ++i) {
        const unsigned char b = static_cast<unsigned char>((i * 131 + 7) ^ (i >> 5));
        key.Write(&b, 1);
    }
    key.Seek(0);
}

inline Bytes SolidImage(uint32_t rgb, int size = 8)
{
    const std::vector<unsigned char> bmp = MakeBmp24(size, size, [rgb](int, int) { return rgb; });
    return Bytes(bmp.begin(), bmp.end());
}

inline Bytes Tone(uint32_t ms = 200)
{
    wavetest::WaveSpec spec;
    spec.milliseconds = ms;
    return wavetest::WaveImage(spec);
}

// Length line and bytes per record, scrambled with the key.
inline bool WriteRecordFile(const std::string& name, const std::vector<Bytes>& records, KStream* key)
{
    KMemStream file;
    for (const Bytes& r : records) {
        const std::string line = std::to_string(r.size()) + "\r\n";
        file.Write(line.data(), static_cast<int>(line.size()));
        if (!r.empty()) file.Write(r.data(), static_cast<int>(r.size()));
    }
    file.Seek(0);
    return file.ScrambleStream(key, 0) && file.SaveFile(name.c_str());
}

inline bool WriteFile(const std::string& name, const std::string& bytes)
{
    FILE* f = std::fopen(name.c_str(), "wb");
    if (!f) return false;
    const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

// Time, keys and the way out of a game under test, moved by the test; the device in the window.
struct TestSources {
    uint64_t ticks = 1000000;
    uint32_t ms = 5000;
    std::set<int> held;
    int quits = 0;

    GameSources Make()
    {
        GameSources sources;
        sources.ticks = [this] { return ticks; };
        sources.clock = [this] { return ms; };
        sources.keyDown = [this](int k) { return held.count(k) > 0; };
        sources.quit = [this] { ++quits; };
        sources.windowed = true;
        return sources;
    }
};

// A folder of its own under the test run's scratch folder, current while the object lives.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name)
    {
        char previous[MAX_PATH] = "";
        GetCurrentDirectoryA(MAX_PATH, previous);
        previous_ = previous;
        path_ = zvtest::TempDir() + name + "_" + std::to_string(GetTickCount()) + "\\";
        CreateDirectoryA(path_.c_str(), nullptr);
        SetCurrentDirectoryA(path_.c_str());
    }
    ~ScratchFolder() { SetCurrentDirectoryA(previous_.c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string previous_;
    std::string path_;
};

}  // namespace gametest
