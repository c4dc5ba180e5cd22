// Plays every level of a "level.dat" (or plain level texts) with the headless driver in each
// difficulty that opens it, and tells whether each can be completed within its time limit.
//
//   zorvane_levelcheck [--key KEYFILE] level.dat      records, unscrambled with the key's first 8561 bytes
//   zorvane_levelcheck --text [--lesson] FILE...      plain level texts (as lessons: easy limits)
//   zorvane_levelcheck --set-limits FILE...           plain level texts: first sets their time limits
//                                                     and checkpoint bonuses from a drive (the file is
//                                                     rewritten), then checks them
//
// Exit code 0 when every level was completed in time, 1 when one was not, 2 when a file could not
// be read.
#include "KMemStream.h"
#include "data_key.h"
#include "level_driver.h"
#include "level_file.h"
#include "level_limits.h"
#include "player_table.h"

#include <cstdio>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kLevels = 20;

bool Report(const std::string& name, int difficulty, const DriveResult& r)
{
    if (!r.loaded) {
        std::printf("%s difficulty %d: cannot be parsed\n", name.c_str(), difficulty);
        return false;
    }
    const char* outcome = r.Completed()                   ? "completed"
                          : r.Finished()                  ? "finished without all gems"
                          : r.state == LevelRun::kTimeOut ? "timed out"
                                                          : "not finished";
    std::printf("%s difficulty %d: %s, gems %d / %d, time %d.%02d s of %d.%02d s\n", name.c_str(), difficulty, outcome,
                r.gems, r.totalGems, r.time / 100, r.time % 100, r.timeLimit / 100, r.timeLimit % 100);
    return r.Completed();
}

int CheckRecords(const char* fileName, const char* keyName)
{
    KMemStream levels;
    if (!levels.LoadFile(fileName)) {
        std::fprintf(stderr, "cannot read %s\n", fileName);
        return 2;
    }
    if (keyName) {
        KMemStream key;
        if (!key.LoadFile(keyName)) {
            std::fprintf(stderr, "cannot read %s\n", keyName);
            return 2;
        }
        if (!CutDataKey(&key)) {
            std::fprintf(stderr, "%s is shorter than a data-file key\n", keyName);
            return 2;
        }
        if (!levels.UnscrambleStream(&key, 0)) {
            std::fprintf(stderr, "cannot unscramble %s\n", fileName);
            return 2;
        }
    }
    bool all = true;
    int count = 0;
    for (int index = 0; index < kLevels; ++index) {
        KMemStream record;
        if (!LevelFile::ReadRecord(&levels, index, &record)) break;
        ++count;
        for (int difficulty = 0; difficulty < 3; ++difficulty) {
            if (index >= LevelCount(difficulty)) continue;
            const DriveResult r = DriveLevel(reinterpret_cast<const char*>(record.GetData()),
                                             static_cast<size_t>(record.Size()), difficulty);
            all = Report("level " + std::to_string(index + 1), difficulty, r) && all;
        }
    }
    std::printf("%d levels read\n", count);
    return count > 0 && all ? 0 : 1;
}

// Drives a level once with limits that cannot run out, then writes its limits from the stretch
// times with the margins of each difficulty.
bool SetLimits(const char* name, const std::string& text)
{
    const int checkpoints = CountCheckpoints(text);
    std::string open;
    ReplaceLevelLimits(text, std::vector<LimitTriple>(static_cast<size_t>(checkpoints) + 1, {9999, 9999, 9999}), &open);
    const DriveResult r = DriveLevel(open.data(), open.size(), 0);
    if (!r.Completed() || static_cast<int>(r.splits.size()) != checkpoints + 1) {
        std::printf("%s: not completed, limits left as they are\n", name);
        return false;
    }
    std::vector<LimitTriple> stretches;
    for (int split : r.splits) stretches.push_back(StretchLimits(split));
    std::string limited;
    ReplaceLevelLimits(text, stretches, &limited);
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    file.write(limited.data(), static_cast<std::streamsize>(limited.size()));
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", name);
        return false;
    }
    std::printf("%s: limits set from a drive of %d.%02d s\n", name, r.time / 100, r.time % 100);
    return true;
}

int CheckTexts(const std::vector<const char*>& files, bool lesson, bool setLimits)
{
    bool all = true;
    for (const char* name : files) {
        KMemStream text;
        if (!text.LoadFile(name)) {
            std::fprintf(stderr, "cannot read %s\n", name);
            return 2;
        }
        if (setLimits) {
            all = SetLimits(name, std::string(reinterpret_cast<const char*>(text.GetData()),
                                              static_cast<size_t>(text.Size()))) &&
                  all;
            if (!text.LoadFile(name)) return 2;
        }
        for (int difficulty = lesson ? -1 : 0; difficulty < (lesson ? 0 : 3); ++difficulty) {
            const DriveResult r =
                DriveLevel(reinterpret_cast<const char*>(text.GetData()), static_cast<size_t>(text.Size()), difficulty);
            all = Report(name, difficulty, r) && all;
        }
    }
    return all ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const char* key = nullptr;
    bool text = false, lesson = false, setLimits = false;
    std::vector<const char*> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--key") == 0 && i + 1 < argc)
            key = argv[++i];
        else if (std::strcmp(argv[i], "--text") == 0)
            text = true;
        else if (std::strcmp(argv[i], "--lesson") == 0)
            text = lesson = true;
        else if (std::strcmp(argv[i], "--set-limits") == 0)
            text = setLimits = true;
        else
            files.push_back(argv[i]);
    }
    if (files.empty() || (!text && files.size() != 1)) {
        std::fprintf(stderr, "usage: %s [--key KEYFILE] level.dat | --text [--lesson] FILE... | --set-limits FILE...\n",
                     argv[0]);
        return 2;
    }
    return text ? CheckTexts(files, lesson && !setLimits, setLimits) : CheckRecords(files[0], key);
}
