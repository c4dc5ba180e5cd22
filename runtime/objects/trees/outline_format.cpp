#include "outline_format.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace qbk {

namespace {

// A number as atol reads it, without its overflow: digits past the range saturate.
long ReadNumber(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > 0xFFFFFFFFLL) value = 0xFFFFFFFFLL;
    }
    // The data of an item is 32 bits wide: larger values keep their low 32 bits as written.
    const auto bits = static_cast<unsigned long>(negative ? -value : value) & 0xFFFFFFFFUL;
    return static_cast<long>(static_cast<int>(bits));
}

OutlineLine ParseLine(const std::string& line)
{
    OutlineLine item;
    size_t i = 0;
    while (i < line.size() && line[i] == '\t') ++i;
    item.Depth = int(i);
    const size_t tab = line.find('\t', i);
    item.Text = line.substr(i, tab == std::string::npos ? std::string::npos : tab - i);
    if (tab != std::string::npos) {
        item.HasNumber = true;
        item.Number = ReadNumber(line.substr(tab + 1));
    }
    return item;
}

}  // namespace

std::vector<OutlineLine> ReadOutline(const char* data, size_t size)
{
    std::vector<OutlineLine> lines;
    // The last line seen at each depth of the chain that leads to the line before.
    std::vector<int> chain;
    size_t start = 0;
    while (start < size) {
        size_t end = start;
        while (end < size && data[end] != '\r' && data[end] != '\n') ++end;
        if (end > start) {
            OutlineLine item = ParseLine(std::string(data + start, end - start));
            // A jump of several levels lands one level below the deepest item there is.
            const int depth = std::min(item.Depth, int(chain.size()));
            chain.resize(size_t(depth));
            item.Parent = depth > 0 ? chain[size_t(depth - 1)] : -1;
            chain.push_back(int(lines.size()));
            lines.push_back(std::move(item));
        }
        start = end;
        if (start < size && data[start] == '\r') ++start;
        if (start < size && data[start] == '\n') ++start;
    }
    return lines;
}

std::string OutlineLineText(int depth, const std::string& text, bool withNumber, long number)
{
    std::string line(size_t(depth > 0 ? depth : 0), '\t');
    line += text;
    if (withNumber) line += '\t' + std::to_string(number);
    line += "\r\n";
    return line;
}

void SortNamesNoCase(std::vector<std::string>& names)
{
    auto lower = [](const std::string& s) {
        std::string folded(s);
        for (char& c : folded) c = char(std::tolower(static_cast<unsigned char>(c)));
        return folded;
    };
    std::stable_sort(names.begin(), names.end(),
                     [&](const std::string& a, const std::string& b) { return lower(a) < lower(b); });
}

}  // namespace qbk
