#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "value_format.h"

TEST(DoubleToStringTest, FixedPointWithoutTrailingZeros)
{
    struct Case {
        double value;
        const char* want;
    } cases[] = {
        {3, "3"},
        {3.10, "3.1"},
        {1.5, "1.5"},
        {2.5, "2.5"},
        {100, "100"},
        {0.25, "0.25"},
        {1.0 / 3, "0.333333"},
        {0.0000004, "0"},
        {-0.0000001, "-0"},
        {-0.0, "-0"},
        {-2, "-2"},
        {0, "0"},
        {0.0000006, "0.000001"},
        {123456.7890001, "123456.789"},
        {-1.25, "-1.25"},
        {1e20, "100000000000000000000"},
        {2147483648.0, "2147483648"},
    };
    for (const Case& c : cases) EXPECT_EQ(DoubleToString(c.value), c.want) << c.value;
}

TEST(DoubleToStringTest, HugeAndNonFiniteValues)
{
    CString big = DoubleToString(1e300);
    EXPECT_EQ(big.GetLength(), 301);
    EXPECT_EQ(big.Left(3), "100");
    EXPECT_EQ(DoubleToString(-1e24), "-999999999999999983222784");
    EXPECT_EQ(DoubleToString(INFINITY), "inf");
    EXPECT_EQ(DoubleToString(-INFINITY), "-inf");
    EXPECT_EQ(DoubleToString(NAN), "nan");
    EXPECT_EQ(DoubleToString(-NAN), "nan");
}

TEST(IntegerTextTest, DecimalHexAndBinary)
{
    EXPECT_EQ(IntToString(INT_MIN), "-2147483648");
    EXPECT_EQ(IntToString(42), "42");
    EXPECT_EQ(FormatNumber(-9000000000LL), "-9000000000");
    EXPECT_EQ(Int64ToString(5), "5");
    EXPECT_EQ(IntToHex(255), "FF");
    EXPECT_EQ(IntToHex(-1), "FFFFFFFF");
    EXPECT_EQ(IntToHexString(0), "0");
    struct Bin {
        uint32_t v;
        const char* want;
    } bins[] = {
        {0, "0"},
        {1, "1"},
        {5, "101"},
        {0x80000000u, "10000000000000000000000000000000"},
        {0xFFFFFFFFu, "11111111111111111111111111111111"},
    };
    for (const Bin& b : bins) EXPECT_EQ(IntToBinaryString(b.v), b.want);
}

TEST(IntegerTextTest, ReadingHexAndBinary)
{
    struct Case {
        const char* text;
        uint32_t hex;
    } cases[] = {
        {"1F", 31},       {"FF", 255},
        {"", 0},          {"FFFFFFFF", 0xFFFFFFFFu},
        {"100000000", 0}, {"1f", 16 * 1 + ('f' - '0')},  // lower case is no hex digit here
        {"G", 'G' - '0'}, {"/", static_cast<uint32_t>(-1)},
    };
    for (const Case& c : cases) EXPECT_EQ(HexToInt(c.text), c.hex) << c.text;
    EXPECT_NE(HexTextToInt("1f"), 31u);
    EXPECT_EQ(BinaryToInt("1x1"), 5u);
    EXPECT_EQ(BinaryToInt(""), 0u);
    EXPECT_EQ(BinaryTextToInt("11111111111111111111111111111111"), 0xFFFFFFFFu);
    EXPECT_EQ(BinaryToInt(CString('1', 40)), 0xFFFFFFFFu);  // places beyond 32 bits wrap away
    EXPECT_EQ(HexToInt("\xC4"), static_cast<uint32_t>(static_cast<signed char>('\xC4') - '0'));
}

TEST(IntegerTextTest, IsNumberAcceptsDigitsOnly)
{
    EXPECT_TRUE(IsNumber(""));
    EXPECT_TRUE(IsNumber("0123"));
    EXPECT_FALSE(IsNumber("-1"));
    EXPECT_FALSE(IsNumber("1.5"));
    EXPECT_FALSE(IsNumber("+1"));
    EXPECT_FALSE(IsNumber("1 "));
}

namespace {
int g_next = 0;
int FixedSource() { return g_next; }
}  // namespace

TEST(RandomIntTest, ScalesTheGeneratorWithoutOverflow)
{
    SetRandomSource(FixedSource);
    struct Case {
        int r, n, want;
    } cases[] = {
        {0, 10, 0},       {32767, 10, 9}, {16384, 10, 5}, {32767, 100000, 99996}, {32767, INT_MAX, 2147418111},
        {32767, -10, -9}, {100, 0, 0},
    };
    for (const Case& c : cases) {
        g_next = c.r;
        EXPECT_EQ(RandomInt(c.n), c.want) << c.r << " " << c.n;
    }
    SetRandomSource(nullptr);
    for (int i = 0; i < 1000; ++i) {
        int v = RandomInt(1000000);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 1000000);
    }
}

TEST(IntPowerTest, PowersAndNegativeExponents)
{
    struct Case {
        int base, exponent, want;
    } cases[] = {
        {2, 10, 1024}, {3, 0, 1},    {0, 0, 1},  {-2, 3, -8}, {10, 9, 1000000000}, {2, 31, INT_MIN}, {2, 32, 0},
        {1, -5, 1},    {-1, -3, -1}, {2, -1, 0}, {0, -1, 0},  {2, -32, 0},         {-1, INT_MIN, 1}, {7, 1, 7},
    };
    for (const Case& c : cases) EXPECT_EQ(IntPower(c.base, c.exponent), c.want) << c.base << "^" << c.exponent;
}
