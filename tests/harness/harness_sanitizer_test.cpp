// The native tree really runs under AddressSanitizer and UndefinedBehaviorSanitizer.
#include <gtest/gtest.h>
#include <cstdlib>
#include <cstring>
#include <climits>

namespace {

int ReadPastEnd(int n)
{
    volatile int* p = static_cast<int*>(std::malloc(sizeof(int) * 4));
    int v = p[n];
    std::free(const_cast<int*>(p));
    return v;
}

int AddOverflow(int a)
{
    volatile int b = INT_MAX;
    return a + b;
}

}  // namespace

TEST(Sanitizers, HeapOverflowIsCaught)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(ReadPastEnd(4), "heap-buffer-overflow");
}

TEST(Sanitizers, SignedOverflowIsCaught)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(AddOverflow(1), "signed integer overflow");
}
