#pragma once

// Where the user looks from: the two angles of the status bar, the zoom and
// how far the picture is moved in the view's plane. Part of the document,
// so a lesson can bring the class to the same view.

namespace ts {

constexpr double kMinZoom = 0.5;
constexpr double kMaxZoom = 8.0;
// Pan in halves of the view: at 1 the model's centre sits on the view's
// edge; as far as the largest zoom can want.
constexpr double kMaxPan = 8.0;

// Brings an angle into [0, 360) as repeated adding or subtracting of 360
// would, but in bounded time for any float; NaN and infinities become 0.
float normaliseAngle(float degrees);
// Within [kMinZoom, kMaxZoom]; anything not finite is no zoom (1).
double normaliseZoom(double zoom);
// Within [-kMaxPan, kMaxPan]; anything not finite is no pan (0).
double normalisePan(double pan);

struct ViewPoint
{
    float rotX = 0.0f; // degrees about x, [0, 360)
    float rotY = 0.0f; // degrees about y, [0, 360)
    double zoom = 1.0;
    double panX = 0.0, panY = 0.0; // right and up, in halves of the view
    bool operator==(const ViewPoint &o) const
    {
        return rotX == o.rotX && rotY == o.rotY && zoom == o.zoom && panX == o.panX && panY == o.panY;
    }
    bool panned() const { return panX != 0.0 || panY != 0.0; }
    bool operator!=(const ViewPoint &o) const { return !(*this == o); }
};

// A point of a smooth move from one view point to another, t from 0 to 1:
// each angle turns the shorter way round, the zoom changes by the same
// factor at each step, the pan straight.
ViewPoint viewPointBetween(const ViewPoint &from, const ViewPoint &to, double t);

} // namespace ts
