#pragma once

// Where the user looks from: the two angles of the status bar and the zoom.
// Part of the document, so a lesson can bring the class to the same view.

namespace ts {

constexpr double kMinZoom = 0.5;
constexpr double kMaxZoom = 8.0;

// Brings an angle into [0, 360) as repeated adding or subtracting of 360
// would, but in bounded time for any float; NaN and infinities become 0.
float normaliseAngle(float degrees);
// Within [kMinZoom, kMaxZoom]; anything not finite is no zoom (1).
double normaliseZoom(double zoom);

struct ViewPoint
{
    float rotX = 0.0f; // degrees about x, [0, 360)
    float rotY = 0.0f; // degrees about y, [0, 360)
    double zoom = 1.0;
    bool operator==(const ViewPoint &o) const { return rotX == o.rotX && rotY == o.rotY && zoom == o.zoom; }
    bool operator!=(const ViewPoint &o) const { return !(*this == o); }
};

} // namespace ts
