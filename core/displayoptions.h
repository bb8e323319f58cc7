#pragma once

#include "core/planefamily.h"

#include <array>

// What the control panel chooses about the drawing, apart from the network.
// The slots store any int they are given; values without a name draw as the
// text of each mode says (a route mode other than 0 is the wire style).

namespace ts {

enum RouteMode : int { RoutePath = 0, RouteWire = 1 };
enum WiresMode : int { WiresOff = 0, WiresUsed = 1, WiresAll = 2 };
enum SwitchesMode : int { SwitchesFill = 0, SwitchesFrame = 1, SwitchesOff = 2 };

struct PlaneOptions
{
    bool hilite = false;
    bool plane = false;
    bool opaque = false;
    bool operator==(const PlaneOptions &o) const { return hilite == o.hilite && plane == o.plane && opaque == o.opaque; }
};

struct DisplayOptions
{
    std::array<PlaneOptions, kPlaneFamilyCount> planes{}; // indexed by family
    WiresMode wiresMode = WiresOff;
    RouteMode routeMode = RoutePath;
    SwitchesMode switchesMode = SwitchesFill;

    PlaneOptions &plane(PlaneFamily f) { return planes[static_cast<std::size_t>(index(f))]; }
    const PlaneOptions &plane(PlaneFamily f) const { return planes[static_cast<std::size_t>(index(f))]; }
    bool operator==(const DisplayOptions &o) const
    {
        return planes == o.planes && wiresMode == o.wiresMode && routeMode == o.routeMode &&
               switchesMode == o.switchesMode;
    }
    bool operator!=(const DisplayOptions &o) const { return !(*this == o); }
};

} // namespace ts
