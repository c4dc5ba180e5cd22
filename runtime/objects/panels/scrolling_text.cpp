#include "scrolling_text.h"

#include <cmath>

namespace qbk {

namespace {

double StartOffset(double speed, int textSize, int areaSize)
{
    if (speed > 0) return -textSize;
    if (speed < 0) return areaSize;
    return 0;
}

double Wrapped(double offset, int textSize, int areaSize)
{
    const double whole = std::trunc(offset);
    if (whole < -textSize) return areaSize;
    if (whole > areaSize) return -textSize;
    return offset;
}

// A speed that is no number, or an endless one, would leave the text nowhere.
double Finite(double speed) { return std::isfinite(speed) ? speed : 0; }

}  // namespace

void TextMotion::Start(double speedX, double speedY, const TextExtent& extent)
{
    m_speedX = Finite(speedX);
    m_speedY = Finite(speedY);
    m_x = StartOffset(m_speedX, extent.TextWidth, extent.AreaWidth);
    m_y = StartOffset(m_speedY, extent.TextHeight, extent.AreaHeight);
}

void TextMotion::Advance(unsigned elapsedMs, const TextExtent& extent)
{
    m_x = Wrapped(m_x + elapsedMs * m_speedX, extent.TextWidth, extent.AreaWidth);
    m_y = Wrapped(m_y + elapsedMs * m_speedY, extent.TextHeight, extent.AreaHeight);
}

}  // namespace qbk
