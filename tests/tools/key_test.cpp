// The key: always the same bytes, long enough for the game, and not a pattern that would leave
// the scrambled files readable.
#include <gtest/gtest.h>

#include <set>

#include "key/data_key.h"

using namespace zvtools;

TEST(DataKeyTest, SameBytesEveryTimeAndLongEnough)
{
    const auto key = MakeDataKey();
    EXPECT_EQ(key.size(), kKeyResourceSize);
    EXPECT_GE(key.size(), kKeyLength);
    EXPECT_EQ(key, MakeDataKey());
    // A shorter key is the start of the longer one, so the game's cut keeps the same key.
    const auto cut = MakeDataKey(kKeyLength);
    EXPECT_TRUE(std::equal(cut.begin(), cut.end(), key.begin()));
}

TEST(DataKeyTest, BytesAreSpreadOut)
{
    const auto key = MakeDataKey(kKeyLength);
    std::set<std::uint8_t> values(key.begin(), key.end());
    EXPECT_EQ(values.size(), 256u);
    int zeros = 0;
    for (std::uint8_t b : key) zeros += b == 0;
    EXPECT_LT(zeros, 80);  // about 33 expected; a zero byte leaves a data byte as it is
}
