// Orders of script lists: a stable sort and a random order, for lists of any length.
#pragma once

#include <cstddef>
#include <vector>

// Sorts ascending by less, keeping equal entries in their order (the result of moving each entry
// left while it is less than its left neighbour), in n log n steps. Safe with any less, also one
// that is no ordering (not-a-number values): entries are only ever moved, never lost.
template <class T, class Less>
void StableSort(T* data, size_t count, Less less)
{
    if (count < 2) return;
    std::vector<T> scratch(count);
    T* from = data;
    T* to = scratch.data();
    for (size_t width = 1; width < count; width *= 2) {
        for (size_t left = 0; left < count; left += 2 * width) {
            const size_t middle = left + width < count ? left + width : count;
            const size_t right = middle + width < count ? middle + width : count;
            size_t a = left, b = middle, out = left;
            while (a < middle && b < right)
                to[out++] = less(from[b], from[a]) ? std::move(from[b++]) : std::move(from[a++]);
            while (a < middle) to[out++] = std::move(from[a++]);
            while (b < right) to[out++] = std::move(from[b++]);
        }
        std::swap(from, to);
    }
    if (from != data)
        for (size_t i = 0; i < count; ++i) data[i] = std::move(from[i]);
}

// A random index from 0 to remaining - 1: the C library's draw scaled as rand() * n / 32768 for
// the lengths it covers, and a wider draw for longer lists, so that every entry can be drawn.
size_t DrawIndex(size_t remaining);

// A random order of count entries: entry i of the result is the old position of the entry that
// goes to position i. Positions are filled from the first on, each with the entry at a drawn index
// among those left (DrawIndex), which then leaves the pool.
std::vector<size_t> ShuffledOrder(size_t count);
