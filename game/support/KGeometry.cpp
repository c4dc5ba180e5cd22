#include "KGeometry.h"

#include <algorithm>
#include <cmath>

namespace {
const double kPi = 3.141592654;
const double kTwoPi = 6.283185307;
}  // namespace

KNumberFormat::KNumberFormat() : marker("\x80") {}

double KNumberFormat::NormalizeAngle(double a)
{
    if (!std::isfinite(a)) return 0;
    if (a >= 0 && a < kTwoPi) return a;
    double r = std::acos(std::cos(a));
    if (r > kPi) r = kPi;
    if (std::sin(a) < 0) r = 2 * kPi - r;
    return r >= kTwoPi ? 0 : r;
}

double KNumberFormat::AngleTo(double px, double py, double qx, double qy)
{
    const double dx = qx - px, dy = qy - py;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance == 0) return -1.0;
    double angle = std::acos(std::max(-1.0, std::min(1.0, dx / distance)));
    if (dy < 0) angle = 2 * kPi - angle;
    return NormalizeAngle(angle);
}

bool KNumberFormat::RayAngles(const KVector3& start, const KVector3& target, double* yaw, double* pitch)
{
    if (start.x == target.x && start.y == target.y && start.z == target.z) return false;
    const double y = AngleTo(start.x, start.z, target.x, target.z);
    const double p = AngleTo(start.z, start.y, target.z, target.y);
    if (y == -1.0 || p == -1.0) return false;
    *yaw = y;
    *pitch = p;
    return true;
}

KVector3 KNumberFormat::MoveTowards(const KVector3& start, const KVector3& target, double distance)
{
    // Along the normalised direction: right for moves along one axis and towards negative z too,
    // where the two plane angles see no direction or point the other way.
    const double dx = target.x - start.x, dy = target.y - start.y, dz = target.z - start.z;
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (length == 0 || !std::isfinite(length)) return start;
    const double f = distance / length;
    return KVector3{start.x + dx * f, start.y + dy * f, start.z + dz * f};
}

KVector3 KNumberFormat::InterpolateVector(const KVector3& a, const KVector3& b, double t)
{
    auto lerp = [t](double p, double q) { return std::min(p, q) + std::fabs(p - q) * t; };
    return KVector3{lerp(a.x, b.x), lerp(a.y, b.y), lerp(a.z, b.z)};
}
