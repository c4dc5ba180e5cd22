// Arithmetic, angles, bits and geometry (type 7).
#include "command_table.h"

namespace {

constexpr CommandEntry kMath[] = {
    {0, "Math_Abs"},  // no shared commands: own numbers from 0
    {1, "Math_Acos"},          {2, "Math_Asin"},           {3, "Math_AtanDegrees"},
    {4, "Math_BitAnd"},        {5, "Math_GetBinaryDigit"}, {6, "Math_BinaryDigitCount"},
    {7, "Math_BitOr"},         {8, "Math_BitXor"},         {9, "Math_CosDegrees"},
    {10, "Math_Distance2D"},   {11, "Math_Distance3D"},    {12, "Math_Exp"},
    {13, "Math_GetAngle"},     {14, "Math_Log"},           {15, "Math_Mod"},
    {16, "Math_Pi"},           {17, "Math_PtInCircle"},    {18, "Math_PtInRect"},
    {19, "Math_PtInTriangle"}, {20, "Math_Pow"},           {21, "Math_Random"},
    {22, "Math_Round"},        {23, "Math_RoundDecimals"}, {24, "Math_SinDegrees"},
    {25, "Math_Sqrt"},         {26, "Math_TanDegrees"},    {27, "Math_MoveTowardX"},
    {28, "Math_MoveTowardY"},
};
static_assert(NumbersOwnCommands(kMath, qbk::TypeMath, 28));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMath, kMath)};

}  // namespace

extern const CommandFamily kMathFamily("Math", kLists);
