#include "level_lint.h"

#include <cstring>

namespace zvtools {
namespace {

constexpr std::size_t kRowLength = 32;

bool IsDigits(const std::string& s)
{
    return !s.empty() && s.size() <= 6 && s.find_first_not_of("0123456789") == std::string::npos;
}

// Three comma-separated non-negative integers, nothing else.
bool ReadTriple(const std::string& s, long (&out)[3])
{
    std::size_t at = 0;
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = i < 2 ? s.find(',', at) : std::string::npos;
        if (i < 2 && comma == std::string::npos) return false;
        const std::string part = s.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        if (!IsDigits(part)) return false;
        out[i] = std::stol(part);
        at = comma + 1;
    }
    return true;
}

std::vector<std::string> SplitLines(const std::string& text, bool& bareLineFeed)
{
    std::vector<std::string> lines;
    bareLineFeed = false;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t lf = text.find('\n', at);
        const std::size_t end = lf == std::string::npos ? text.size() : lf;
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        } else if (lf != std::string::npos) {
            bareLineFeed = true;
        }
        lines.push_back(line);
        at = lf == std::string::npos ? text.size() : lf + 1;
    }
    return lines;
}

}  // namespace

std::vector<LevelProblem> LintLevelText(const std::string& text)
{
    std::vector<LevelProblem> problems;
    auto fail = [&](int line, const std::string& message) { problems.push_back({line, message}); };
    bool bareLineFeed = false;
    const std::vector<std::string> lines = SplitLines(text, bareLineFeed);
    if (bareLineFeed) fail(0, "lines must end with CR LF");
    if (lines.empty()) {
        fail(0, "empty level text");
        return problems;
    }
    long limits[3];
    if (!ReadTriple(lines[0], limits)) fail(1, "header must be three time limits \"easy,medium,hard\"");

    int rows = 0, firstRowLine = 0, lastRowLine = 0;
    bool firstIsCheckpoint = false, lastIsCheckpoint = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (line.size() < kRowLength) {
            fail(number, "row of " + std::to_string(line.size()) + " cells, must be 32");
            continue;
        }
        const std::string cells = line.substr(0, kRowLength);
        const std::size_t bad = cells.find_first_not_of(".#XO^");
        if (bad != std::string::npos)
            fail(number, std::string("unknown cell '") + cells[bad] + "' in column " + std::to_string(bad));
        bool checkpoint = false;
        if (line.size() > kRowLength) {
            long bonus[3];
            if (line.size() == kRowLength + 1 || !ReadTriple(line.substr(kRowLength), bonus)) {
                fail(number, "row of " + std::to_string(line.size()) +
                                 " characters: 32 cells, then nothing or a bonus \"p,q,r\"");
                continue;
            }
            if (bonus[0] == 0) {
                fail(number, "checkpoint bonus with 0 seconds for Easy: the game would take the row as plain");
                continue;
            }
            checkpoint = true;
        }
        ++rows;
        if (rows == 1) firstRowLine = number, firstIsCheckpoint = checkpoint;
        lastRowLine = number, lastIsCheckpoint = checkpoint;
    }
    if (rows < 2) fail(0, "a level needs at least two rows (a start and a finish)");
    if (rows >= 1 && firstIsCheckpoint) fail(firstRowLine, "checkpoint on the first row, which must be the start");
    if (rows >= 2 && lastIsCheckpoint) fail(lastRowLine, "checkpoint on the last row, which must be the finish");
    return problems;
}

}  // namespace zvtools
