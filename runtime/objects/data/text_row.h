// TextRow: a short list of texts kept in one memory block, the cells of one table row. A million
// rows of a few short cells cost one small block each instead of one block per row plus texts.
// Layout: the count, then each text's end offset, then the texts, each followed by a zero byte
// (so a view's data may be read as a C text up to its first zero byte).
#pragma once

#include <cstdint>
#include <string_view>

#include "fw_string.h"

namespace qbk {

class TextRow {
public:
    TextRow() = default;
    TextRow(TextRow&& other) noexcept : m_block(other.m_block) { other.m_block = nullptr; }
    TextRow& operator=(TextRow&& other) noexcept;
    TextRow(const TextRow&) = delete;
    TextRow& operator=(const TextRow&) = delete;
    ~TextRow();

    int Count() const { return m_block ? static_cast<int>(m_block[0]) : 0; }
    // Text i; the empty text past the end.
    std::string_view At(int index) const;

    // Replaces the list by count texts; raises std::bad_alloc when memory runs out.
    void Assign(const CString* texts, int count);
    // Sets text i, adding empty texts before it when the list is shorter; an empty text past the
    // end changes nothing.
    void Set(int index, const CString& text);
    // An empty text at index, when index lies within the list.
    void Insert(int index);
    // Removes text i, when there is one.
    void Erase(int index);

private:
    template <typename TextOf>
    void Build(int count, TextOf textOf);

    uint32_t* m_block = nullptr;
};

}  // namespace qbk
