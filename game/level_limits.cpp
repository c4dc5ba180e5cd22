#include "level_limits.h"

#include "level_text.h"

#include <algorithm>
#include <cmath>

namespace {

std::string Triple(const LimitTriple& t)
{
    return std::to_string(t[0]) + "," + std::to_string(t[1]) + "," + std::to_string(t[2]);
}

}  // namespace

LimitTriple StretchLimits(int hundredths, const double (&margins)[3])
{
    LimitTriple t;
    // Rounded in whole hundredths first so that a product like 1.15 x 2000 does not creep over.
    for (int d = 0; d < 3; ++d) {
        const long long scaled = std::llround(hundredths * margins[d]);
        t[static_cast<size_t>(d)] = static_cast<int>(std::max(1LL, (scaled + 99) / 100));
    }
    return t;
}

int CountCheckpoints(const std::string& text)
{
    int count = 0;
    for (const LevelRow& row : ReadLevelText(text.data(), text.size()).rows) count += row.IsCheckpoint();
    return count;
}

bool ReplaceLevelLimits(const std::string& text, const std::vector<LimitTriple>& stretches, std::string* out)
{
    if (stretches.empty() || static_cast<int>(stretches.size()) != CountCheckpoints(text) + 1) return false;
    std::string result;
    size_t next = 0;  // the stretch the next header or checkpoint takes
    size_t p = 0;
    while (p < text.size()) {
        size_t lf = text.find('\n', p);
        const size_t lineEnd = lf == std::string::npos ? text.size() : lf;
        size_t contentEnd = lineEnd;
        if (contentEnd > p && text[contentEnd - 1] == '\r') --contentEnd;
        const std::string line = text.substr(p, contentEnd - p);
        const std::string ending = text.substr(contentEnd, (lf == std::string::npos ? lineEnd : lf + 1) - contentEnd);
        std::string kept = line;
        if (p == 0) {
            kept = Triple(stretches[next++]);
        } else if (line.size() > LevelRow::kLength + 1) {
            const LevelText row = ReadLevelText(("0\n" + line).data(), line.size() + 2);
            if (!row.rows.empty() && row.rows.front().IsCheckpoint())
                kept = line.substr(0, LevelRow::kLength) + Triple(stretches[next++]);
        }
        result += kept + ending;
        p = lf == std::string::npos ? text.size() : lf + 1;
    }
    *out = result;
    return next == stretches.size();
}
