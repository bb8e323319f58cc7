#include "scene/routegeometry.h"
#include "scene/palette.h"

#include "core/displayoptions.h"

#include <algorithm>

namespace ts {

Colour mixColour(Colour start, Colour end, double w)
{
    auto mix = [w](float a, float b) { return static_cast<float>(a * (1.0 - w) + b * w); };
    return {mix(start.r, end.r), mix(start.g, end.g), mix(start.b, end.b)};
}

namespace {
void buildWires(const CellGeometry &c, const RouteTrace &r, int i0, int j0, float s, Colour start, Colour end,
                RoutePrimitive &p)
{
    p.kind = RoutePrimitive::Lines;
    auto segment = [&](double w, Vec3 a, Vec3 b) {
        const Colour colour = mixColour(start, end, w);
        p.add(colour, a);
        p.add(colour, b);
    };
    const float xDown = c.shiftedX(i0, s);
    segment(0.0, {xDown, 1, c.x(j0)}, {xDown, c.lowest(), c.x(j0)});
    if (r.k < 0)
        return;
    const float y = c.y(r.k);
    segment(1.0 / 3.0, {c.first(), y, c.x(j0)}, {c.last(), y, c.x(j0)});
    if (r.i1 < 0)
        return;
    segment(2.0 / 3.0, {c.x(r.i1), y, c.first()}, {c.x(r.i1), y, c.last()});
    if (r.j1 < 0)
        return;
    const float xUp = c.shiftedX(r.i1, -s);
    segment(1.0, {xUp, 1, c.x(r.j1)}, {xUp, c.lowest(), c.x(r.j1)});
}

void buildPath(const CellGeometry &c, const RouteTrace &r, int i0, int j0, float s, Colour start, Colour end,
               RouteDrawing &d)
{
    const int steps = 2 + (i0 != r.i1 ? 1 : 0) + (j0 != r.j1 ? 1 : 0);
    auto step = [&](int m) { return mixColour(start, end, static_cast<double>(m) / steps); };
    const Colour grey = palette::deadEndGrey;
    RoutePrimitive &p = d.primitive[0];
    RoutePrimitive &second = d.primitive[1];
    d.count = 1;

    const float xDown = c.shiftedX(i0, s);
    const float z0 = c.x(j0);
    p.add(step(0), {xDown, 1, z0});
    if (r.k < 0) {
        p.add(grey, {xDown, -1, z0});
        return;
    }
    int m = 1;
    const float y = c.y(r.k);
    const Vec3 turn{xDown, y, z0};
    p.add(step(m), turn);
    if (r.i1 < 0) {
        p.add(grey, {-1, y, z0});
        second.add(step(m), turn);
        second.add(grey, {1, y, z0});
        d.count = 2;
        return;
    }
    if (i0 != r.i1)
        ++m;
    const float x1 = c.x(r.i1);
    const Vec3 xRunEnd{x1, y, z0};
    p.add(step(m), xRunEnd);
    if (r.j1 < 0) {
        p.add(grey, {x1, y, -1});
        second.add(step(m), xRunEnd);
        second.add(grey, {x1, y, 1});
        d.count = 2;
        return;
    }
    if (j0 != r.j1)
        ++m;
    const float z1 = c.x(r.j1);
    const float xUp = c.shiftedX(r.i1, -s);
    p.add(step(m), {x1, y, z1});
    p.add(step(m), {xUp, y, z1});
    p.add(step(steps), {xUp, 1, z1});
}
} // namespace

RouteDrawing buildRoute(const SwitchNetwork &net, int routeMode, int i0, int j0, float halfCell, float sideOffset,
                        Colour start, Colour end)
{
    const CellGeometry coords(net.size(), halfCell);
    const RouteTrace r = net.trace(i0, j0);
    RouteDrawing d;
    if (routeMode != RoutePath) {
        d.count = 1;
        buildWires(coords, r, i0, j0, sideOffset, start, end, d.primitive[0]);
    } else {
        buildPath(coords, r, i0, j0, sideOffset, start, end, d);
    }
    return d;
}

std::vector<LegLines> routeLegLines(const SwitchNetwork &net, int i0, int j0, const CellGeometry &g)
{
    const float side = g.sideOffset();
    std::vector<LegLines> lines;
    Vec3 at{g.shiftedX(i0, side), 1.0f, g.z(j0)};
    for (const RouteLeg &leg : routeLegs(net, i0, j0)) {
        std::vector<Segment> run;
        switch (leg.kind) {
        case RouteLeg::Down: {
            const Vec3 to{at.x, leg.dies ? -1.0f : g.y(leg.k), at.z};
            run = {{at, to}};
            at = to;
            break;
        }
        case RouteLeg::AlongX:
            if (leg.dies)
                run = {{at, {-1.0f, at.y, at.z}}, {at, {1.0f, at.y, at.z}}};
            else
                run = {{at, {g.x(leg.i), at.y, at.z}}};
            at = run.front().to;
            break;
        case RouteLeg::AlongZ:
            if (leg.dies)
                run = {{at, {at.x, at.y, -1.0f}}, {at, {at.x, at.y, 1.0f}}};
            else
                run = {{at, {at.x, at.y, g.z(leg.j)}}};
            at = run.front().to;
            break;
        case RouteLeg::Up: {
            const Vec3 shifted{g.shiftedX(leg.i, -side), at.y, at.z};
            run = {{at, shifted}, {shifted, {shifted.x, 1.0f, shifted.z}}};
            break;
        }
        }
        lines.push_back({leg, run});
    }
    return lines;
}

Vec3 routeStepPoint(int i0, int j0, const RouteLeg *last, const CellGeometry &g, bool *atTerminal)
{
    const int i = last ? last->i : i0, j = last ? last->j : j0, k = last ? last->k : -1;
    if (atTerminal)
        *atTerminal = k < 0;
    return {g.x(i), k < 0 ? 1.0f : g.y(k), g.z(j)};
}

void markedRouteColours(int bits, bool faint, Colour &start, Colour &end)
{
    start = colourFromBits(bits, faint ? palette::faintRoute : palette::marked);
    end = colourFromBits(bits, faint ? palette::faintRoute / 2 : palette::derived);
}

SteppedRouteDrawing steppedRoute(const SwitchNetwork &net, const RouteStep &step, const CellGeometry &g)
{
    SteppedRouteDrawing d;
    const int bits = net.terminalMark(step.i0, step.j0);
    const Colour full = bits ? colourFromBits(bits, palette::marked) : palette::white;
    const Colour half = bits ? colourFromBits(bits, palette::derived) : palette::white;
    const std::vector<LegLines> legs = routeLegLines(net, step.i0, step.j0, g);
    const int shown = std::min<int>(step.legs, static_cast<int>(legs.size()));
    for (int l = 0; l < shown; ++l) {
        const LegLines &leg = legs[static_cast<std::size_t>(l)];
        const float width = l + 1 == shown ? kCurrentLegWidth : kMarkedRouteWidth;
        const double from = double(l) / legs.size(), to = double(l + 1) / legs.size();
        for (const Segment &segment : leg.lines)
            d.lines.push_back({segment, mixColour(full, half, from),
                               leg.leg.dies ? palette::deadEndGrey : mixColour(full, half, to), width});
    }
    bool terminal = false;
    const RouteLeg *last = shown > 0 ? &legs[static_cast<std::size_t>(shown - 1)].leg : nullptr;
    d.ringCentre = routeStepPoint(step.i0, step.j0, last, g, &terminal);
    const float s = terminal ? g.boxScale : g.switchHalfSize();
    d.ringHalfSize = {s * kRingScale, (terminal ? g.boxScale / 3.0f : s) * kRingScale, s * kRingScale};
    return d;
}

} // namespace ts
