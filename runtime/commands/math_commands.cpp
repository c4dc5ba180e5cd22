// Arithmetic, angles, bits and geometry (type 7). Angles are in degrees, converted with factors
// built on pi to six decimals; integer arithmetic is 32-bit and wraps.
#include <climits>
#include <cmath>
#include <cstdint>

#include "command_context.h"
#include "command_table.h"
#include "decimal_text.h"
#include "value_format.h"

namespace {

constexpr double kToRadians = 0.017453294444444444;  // 3.141593 / 180
constexpr double kToDegrees = 57.29577319531843;  // 180 / 3.141593
constexpr double kFullTurn = 6.283186;

// 32-bit wrapping arithmetic.
int Add(int a, int b) { return int(uint32_t(a) + uint32_t(b)); }
int Sub(int a, int b) { return int(uint32_t(a) - uint32_t(b)); }
int Mul(int a, int b) { return int(uint32_t(a) * uint32_t(b)); }

// Mode 0 floor, 1 ceiling, any other the nearest whole number with halves going down.
double RoundByMode(double x, int mode)
{
    if (mode == 0) return std::floor(x);
    if (mode == 1) return std::ceil(x);
    const double f = std::floor(x);
    return x - f > 0.5 ? std::ceil(x) : f;
}

// Half the cross product of (b - a) and (c - a): the products wrap in 32 bits, the halving is real.
double SignedArea(int ax, int ay, int bx, int by, int cx, int cy)
{
    return double(Sub(Mul(Sub(bx, ax), Sub(cy, ay)), Mul(Sub(cx, ax), Sub(by, ay)))) / 2.0;
}

void Math_Abs(CommandContext& ctx)
{
    const int value = ctx.Int();
    ctx.SetInt(value < 0 ? Sub(0, value) : value);  // -2147483648 stays itself
}

void Math_Acos(CommandContext& ctx) { ctx.SetReal(std::acos(ctx.Real()) * kToDegrees); }
void Math_Asin(CommandContext& ctx) { ctx.SetReal(std::asin(ctx.Real()) * kToDegrees); }
void Math_AtanDegrees(CommandContext& ctx) { ctx.SetReal(std::atan(ctx.Real() / 1.0) * kToDegrees); }

void Math_BitAnd(CommandContext& ctx)
{
    const int a = ctx.Int();
    ctx.SetInt(a & ctx.Int());
}

void Math_GetBinaryDigit(CommandContext& ctx)
{
    const CString digits = IntToBinaryString(uint32_t(ctx.Int()));
    const unsigned index = unsigned(ctx.Int());
    ctx.SetResult(index < unsigned(digits.GetLength()) ? CString(digits[index]) : CString("-1"));
}

void Math_BinaryDigitCount(CommandContext& ctx) { ctx.SetInt(IntToBinaryString(uint32_t(ctx.Int())).GetLength()); }

void Math_BitOr(CommandContext& ctx)
{
    const int a = ctx.Int();
    ctx.SetInt(a | ctx.Int());
}

void Math_BitXor(CommandContext& ctx)
{
    const int a = ctx.Int();
    ctx.SetInt(a ^ ctx.Int());
}

void Math_CosDegrees(CommandContext& ctx) { ctx.SetReal(std::cos(ctx.Real() * kToRadians)); }

void Math_Distance2D(CommandContext& ctx)
{
    const double x1 = ctx.Real(), y1 = ctx.Real(), x2 = ctx.Real(), y2 = ctx.Real();
    ctx.SetReal(std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2)));
}

void Math_Distance3D(CommandContext& ctx)
{
    const double x1 = ctx.Real(), y1 = ctx.Real(), z1 = ctx.Real();
    const double x2 = ctx.Real(), y2 = ctx.Real(), z2 = ctx.Real();
    ctx.SetReal(std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2) + (z1 - z2) * (z1 - z2)));
}

void Math_Exp(CommandContext& ctx) { ctx.SetReal(std::exp(ctx.Real())); }

// The direction from (x1, y1) to (x2, y2) in radians from 0 up to a full turn, and the distance.
struct Direction {
    double Distance;
    double Angle;
};

Direction DirectionOf(double x1, double y1, double x2, double y2)
{
    const double dx = x2 - x1, dy = y2 - y1;
    const double d = std::sqrt(dx * dx + dy * dy);
    if (d == 0) return {0.0, 0.0};
    double a = std::acos(dx / d);
    if (dy / d < 0) a = kFullTurn - a;
    return {d, a};
}

void Math_GetAngle(CommandContext& ctx)
{
    const double x1 = ctx.Real(), y1 = ctx.Real(), x2 = ctx.Real(), y2 = ctx.Real();
    const Direction direction = DirectionOf(x1, y1, x2, y2);
    if (direction.Distance == 0)
        ctx.SetResult("-1");
    else
        ctx.SetReal(direction.Angle * kToDegrees);
}

void Math_Log(CommandContext& ctx)
{
    const double x = ctx.Real();
    ctx.SetReal(x > 0 ? std::log(x) : 0.0);
}

void Math_Mod(CommandContext& ctx)
{
    const int a = ctx.Int();
    const int b = ctx.Int();
    // No remainder by 0, and none that the processor cannot form (the smallest integer by -1).
    ctx.SetInt(b == 0 || (a == INT_MIN && b == -1) ? 0 : a % b);
}

void Math_Pi(CommandContext& ctx) { ctx.SetReal(3.141593); }

void Math_PtInCircle(CommandContext& ctx)
{
    const int x1 = ctx.Int(), y1 = ctx.Int(), x2 = ctx.Int(), y2 = ctx.Int(), r = ctx.Int();
    const int v = Add(Sub(Mul(Sub(y1, y2), Sub(y1, y2)), Mul(r, r)), Mul(Sub(x1, x2), Sub(x1, x2)));
    ctx.SetInt(v < 0 ? 1 : v == 0 ? 0 : -1);
}

void Math_PtInRect(CommandContext& ctx)
{
    const int x = ctx.Int(), y = ctx.Int(), left = ctx.Int(), top = ctx.Int(), width = ctx.Int(), height = ctx.Int();
    int x0 = left, x1 = Add(left, width), y0 = top, y1 = Add(top, height);
    if (x1 < x0) std::swap(x0, x1);
    if (y1 < y0) std::swap(y0, y1);
    ctx.SetTruth(x >= x0 && x < x1 && y >= y0 && y < y1);
}

void Math_PtInTriangle(CommandContext& ctx)
{
    const int px = ctx.Int(), py = ctx.Int();
    const int ax = ctx.Int(), ay = ctx.Int();
    int bx = ctx.Int(), by = ctx.Int(), cx = ctx.Int(), cy = ctx.Int();
    if (SignedArea(ax, ay, bx, by, cx, cy) < 0) {
        std::swap(bx, cx);
        std::swap(by, cy);
    }
    ctx.SetTruth(SignedArea(px, py, ax, ay, bx, by) > 0 && SignedArea(px, py, bx, by, cx, cy) > 0 &&
                 SignedArea(px, py, cx, cy, ax, ay) > 0);
}

void Math_Pow(CommandContext& ctx)
{
    const double x = ctx.Real();
    ctx.SetReal(std::pow(x, ctx.Real()));
}

// rand() * n / 32768 with a product that cannot wrap: 0 to n - 1 for every positive n.
void Math_Random(CommandContext& ctx) { ctx.SetInt(RandomInt(ctx.Int())); }

void Math_Round(CommandContext& ctx)
{
    const double x = ctx.Real();
    ctx.SetReal(RoundByMode(x, ctx.Int()));
}

// Rounds the six decimals that "%f" writes, taken as a number with the point after the first
// `decimals` of them; so 2.345 with 2 decimals rounds 34.5. Decimals are kept within 0 to 6 (the
// digits there are) and a negative number's decimals count negative.
void Math_RoundDecimals(CommandContext& ctx)
{
    const double x = ctx.Real();
    int decimals = ctx.Int();
    const int mode = ctx.Int();
    decimals = decimals < 0 ? 0 : decimals > 6 ? 6 : decimals;
    CString written;
    written.Format("%f", x);
    const int point = written.Find('.');
    const CString digits = point >= 0 ? written.Mid(point + 1, 6) : CString();
    double y = TextToDouble(digits.Left(decimals) + "." + digits.Mid(decimals));
    if (x < 0) y = -y;
    ctx.SetReal(RoundByMode(y, mode) / double(IntPower(10, decimals)) + std::trunc(x));
}

void Math_SinDegrees(CommandContext& ctx) { ctx.SetReal(std::sin(ctx.Real() * kToRadians)); }
void Math_Sqrt(CommandContext& ctx) { ctx.SetReal(std::sqrt(ctx.Real())); }
void Math_TanDegrees(CommandContext& ctx) { ctx.SetReal(std::tan(ctx.Real() * kToRadians)); }

// The point at length from the first point toward the second: x (wantY false) or y.
void MoveToward(CommandContext& ctx, bool wantY)
{
    const double x1 = ctx.Real(), y1 = ctx.Real(), x2 = ctx.Real(), y2 = ctx.Real(), length = ctx.Real();
    const Direction direction = DirectionOf(x1, y1, x2, y2);
    if (direction.Distance == 0)
        ctx.SetReal(wantY ? y1 : x1);
    else
        ctx.SetReal(wantY ? y1 + std::sin(direction.Angle) * length : x1 + std::cos(direction.Angle) * length);
}

void Math_MoveTowardX(CommandContext& ctx) { MoveToward(ctx, false); }
void Math_MoveTowardY(CommandContext& ctx) { MoveToward(ctx, true); }

constexpr CommandEntry kMath[] = {
    {0, "Math_Abs", Math_Abs},  // no shared commands: own numbers from 0
    {1, "Math_Acos", Math_Acos},
    {2, "Math_Asin", Math_Asin},
    {3, "Math_AtanDegrees", Math_AtanDegrees},
    {4, "Math_BitAnd", Math_BitAnd},
    {5, "Math_GetBinaryDigit", Math_GetBinaryDigit},
    {6, "Math_BinaryDigitCount", Math_BinaryDigitCount},
    {7, "Math_BitOr", Math_BitOr},
    {8, "Math_BitXor", Math_BitXor},
    {9, "Math_CosDegrees", Math_CosDegrees},
    {10, "Math_Distance2D", Math_Distance2D},
    {11, "Math_Distance3D", Math_Distance3D},
    {12, "Math_Exp", Math_Exp},
    {13, "Math_GetAngle", Math_GetAngle},
    {14, "Math_Log", Math_Log},
    {15, "Math_Mod", Math_Mod},
    {16, "Math_Pi", Math_Pi},
    {17, "Math_PtInCircle", Math_PtInCircle},
    {18, "Math_PtInRect", Math_PtInRect},
    {19, "Math_PtInTriangle", Math_PtInTriangle},
    {20, "Math_Pow", Math_Pow},
    {21, "Math_Random", Math_Random},
    {22, "Math_Round", Math_Round},
    {23, "Math_RoundDecimals", Math_RoundDecimals},
    {24, "Math_SinDegrees", Math_SinDegrees},
    {25, "Math_Sqrt", Math_Sqrt},
    {26, "Math_TanDegrees", Math_TanDegrees},
    {27, "Math_MoveTowardX", Math_MoveTowardX},
    {28, "Math_MoveTowardY", Math_MoveTowardY},
};
static_assert(NumbersOwnCommands(kMath, qbk::TypeMath, 28));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMath, kMath)};

}  // namespace

extern const CommandFamily kMathFamily("Math", kLists);
