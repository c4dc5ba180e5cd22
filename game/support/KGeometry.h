// Vectors and the angle helpers of the 3D engine, free of any platform. KNumberFormat is the small
// base that meshes, track pieces, the menu and the level run share.
#pragma once

#include "KString.h"

struct KVector3 {
    double x = 0, y = 0, z = 0;
};

class KNumberFormat {
public:
    KNumberFormat();
    virtual ~KNumberFormat() = default;

    // a itself when 0 <= a < 2 pi, otherwise the same direction brought into [0, 2 pi);
    // a value that is not a number counts as 0.
    static double NormalizeAngle(double a);
    // Angle of the direction from p to q, or -1 when they coincide.
    static double AngleTo(double px, double py, double qx, double qy);
    // Yaw (angle in the x-z plane) and pitch (angle in the z-y plane) of the ray from start to target;
    // false when the points coincide or either plane sees no direction.
    static bool RayAngles(const KVector3& start, const KVector3& target, double* yaw, double* pitch);
    // start moved by distance straight towards target; start itself when they coincide.
    static KVector3 MoveTowards(const KVector3& start, const KVector3& target, double distance);
    // Per component: min(a, b) + |a - b| * t.
    static KVector3 InterpolateVector(const KVector3& a, const KVector3& b, double t);

    // The level-run display keeps the viewport size here (KFont3D::SetColors).
    void SetViewportPair(int a, int b)
    {
        pairA_ = a;
        pairB_ = b;
    }
    int PairA() const { return pairA_; }
    int PairB() const { return pairB_; }

    char groupSeparator = ' ';
    char decimalPoint = '.';
    KString marker;  // the single byte 0x80
    int one = 1, two = 2;

private:
    int pairA_ = 0, pairB_ = 0;
};
