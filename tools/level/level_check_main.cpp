// zv_level_check FILE...: checks level texts; prints every problem as FILE:LINE: message and
// exits with 1 when there was any.
#include <cstdio>
#include <string>
#include <vector>

#include "common/file_io.h"
#include "level_check.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: zv_level_check [-q] LEVEL-TEXT...\n");
        return 2;
    }
    bool quiet = false, failed = false;
    for (int i = 1; i < argc; ++i) {
        const std::string path = argv[i];
        if (path == "-q") {
            quiet = true;
            continue;
        }
        std::vector<std::uint8_t> bytes;
        if (!zvtools::ReadWholeFile(path, bytes)) {
            std::fprintf(stderr, "%s: cannot read\n", path.c_str());
            failed = true;
            continue;
        }
        zvtools::LevelSummary summary;
        const auto problems = zvtools::CheckLevelText(std::string(bytes.begin(), bytes.end()), &summary);
        for (const auto& p : problems) std::fprintf(stderr, "%s:%d: %s\n", path.c_str(), p.line, p.message.c_str());
        failed = failed || !problems.empty();
        if (problems.empty() && !quiet)
            std::printf("%s: %d rows, %d gems, %.1f s at top speed\n", path.c_str(), summary.rows, summary.gems,
                        summary.fastestSeconds);
    }
    return failed ? 1 : 0;
}
