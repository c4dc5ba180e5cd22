#include "level_text.h"

#include "decimal.h"

#include <cstring>

namespace {

// Reads up to three comma-separated decimal numbers; missing ones are 0.
void ReadThreeNumbers(const char* begin, const char* end, int (&out)[3])
{
    out[0] = out[1] = out[2] = 0;
    for (int i = 0; i < 3; ++i) {
        const char* comma = static_cast<const char*>(std::memchr(begin, ',', static_cast<size_t>(end - begin)));
        out[i] = ParseDecimal(begin, comma ? comma : end);
        if (!comma) return;
        begin = comma + 1;
    }
}

}  // namespace

LevelText ReadLevelText(const char* text, size_t size)
{
    LevelText level;
    if (!text) return level;
    const char* p = text;
    const char* end = text + size;
    bool header = true;
    while (p < end) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
        const char* lineEnd = lf ? lf : end;
        const char* next = lf ? lf + 1 : end;
        if (lineEnd > p && lineEnd[-1] == '\r') --lineEnd;
        const size_t length = static_cast<size_t>(lineEnd - p);
        if (header) {
            ReadThreeNumbers(p, lineEnd, level.timeLimits);
            header = false;
        } else if (length == LevelRow::kLength || length > LevelRow::kLength + 1) {
            LevelRow row;
            // A zero byte would end the row early where it is read as text: it is floor like any
            // other character.
            for (int c = 0; c < LevelRow::kLength; ++c) row.cells[c] = p[c] ? p[c] : '.';
            row.cells[LevelRow::kLength] = '\0';
            row.bonus[0] = row.bonus[1] = row.bonus[2] = 0;
            if (length > LevelRow::kLength + 1) ReadThreeNumbers(p + LevelRow::kLength, lineEnd, row.bonus);
            level.rows.push_back(row);
        }
        p = next;
    }
    return level;
}
