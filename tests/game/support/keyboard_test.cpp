// KKeyboard: the repeat rule on a key state and a clock that the test drives, and the key names.
#include <gtest/gtest.h>

#include "KKeyboard.h"

#include <bitset>
#include <climits>
#include <string>
#include <vector>

namespace {

class Keys : public ::testing::Test {
protected:
    std::bitset<256> down;
    uint32_t now = 1000;
    std::vector<int> asked;  // keys whose state was read
    KKeyboard keyboard{[this](int key) {
                           asked.push_back(key);
                           return down.test(static_cast<size_t>(key));
                       },
                       [this] { return now; }};

    // Holds the key from the present time for `holdMs`, polling every `frameMs`; the times of the
    // polls that counted.
    std::vector<uint32_t> Hold(int key, int delay, uint32_t holdMs, uint32_t frameMs)
    {
        std::vector<uint32_t> counted;
        const uint32_t start = now;
        down.set(static_cast<size_t>(key));
        for (; now - start < holdMs; now += frameMs)
            if (keyboard.IsPressed(key, delay)) counted.push_back(now - start);
        down.reset(static_cast<size_t>(key));
        return counted;
    }
};

}  // namespace

TEST_F(Keys, AKeyThatIsUpNeverCounts)
{
    EXPECT_FALSE(keyboard.IsPressed(38, 200));
    EXPECT_FALSE(keyboard.IsPressed(38, 200));
}

TEST_F(Keys, HeldKeyRepeatsOncePerDelay)
{
    EXPECT_EQ(Hold(40, 200, 1000, 10), (std::vector<uint32_t>{0, 200, 400, 600, 800}));
}

TEST_F(Keys, FramesLongerThanOneMillisecondCountAtTheFirstFrameDue)
{
    EXPECT_EQ(Hold(40, 200, 1000, 16), (std::vector<uint32_t>{0, 208, 416, 624, 832}));
}

TEST_F(Keys, TwoTapsCloserThanTheDelayCountOnce)
{
    EXPECT_EQ(Hold(13, 200, 30, 10).size(), 1u);
    now += 70;  // released for 70 ms: the second tap starts 100 ms after the first
    EXPECT_TRUE(Hold(13, 200, 30, 10).empty());
    now += 100;  // past the delay: releasing cleared nothing, time alone counts
    EXPECT_EQ(Hold(13, 200, 30, 10).size(), 1u);
}

TEST_F(Keys, TheDelayOfThePreviousPressDecidesTheNext)
{
    down.set(32);
    EXPECT_TRUE(keyboard.IsPressed(32, 500));
    now += 300;
    EXPECT_FALSE(keyboard.IsPressed(32, 100));  // still the 500 of the first press
    now += 200;
    EXPECT_TRUE(keyboard.IsPressed(32, 100));
    now += 100;
    EXPECT_TRUE(keyboard.IsPressed(32, 100));
}

TEST_F(Keys, NegativeDelayCountsOnEveryPoll)
{
    EXPECT_EQ(Hold(65, -50, 5, 1).size(), 5u);
    EXPECT_EQ(Hold(66, 0, 5, 1).size(), 5u);
}

TEST_F(Keys, SetRepeatForAllKeysMakesEveryKeyWait)
{
    EXPECT_EQ(keyboard.SetRepeat(KKeyboard::kAllKeys, 1000), now);
    down.set();
    for (int key : {0, 8, 13, 65, 255}) EXPECT_FALSE(keyboard.IsPressed(key, 200)) << key;
    now += 999;
    EXPECT_FALSE(keyboard.IsPressed(27, 200));
    now += 1;
    for (int key : {0, 8, 13, 65, 255}) EXPECT_TRUE(keyboard.IsPressed(key, 200)) << key;
}

TEST_F(Keys, SetRepeatOfOneKeyLeavesTheOthers)
{
    keyboard.SetRepeat(37, 300);
    down.set(37);
    down.set(39);
    EXPECT_FALSE(keyboard.IsPressed(37, 200));
    EXPECT_TRUE(keyboard.IsPressed(39, 200));
}

TEST_F(Keys, KeysOutsideTheTableAreNeverPressedNorRead)
{
    down.set();
    for (int key : {-1, -2, 256, 1000, INT_MAX, INT_MIN}) {
        EXPECT_FALSE(keyboard.IsPressed(key, 0)) << key;
        EXPECT_EQ(keyboard.SetRepeat(key == -1 ? -2 : key, 100), now);
    }
    EXPECT_TRUE(asked.empty());
    EXPECT_TRUE(keyboard.IsPressed(0, 0));  // and the table was not touched
}

TEST_F(Keys, RepeatSurvivesTheWrapOfTheMillisecondCounter)
{
    now = 0xFFFFFF00u;
    EXPECT_EQ(Hold(38, 200, 1000, 10), (std::vector<uint32_t>{0, 200, 400, 600, 800}));
}

TEST(KeyNames, NamesByCode)
{
    KKeyboard keyboard([](int) { return false; }, [] { return 0u; });
    struct Case {
        int code;
        const char* name;
    };
    const Case cases[] = {
        {1, "LBUTTON"},  {4, "MBUTTON"}, {5, ""},       {8, "BACK"},     {9, "TAB"},       {10, ""},
        {12, "CLEAR"},   {13, "RETURN"}, {16, "SHIFT"}, {20, "CAPITAL"}, {27, "ESCAPE"},   {32, "SPACE"},
        {33, "PRIOR"},   {37, "LEFT"},   {40, "DOWN"},  {41, "SELECT"},  {42, ""},         {43, "EXECUTE"},
        {47, "HELP"},    {48, "0"},      {57, "9"},     {58, ""},        {65, "A"},        {90, "Z"},
        {91, "LWIN"},    {93, "APPS"},   {94, ""},      {96, "NUM0"},    {105, "NUM9"},    {106, "MULTIPLY"},
        {111, "DIVIDE"}, {112, "F1"},    {127, "F16"},  {128, ""},       {144, "NUMLOCK"}, {145, "SCROLL"},
        {246, "ATTN"},   {253, "PA1"},   {254, ""},     {255, ""},       {0, ""},          {-1, ""},
        {256, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(std::string(KKeyboard::KeyName(c.code).c_str()), c.name) << c.code;
}

TEST(KeyNames, BuiltOnceAndFreedOnRequest)
{
    {
        KKeyboard first([](int) { return false; }, [] { return 0u; });
        KKeyboard second([](int) { return false; }, [] { return 0u; });
        EXPECT_EQ(std::string(KKeyboard::KeyName(65).c_str()), "A");
    }
    EXPECT_EQ(std::string(KKeyboard::KeyName(65).c_str()), "A");  // the table outlives the keyboards
    KKeyboard::FreeKeyNames();
    EXPECT_EQ(std::string(KKeyboard::KeyName(65).c_str()), "");
    KKeyboard again([](int) { return false; }, [] { return 0u; });
    EXPECT_EQ(std::string(KKeyboard::KeyName(65).c_str()), "A");
    KKeyboard::FreeKeyNames();
}
