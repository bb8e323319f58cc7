#pragma once

// What the control panel chooses about the drawing, apart from the network.

enum RouteMode : int { RoutePath = 0, RouteWire = 1 };
enum WiresMode : int { WiresOff = 0, WiresUsed = 1, WiresAll = 2 };
enum SwitchesMode : int { SwitchesFill = 0, SwitchesFrame = 1, SwitchesOff = 2 };

struct PlaneOptions
{
    bool hilite = false;
    bool plane = false;
    bool opaque = false;
};

struct DisplayOptions
{
    PlaneOptions ik, ji, kj;
    int wiresMode = WiresOff;
    int routeMode = RoutePath;
    int switchesMode = SwitchesFill;
};
