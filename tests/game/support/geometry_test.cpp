// Angle and vector helpers of the 3D engine.
#include <gtest/gtest.h>

#include "KGeometry.h"

#include <cmath>
#include <limits>

namespace {
const double kPi = 3.14159265358979323846;
const double kTwoPi = 6.283185307;

void ExpectNear(const KVector3& v, double x, double y, double z)
{
    EXPECT_NEAR(v.x, x, 1e-9);
    EXPECT_NEAR(v.y, y, 1e-9);
    EXPECT_NEAR(v.z, z, 1e-9);
}
}  // namespace

TEST(NormalizeAngle, BringsEveryAngleIntoOneTurn)
{
    struct Case {
        double in, out;
    };
    const Case cases[] = {
        {0, 0},      {1.5, 1.5},   {6.28, 6.28},   {7.0, 7.0 - 2 * kPi},    {-0.5, 5.783185308},
        {kTwoPi, 0}, {-kTwoPi, 0}, {3 * kPi, kPi}, {-kPi / 2, 3 * kPi / 2}, {100.0, std::fmod(100.0, 2 * kPi)},
    };
    for (const Case& c : cases) EXPECT_NEAR(KNumberFormat::NormalizeAngle(c.in), c.out, 1e-6) << c.in;
    EXPECT_NEAR(KNumberFormat::NormalizeAngle(7.0), 0.7168146928, 1e-6);
}

TEST(NormalizeAngle, NeverLeavesTheTurn)
{
    for (double a = -50; a < 50; a += 0.01) {
        const double n = KNumberFormat::NormalizeAngle(a);
        EXPECT_GE(n, 0.0);
        EXPECT_LT(n, kTwoPi);
    }
    EXPECT_EQ(KNumberFormat::NormalizeAngle(std::numeric_limits<double>::quiet_NaN()), 0.0);
    EXPECT_EQ(KNumberFormat::NormalizeAngle(std::numeric_limits<double>::infinity()), 0.0);
}

TEST(AngleTo, DirectionAngleOrMinusOneForOnePoint)
{
    EXPECT_EQ(KNumberFormat::AngleTo(1, 2, 1, 2), -1.0);
    EXPECT_NEAR(KNumberFormat::AngleTo(0, 0, 1, 0), 0, 1e-9);
    EXPECT_NEAR(KNumberFormat::AngleTo(0, 0, 0, 5), kPi / 2, 1e-9);
    EXPECT_NEAR(KNumberFormat::AngleTo(0, 0, -2, 0), kPi, 1e-6);
    EXPECT_NEAR(KNumberFormat::AngleTo(0, 0, 0, -3), 3 * kPi / 2, 1e-6);
    EXPECT_NEAR(KNumberFormat::AngleTo(1, 1, 2, 0), 7 * kPi / 4, 1e-6);
}

TEST(RayAngles, YawInTheGroundPlaneAndPitchInTheUprightOne)
{
    double yaw = -5, pitch = -5;
    EXPECT_FALSE(KNumberFormat::RayAngles({1, 2, 3}, {1, 2, 3}, &yaw, &pitch));
    EXPECT_FALSE(KNumberFormat::RayAngles({0, 0, 0}, {0, 5, 0}, &yaw, &pitch));  // no x-z direction
    EXPECT_EQ(yaw, -5);
    ASSERT_TRUE(KNumberFormat::RayAngles({0, 0, 0}, {1, 1, 1}, &yaw, &pitch));
    EXPECT_NEAR(yaw, kPi / 4, 1e-9);
    EXPECT_NEAR(pitch, kPi / 4, 1e-9);
}

TEST(MoveTowards, GoesStraightTowardsTheTarget)
{
    const KVector3 origin{0, 0, 0};
    // Along each axis, both ways: the plane angles alone see no direction here.
    ExpectNear(KNumberFormat::MoveTowards(origin, {10, 0, 0}, 4), 4, 0, 0);
    ExpectNear(KNumberFormat::MoveTowards(origin, {-10, 0, 0}, 4), -4, 0, 0);
    ExpectNear(KNumberFormat::MoveTowards(origin, {0, 10, 0}, 4), 0, 4, 0);
    ExpectNear(KNumberFormat::MoveTowards(origin, {0, -10, 0}, 4), 0, -4, 0);
    ExpectNear(KNumberFormat::MoveTowards(origin, {0, 0, 10}, 4), 0, 0, 4);
    ExpectNear(KNumberFormat::MoveTowards(origin, {0, 0, -10}, 4), 0, 0, -4);
    ExpectNear(KNumberFormat::MoveTowards({1, 2, 3}, {4, 6, 3}, 2.5), 2.5, 4, 3);
    ExpectNear(KNumberFormat::MoveTowards({5, 5, 5}, {5, 5, 5}, 3), 5, 5, 5);
    // The full distance lands on the target.
    ExpectNear(KNumberFormat::MoveTowards({0, 0, 200}, {-30, 40, -200}, std::sqrt(30 * 30 + 40 * 40 + 400 * 400.0)),
               -30, 40, -200);
}

TEST(InterpolateVector, EachComponentStartsFromItsSmallerValue)
{
    ExpectNear(KNumberFormat::InterpolateVector({0, 10, 0}, {10, 0, 0}, 0), 0, 0, 0);
    ExpectNear(KNumberFormat::InterpolateVector({0, 10, 0}, {10, 0, 0}, 0.5), 5, 5, 0);
    ExpectNear(KNumberFormat::InterpolateVector({-4, 2, 8}, {4, 2, 0}, 1), 4, 2, 8);
}

TEST(NumberFormat, FieldsOfTheSharedBase)
{
    KNumberFormat f;
    EXPECT_EQ(f.groupSeparator, ' ');
    EXPECT_EQ(f.decimalPoint, '.');
    ASSERT_EQ(f.marker.Length(), 1);
    EXPECT_EQ(static_cast<unsigned char>(f.marker[0]), 0x80);
    EXPECT_EQ(f.one, 1);
    EXPECT_EQ(f.two, 2);
    f.SetViewportPair(1024, 768);
    EXPECT_EQ(f.PairA(), 1024);
    EXPECT_EQ(f.PairB(), 768);
}
