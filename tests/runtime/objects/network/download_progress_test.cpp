#include "download_progress.h"

#include <gtest/gtest.h>

namespace {

TEST(DownloadProgress, PercentTitleAndLength)
{
    EXPECT_EQ(DownloadPercent(0, 0), 0);
    EXPECT_EQ(DownloadPercent(500, 0), 0);  // no length known: no division by zero
    EXPECT_EQ(DownloadPercent(50, 200), 25);
    EXPECT_EQ(DownloadPercent(300, 200), 100);
    // Sizes whose hundredfold overflows 32 bits still give the right share.
    EXPECT_EQ(DownloadPercent(30000000, 60000000), 50);
    EXPECT_EQ(DownloadPercent(5000000000ull, 10000000000ull), 50);
    EXPECT_EQ(DownloadTitle(0, 4096), "Downloading... (0 of 4Kb)");
    EXPECT_EQ(DownloadTitle(3000, 30000000), "Downloading... (2 of 29296Kb)");
    uint64_t length = 7;
    EXPECT_TRUE(ParseContentLength("12345", length));
    EXPECT_EQ(length, 12345u);
    for (const char* bad : {"", "-1", "12a", "99999999999999999999999"}) {
        EXPECT_FALSE(ParseContentLength(bad, length)) << bad;
    }
}

}  // namespace
