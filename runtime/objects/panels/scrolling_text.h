// The movement of a scrolling window's text: where it starts for a speed, and where it is after
// some milliseconds, coming back in from the other side once it has left the area.
#pragma once

namespace qbk {

struct TextExtent {
    int TextWidth = 0, TextHeight = 0;
    int AreaWidth = 0, AreaHeight = 0;
};

class TextMotion {
public:
    // Speeds in pixels per millisecond. A positive speed starts the text just outside the area on
    // the near side (left, top), a negative one at the far edge, a zero speed at offset 0.
    void Start(double speedX, double speedY, const TextExtent& extent);
    // Moves by elapsed x speed on each axis; text that has left the area on one side comes back
    // on the other.
    void Advance(unsigned elapsedMs, const TextExtent& extent);
    void SetOffset(double x, double y)
    {
        m_x = x;
        m_y = y;
    }
    bool IsMoving() const { return m_speedX != 0 || m_speedY != 0; }
    double X() const { return m_x; }
    double Y() const { return m_y; }
    double SpeedX() const { return m_speedX; }
    double SpeedY() const { return m_speedY; }

private:
    double m_x = 0, m_y = 0;
    double m_speedX = 0, m_speedY = 0;
};

}  // namespace qbk
