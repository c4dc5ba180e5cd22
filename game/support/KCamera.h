// A camera: position and three angles turned into the device's view and projection.
#pragma once

#include "KGeometry.h"

class KDevice3D;

class KCamera {
public:
    explicit KCamera(KDevice3D* device) : device_(device) {}

    void SetAngles(double a1, double a2, double a3);
    // view = translation(-position) x yaw-pitch-roll(a2, a1, a3); perspective projection.
    void Apply() const;

    KVector3 position;
    double a1 = 0, a2 = 0, a3 = 0;
    double fieldOfView = 1.5;  // vertical, radians
    double aspect = 1.33;
    double nearPlane = 0.5;
    double farPlane = 100000.0;

private:
    KDevice3D* device_;
};
