#include "scene/figurescene.h"

#include "scene/lattice.h"
#include "scene/routegeometry.h"

#include <bitset>

namespace ts {

namespace {
constexpr int kFaces = 6;
constexpr int kFaceCorners = 4;

Vec3 placed(const LatticeBox &box, const Vec3 &v)
{
    return {box.centre.x + box.halfSize.x * v.x, box.centre.y + box.halfSize.y * v.y,
            box.centre.z + box.halfSize.z * v.z};
}

// A unit cube corner's number, from the signs of its coordinates.
int cornerNumber(const Vec3 &v)
{
    return (v.x > 0 ? 1 : 0) | (v.y > 0 ? 2 : 0) | (v.z > 0 ? 4 : 0);
}

// The faces towards the eye, filled, and their edges once each, as frame.
void addBox(const LatticeBox &box, const Vec3 &eye, FigureScene &scene)
{
    const Vec3 c = box.centre, s = box.halfSize;
    // kUnitCube's faces are z-, z+, x-, x+, y-, y+; a face is turned towards
    // the eye exactly when the eye lies outside its plane.
    const bool visible[kFaces] = {eye.z < c.z - s.z, eye.z > c.z + s.z, eye.x < c.x - s.x,
                                  eye.x > c.x + s.x, eye.y < c.y - s.y, eye.y > c.y + s.y};
    std::bitset<64> edges;
    for (int face = 0; face < kFaces; ++face) {
        if (!visible[face])
            continue;
        const Vec3 *unit = &kUnitCube[static_cast<std::size_t>(face * kFaceCorners)];
        if (box.hasFill) {
            FigurePolygon polygon{{}, box.fillColour, 1.0f};
            for (int corner = 0; corner < kFaceCorners; ++corner)
                polygon.corners[static_cast<std::size_t>(corner)] = placed(box, unit[corner]);
            scene.polygons.push_back(polygon);
        }
        if (!box.hasFrame)
            continue;
        for (int corner = 0; corner < kFaceCorners; ++corner) {
            const Vec3 &a = unit[corner], &b = unit[(corner + 1) % kFaceCorners];
            const int na = cornerNumber(a), nb = cornerNumber(b);
            const std::size_t key = static_cast<std::size_t>(std::min(na, nb) * 8 + std::max(na, nb));
            if (edges.test(key))
                continue;
            edges.set(key);
            scene.lines.push_back({placed(box, a), placed(box, b), box.frameColour, box.frameColour,
                                   box.frameWidth, false, true});
        }
    }
}

void addPrimitive(const RoutePrimitive &p, float width, bool dashed, FigureScene &scene)
{
    const int step = p.kind == RoutePrimitive::Lines ? 2 : 1;
    for (int v = 0; v + 1 < p.count; v += step)
        scene.lines.push_back({p.vertex[static_cast<std::size_t>(v)], p.vertex[static_cast<std::size_t>(v + 1)],
                               p.colour[static_cast<std::size_t>(v)], p.colour[static_cast<std::size_t>(v + 1)],
                               width, dashed, false});
}

template <typename Colours>
void addRoutes(const SwitchNetwork &net, int routeMode, float width, bool dashed, Colours colours,
               FigureScene &scene)
{
    const CellGeometry g(net.size());
    for (int i = 0; i < g.n; ++i)
        for (int j = 0; j < g.n; ++j) {
            Colour start{}, end{};
            if (!colours(i, j, start, end))
                continue;
            const RouteDrawing d = buildRoute(net, routeMode, i, j, g.halfCell, g.sideOffset(), start, end);
            for (int p = 0; p < d.count; ++p)
                addPrimitive(d.primitive[static_cast<std::size_t>(p)], width, dashed, scene);
        }
}

void addPlanes(const SwitchNetwork &net, const DisplayOptions &options, FigureScene &scene)
{
    const CellGeometry g(net.size());
    for (const PlaneFamily family : kAllPlaneFamilies) {
        const PlaneOptions &plane = options.plane(family);
        std::array<Vec3, 4> corners;
        if (!plane.plane || !planeQuad(family, net.offset(family), g, corners))
            continue;
        const Colour colour = info(family).colour;
        scene.polygons.push_back({corners, colour, plane.opaque ? 1.0f : stippleCoverage(planeStipple(family))});
        if (plane.opaque)
            continue;
        for (std::size_t c = 0; c < corners.size(); ++c)
            scene.lines.push_back({corners[c], corners[(c + 1) % corners.size()], colour, colour,
                                   kPlaneOutlineWidth, false, false});
    }
}

void addAxisMarker(FigureScene &scene)
{
    auto scaled = [](const Vec3 &v) {
        return Vec3{v.x * kAxisMarkerScale, v.y * kAxisMarkerScale, v.z * kAxisMarkerScale};
    };
    for (const AxisStrip &axis : kAxisMarker) {
        Vec3 from = scaled(axis.start);
        Colour colour = axis.first;
        for (const Vec3 &v : axis.rest) {
            scene.lines.push_back({from, scaled(v), colour, axis.then, kAxisWidth, false, false});
            from = scaled(v);
            colour = axis.then;
        }
    }
}

void addWireOverlay(const SwitchNetwork &net, const DisplayOptions &options, FigureScene &scene)
{
    const CellGeometry g(net.size());
    if (options.wiresMode == WiresUsed) {
        addRoutes(net, options.routeMode, 1.0f, true,
                  [](int, int, Colour &start, Colour &end) {
                      start = end = palette::wireOverlay;
                      return true;
                  },
                  scene);
    } else if (options.wiresMode == WiresAll) {
        for (int a = 0; a < g.n; ++a)
            for (int b = 0; b < g.n; ++b)
                for (WireKind kind : {WireKind::Down, WireKind::Up, WireKind::AlongX, WireKind::AlongZ}) {
                    const Segment w = networkWire(kind, a, b, g);
                    scene.lines.push_back({w.from, w.to, palette::wireOverlay, palette::wireOverlay, 1.0f, true, false});
                }
    }
}

CellGrid cellGrid(int n)
{
    // Between neighbouring boxes along each axis, and between the top level
    // of switches and the terminals that sit on the cube's top face.
    const CellGeometry g(n);
    CellGrid grid;
    for (int a = 1; a < n; ++a) {
        const double wall = -1.0 + 2.0 * a / n;
        grid.bounds[0].push_back(wall);
        grid.bounds[1].push_back(wall);
        grid.bounds[2].push_back(wall);
    }
    const double switchTop = g.y(0) + g.switchHalfSize();
    const double terminalBottom = 1.0 - g.boxScale / 3.0;
    grid.bounds[1].push_back((switchTop + terminalBottom) / 2);
    return grid;
}
} // namespace

float stippleCoverage(const Stipple &stipple)
{
    int dots = 0;
    for (std::uint8_t byte : stipple)
        dots += static_cast<int>(std::bitset<8>(byte).count());
    return static_cast<float>(dots) / static_cast<float>(stipple.size() * 8);
}

FigureScene buildFigureScene(const SwitchNetwork &net, const DisplayOptions &options, bool focusRoutes,
                             const Vec3 &eye, const RouteStep &step)
{
    FigureScene scene;
    scene.grid = cellGrid(net.size());
    std::vector<LatticeBox> boxes;
    if (focusRoutes) {
        const RouteBoxes onRoutes(net);
        buildLattice(net, options, boxes, &onRoutes);
    } else {
        buildLattice(net, options, boxes);
    }
    for (const LatticeBox &box : boxes)
        addBox(box, eye, scene);
    addPlanes(net, options, scene);
    addAxisMarker(scene);
    addWireOverlay(net, options, scene);
    // Beside a stepped route the other marked routes are faint and thin.
    addRoutes(net, options.routeMode, step.active ? 1.0f : kMarkedRouteWidth, false,
              [&net, &step](int i, int j, Colour &start, Colour &end) {
                  const int bits = net.terminalMark(i, j);
                  markedRouteColours(bits, step.active, start, end);
                  return bits != 0 && !(step.active && i == step.i0 && j == step.j0);
              },
              scene);
    if (step.active) {
        const SteppedRouteDrawing d = steppedRoute(net, step, CellGeometry(net.size()));
        for (const ShadedLine &line : d.lines)
            scene.lines.push_back({line.line.from, line.line.to, line.from, line.to, line.width, false, false});
        LatticeBox ring{};
        ring.centre = d.ringCentre;
        ring.halfSize = d.ringHalfSize;
        ring.hasFrame = true;
        ring.frameWidth = kRingWidth;
        ring.frameColour = palette::white;
        addBox(ring, eye, scene);
    }
    return scene;
}

std::vector<OrderedPiece> FigureScene::ordered(const Vec3 &eye) const
{
    std::vector<OrderPolygon> order;
    order.reserve(polygons.size());
    for (std::size_t p = 0; p < polygons.size(); ++p)
        order.push_back({{polygons[p].corners.begin(), polygons[p].corners.end()}, static_cast<int>(p)});
    std::vector<OrderSegment> segments;
    segments.reserve(lines.size());
    for (std::size_t l = 0; l < lines.size(); ++l)
        segments.push_back({lines[l].from, lines[l].to, static_cast<int>(l)});
    return depthOrder(order, segments, grid, eye);
}

} // namespace ts
