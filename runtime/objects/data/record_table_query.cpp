// Queries and row lists: a row list is every row number in decimal followed by a comma.
#include "record_table.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <unordered_set>

#include "decimal_text.h"
#include "value_format.h"

namespace {

enum class Op { Equal, NotEqual, Less, Greater, LessOrEqual, GreaterOrEqual, None };

Op OpOf(const CString& op)
{
    if (op == "=") return Op::Equal;
    if (op == "!=") return Op::NotEqual;
    if (op == "<") return Op::Less;
    if (op == ">") return Op::Greater;
    if (op == "<=") return Op::LessOrEqual;
    if (op == ">=") return Op::GreaterOrEqual;
    return Op::None;
}

bool Holds(Op op, int order)
{
    switch (op) {
    case Op::Equal: return order == 0;
    case Op::NotEqual: return order != 0;
    case Op::Less: return order < 0;
    case Op::Greater: return order > 0;
    case Op::LessOrEqual: return order <= 0;
    case Op::GreaterOrEqual: return order >= 0;
    case Op::None: return false;
    }
    return false;
}

// Digits with an optional leading '-' or '.', at most one '.', and a number that is not 0 unless
// the text is "0": so "0.0", "-0", "-" and "1e5" compare as text.
bool IsNumericValue(const CString& value)
{
    const int n = value.GetLength();
    if (n == 0) return false;
    int points = 0;
    for (int i = 0; i < n; ++i) {
        const char c = value[i];
        if (c == '.') {
            ++points;
        } else if (!(c >= '0' && c <= '9') && !(i == 0 && c == '-')) {
            return false;
        }
    }
    return points <= 1 && (TextToDouble(value) != 0.0 || value == "0");
}

int Order(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

// Byte order with the shorter text first on a common start, zero bytes included.
int Order(std::string_view a, std::string_view b)
{
    const int order = a.compare(b);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

void AppendRowNumber(CString& list, int number)
{
    list += IntToString(number);
    list += ',';
}

std::vector<int32_t> ParseRowList(const CString& list)
{
    std::vector<int32_t> numbers;
    const char* text = list.GetString();
    const int n = list.GetLength();
    int start = 0;
    for (int i = 0; i < n; ++i) {
        if (text[i] != ',') continue;
        numbers.push_back(TextToInt(CString(text + start, i - start)));
        start = i + 1;
    }
    return numbers;
}

}  // namespace

CString CRecordTable::Query(int column, const CString& op, const CString& value) const
{
    if (column < 0 || column >= GetColumnCount()) return "-1";
    const Op which = OpOf(op);
    CString result;
    if (which == Op::None) return result;
    const bool numeric = IsNumericValue(value);
    const double number = numeric ? TextToDouble(value) : 0.0;
    const std::string_view text(value.GetString(), static_cast<size_t>(value.GetLength()));
    for (size_t row = 0; row < m_rows.size(); ++row) {
        const std::string_view cell = CellText(row, column);
        // Cells end in a zero byte: their data reads as a C text.
        const int order = numeric ? Order(TextToDouble(cell.data()), number) : Order(cell, text);
        if (Holds(which, order)) AppendRowNumber(result, static_cast<int>(row));
    }
    return result;
}

CString CRecordTable::QueryByName(const CString& columnName, const CString& op, const CString& value) const
{
    return Query(FindColumn(columnName), op, value);
}

CString CRecordTable::CombineRowLists(const CString& listA, const CString& listB, bool intersect)
{
    const std::vector<int32_t> a = ParseRowList(listA);
    const std::vector<int32_t> b = ParseRowList(listB);
    std::vector<int32_t> combined;
    if (intersect) {
        const std::unordered_set<int32_t> inB(b.begin(), b.end());
        for (int32_t number : a)
            if (inB.count(number)) combined.push_back(number);
    } else {
        std::unordered_set<int32_t> seen;
        for (const auto* list : {&a, &b})
            for (int32_t number : *list)
                if (seen.insert(number).second) combined.push_back(number);
    }
    // Negative numbers sort after every other one.
    std::stable_sort(combined.begin(), combined.end(),
                     [](int32_t x, int32_t y) { return static_cast<uint32_t>(x) < static_cast<uint32_t>(y); });
    CString result;
    for (int32_t number : combined) AppendRowNumber(result, number);
    return result;
}
