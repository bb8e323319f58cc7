#pragma once

// How the view presents the network beyond the display options: not undone,
// but drawn, so the scene is described from it. A lesson keeps the focus and
// the labels; a stepped route lasts only while it is stepped.

namespace ts {

// A route stepped through leg by leg: while active the view draws that
// route only up to `legs` legs (the last one thick, the box it reached
// ringed) and the other marked routes faint.
struct RouteStep
{
    bool active = false;
    int i0 = 0, j0 = 0;
    int legs = 0;
    bool operator==(const RouteStep &o) const
    {
        return active == o.active && (!active || (i0 == o.i0 && j0 == o.j0 && legs == o.legs));
    }
};

struct Presentation
{
    bool focusRoutes = false; // boxes no marked route touches drawn as faint frames
    bool labels = false;      // axis names and indices along two top edges
    RouteStep step;
    bool operator==(const Presentation &o) const
    {
        return focusRoutes == o.focusRoutes && labels == o.labels && step == o.step;
    }
};

} // namespace ts
