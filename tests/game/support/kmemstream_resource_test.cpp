#include "KMemStream.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::string Contents(KMemStream& s)
{
    return std::string(reinterpret_cast<const char*>(s.GetData()), static_cast<size_t>(s.Size()));
}

TEST(KMemStreamResource, LoadsTheProgramsBinaryResource)
{
    KMemStream key;
    ASSERT_TRUE(key.LoadResource("BINARY", 129));
    EXPECT_EQ(key.Tell(), 0);
    EXPECT_EQ(Contents(key), std::string("KEYBYTES\x01\x02\xfe\xff", 12));
    // Resized as the game cuts its key.
    EXPECT_TRUE(key.SetSize(8));
    EXPECT_EQ(Contents(key), "KEYBYTES");
}

TEST(KMemStreamResource, AppendsAtThePosition)
{
    KMemStream s;
    s.WriteText("pre:");
    ASSERT_TRUE(s.LoadResource("BINARY", 129, GetModuleHandleA(nullptr)));
    EXPECT_EQ(s.Size(), 16);
    EXPECT_EQ(Contents(s).substr(0, 12), "pre:KEYBYTES");
}

TEST(KMemStreamResource, MissingResourceFails)
{
    KMemStream s;
    EXPECT_FALSE(s.LoadResource("BINARY", 130));
    EXPECT_FALSE(s.LoadResource("NOSUCHTYPE", 129));
    EXPECT_FALSE(s.IsOpen());
}

}  // namespace
