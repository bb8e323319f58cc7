#pragma once

#include "scene/geometry.h"
#include "core/network.h"
#include "core/presentation.h"
#include "core/routelegs.h"

#include <vector>

#include <array>

namespace ts {

// The lines that show one terminal's route: in path style a strip through
// its corners fading step by step from the start colour to the end colour
// (dead ends in grey, out to the cube's faces); in wire style the whole
// network wires its legs lie on, each a third further along the colours.
struct RoutePrimitive
{
    enum Kind { Lines, LineStrip } kind = LineStrip;
    int count = 0;
    std::array<Vec3, 8> vertex{};
    std::array<Colour, 8> colour{};

    void add(Colour c, Vec3 v)
    {
        colour[count] = c;
        vertex[count] = v;
        ++count;
    }
};

struct RouteDrawing
{
    int count = 0; // primitives in use: one, or two at a path's dead end
    std::array<RoutePrimitive, 2> primitive;
};

RouteDrawing buildRoute(const SwitchNetwork &net, int routeMode, int i0, int j0, float halfCell, float sideOffset,
                        Colour start, Colour end);

// Each leg of a route (routeLegs) with its lines, through the path style's
// corners; a dead leg runs to the cube's faces, in both directions for a
// horizontal run.
struct LegLines
{
    RouteLeg leg;
    std::vector<Segment> lines;
};
std::vector<LegLines> routeLegLines(const SwitchNetwork &net, int i0, int j0, const CellGeometry &g);

// The centre of the box a route has reached: its source terminal (i0, j0)
// before any leg, else the end of the last leg taken (a dead leg's start).
Vec3 routeStepPoint(int i0, int j0, const RouteLeg *last, const CellGeometry &g, bool *atTerminal);

struct ShadedLine
{
    Segment line;
    Colour from, to; // shaded between
    float width;     // pixels
};

// What is drawn of the stepped route itself: its legs so far, fading from
// the mark's colour to half of it (a dead leg to grey), the last leg
// thickest; and the ring around the box the route has reached.
struct SteppedRouteDrawing
{
    std::vector<ShadedLine> lines;
    Vec3 ringCentre, ringHalfSize;
};
SteppedRouteDrawing steppedRoute(const SwitchNetwork &net, const RouteStep &step, const CellGeometry &g);

// The colours of a marked route's start and end: full and half of the mark,
// or, beside a stepped route, faint.
void markedRouteColours(int bits, bool faint, Colour &start, Colour &end);

// start*(1-w) + end*w, worked in double.
Colour mixColour(Colour start, Colour end, double w);

} // namespace ts
