#include "list_order.h"

#include "value_format.h"

size_t DrawIndex(size_t remaining)
{
    if (remaining <= 32768) return size_t(RandomInt(int(remaining)));
    // Two draws make 30 bits, scaled like the single draw.
    const unsigned long long n = remaining;
    const unsigned long long bits = (unsigned long long)Rand32768() << 15 | (unsigned long long)Rand32768();
    if (n <= (1ull << 30)) return size_t(bits * n >> 30);
    // Lists beyond 2^30 entries take a third draw for the low part of the scale.
    const unsigned long long low = (unsigned long long)Rand32768();
    return size_t((bits * (n >> 15) + ((bits * (n & 0x7FFF) + low * n) >> 15)) >> 30);
}

std::vector<size_t> ShuffledOrder(size_t count)
{
    // The pool as a Fenwick tree of counts: the k-th entry left is found in log n steps.
    std::vector<size_t> tree(count + 1, 0);
    for (size_t i = 1; i <= count; ++i) {
        tree[i] += 1;
        const size_t parent = i + (i & (~i + 1));
        if (parent <= count) tree[parent] += tree[i];
    }
    size_t top = 1;
    while (top * 2 <= count) top *= 2;
    std::vector<size_t> order(count);
    for (size_t i = 0; i < count; ++i) {
        size_t k = DrawIndex(count - i);  // 0-based rank among the entries left
        size_t position = 0;
        for (size_t step = top; step > 0; step /= 2) {
            if (position + step <= count && tree[position + step] <= k) {
                position += step;
                k -= tree[position];
            }
        }
        order[i] = position;  // position + 1 in the tree
        for (size_t j = position + 1; j <= count; j += j & (~j + 1)) tree[j] -= 1;
    }
    return order;
}
