#include "text_row.h"

#include <cstdlib>
#include <cstring>
#include <new>

namespace qbk {

TextRow& TextRow::operator=(TextRow&& other) noexcept
{
    if (this != &other) {
        std::free(m_block);
        m_block = other.m_block;
        other.m_block = nullptr;
    }
    return *this;
}

TextRow::~TextRow() { std::free(m_block); }

std::string_view TextRow::At(int index) const
{
    const int count = Count();
    if (index < 0 || index >= count) return std::string_view("", 0);
    const uint32_t* ends = m_block + 1;
    const char* bytes = reinterpret_cast<const char*>(ends + count);
    const uint32_t start = index == 0 ? 0 : ends[index - 1];
    return std::string_view(bytes + start, ends[index] - 1 - start);
}

template <typename TextOf>
void TextRow::Build(int count, TextOf textOf)
{
    if (count <= 0) {
        std::free(m_block);
        m_block = nullptr;
        return;
    }
    uint64_t total = 0;
    for (int i = 0; i < count; ++i) total += textOf(i).size() + 1;
    const uint64_t header = (uint64_t(count) + 1) * sizeof(uint32_t);
    if (total > UINT32_MAX || header + total > SIZE_MAX) throw std::bad_alloc();
    auto* block = static_cast<uint32_t*>(std::malloc(static_cast<size_t>(header + total)));
    if (!block) throw std::bad_alloc();
    block[0] = static_cast<uint32_t>(count);
    uint32_t* ends = block + 1;
    char* bytes = reinterpret_cast<char*>(ends + count);
    uint32_t end = 0;
    for (int i = 0; i < count; ++i) {
        const std::string_view text = textOf(i);
        if (!text.empty()) std::memcpy(bytes + end, text.data(), text.size());
        end += static_cast<uint32_t>(text.size());
        bytes[end++] = '\0';
        ends[i] = end;
    }
    // The texts may have come from the old block: free it only now.
    std::free(m_block);
    m_block = block;
}

void TextRow::Assign(const CString* texts, int count)
{
    Build(count, [texts](int i) { return std::string_view(texts[i].GetString(), size_t(texts[i].GetLength())); });
}

void TextRow::Set(int index, const CString& text)
{
    if (index < 0 || (index >= Count() && text.IsEmpty())) return;
    const std::string_view value(text.GetString(), size_t(text.GetLength()));
    const int count = index < Count() ? Count() : index + 1;
    Build(count, [&](int i) { return i == index ? value : At(i); });
}

void TextRow::Insert(int index)
{
    if (index < 0 || index >= Count()) return;
    Build(Count() + 1, [&](int i) { return i < index ? At(i) : (i == index ? std::string_view() : At(i - 1)); });
}

void TextRow::Erase(int index)
{
    if (index < 0 || index >= Count()) return;
    Build(Count() - 1, [&](int i) { return At(i < index ? i : i + 1); });
}

}  // namespace qbk
