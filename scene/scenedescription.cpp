#include "scene/scenedescription.h"

#include "core/routelegs.h"
#include "scene/routegeometry.h"

namespace ts {

void LineLayer::clear()
{
    dashed = false;
    stipple = {};
    scale = 1.0f;
    vertices.clear();
    primitives.clear();
}

void LineLayer::begin(LinePrimitive::Kind kind, float width, bool oneColour)
{
    primitives.push_back({kind, width, static_cast<int>(vertices.size()), 0, oneColour});
}

void LineLayer::add(const Vec3 &at, const Colour &colour)
{
    vertices.push_back({at, colour});
    ++primitives.back().count;
}

namespace {
void addRoute(const SwitchNetwork &net, int routeMode, int i, int j, Colour start, Colour end, float width,
              LineLayer &layer)
{
    const CellGeometry g(net.size());
    const RouteDrawing d = buildRoute(net, routeMode, i, j, g.halfCell, g.sideOffset(), start, end);
    for (int p = 0; p < d.count; ++p) {
        const RoutePrimitive &primitive = d.primitive[static_cast<std::size_t>(p)];
        layer.begin(primitive.kind == RoutePrimitive::Lines ? LinePrimitive::Lines : LinePrimitive::LineStrip, width);
        for (int v = 0; v < primitive.count; ++v)
            layer.add(primitive.vertex[static_cast<std::size_t>(v)], primitive.colour[static_cast<std::size_t>(v)]);
    }
}

void describePlanes(const SwitchNetwork &net, const DisplayOptions &options, std::vector<ScenePlane> &planes)
{
    const CellGeometry g(net.size());
    for (const PlaneFamily family : kAllPlaneFamilies) {
        const PlaneOptions &plane = options.plane(family);
        std::array<Vec3, 4> corners;
        if (!plane.plane || !planeQuad(family, net.offset(family), g, corners))
            continue;
        // A dotted plane gets its edges drawn, so that where it ends shows.
        planes.push_back({corners, familyLook(family).colour, !plane.opaque, planeStipple(family), !plane.opaque,
                          kPlaneOutlineWidth});
    }
}

void describeAxisMarker(LineLayer &layer)
{
    layer.scale = kAxisMarkerScale;
    for (const AxisStrip &axis : kAxisMarker) {
        layer.begin(LinePrimitive::LineStrip, kAxisWidth);
        layer.add(axis.start, axis.first);
        for (const Vec3 &v : axis.rest)
            layer.add(v, axis.then);
    }
}

void describeWireOverlay(const SwitchNetwork &net, const DisplayOptions &options, LineLayer &layer)
{
    if (options.wiresMode == WiresOff)
        return;
    layer.dashed = true;
    layer.stipple = {kLineStippleFactor, kLineStipplePattern};
    const CellGeometry g(net.size());
    if (options.wiresMode == WiresUsed) {
        for (int i = 0; i < g.n; ++i)
            for (int j = 0; j < g.n; ++j)
                addRoute(net, options.routeMode, i, j, palette::wireOverlay, palette::wireOverlay, 1.0f, layer);
    } else if (options.wiresMode == WiresAll) {
        layer.begin(LinePrimitive::Lines, 1.0f, true);
        for (int a = 0; a < g.n; ++a)
            for (int b = 0; b < g.n; ++b)
                for (WireKind kind : {WireKind::Down, WireKind::Up, WireKind::AlongX, WireKind::AlongZ}) {
                    const Segment w = networkWire(kind, a, b, g);
                    layer.add(w.from, palette::wireOverlay);
                    layer.add(w.to, palette::wireOverlay);
                }
    }
}

void describeRoutes(const SwitchNetwork &net, const DisplayOptions &options, const RouteStep &step,
                    SceneDescription &scene)
{
    // Beside a stepped route the other marked routes are faint and thin.
    const float width = step.active ? 1.0f : kMarkedRouteWidth;
    for (int i = 0; i < net.size(); ++i)
        for (int j = 0; j < net.size(); ++j) {
            const int bits = net.terminalMark(i, j);
            if (!bits || (step.active && i == step.i0 && j == step.j0))
                continue;
            Colour start{}, end{};
            markedRouteColours(bits, step.active, start, end);
            addRoute(net, options.routeMode, i, j, start, end, width, scene.routes);
        }
    if (!step.active)
        return;
    const SteppedRouteDrawing d = steppedRoute(net, step, CellGeometry(net.size()));
    for (const ShadedLine &line : d.lines) {
        scene.routes.begin(LinePrimitive::Lines, line.width);
        scene.routes.add(line.line.from, line.from);
        scene.routes.add(line.line.to, line.to);
    }
    LatticeBox ring{};
    ring.name = kUnnamed;
    ring.centre = d.ringCentre;
    ring.halfSize = d.ringHalfSize;
    ring.hasFrame = true;
    ring.frameWidth = kRingWidth;
    ring.frameColour = palette::white;
    scene.ring = ring;
}
} // namespace

void describeScene(const SwitchNetwork &net, const DisplayOptions &options, const Presentation &presentation,
                   SceneDescription &scene)
{
    scene.size = net.size();
    scene.boxes.clear();
    if (presentation.focusRoutes) {
        const RouteBoxes onRoutes(net);
        buildLattice(net, options, scene.boxes, &onRoutes);
    } else {
        buildLattice(net, options, scene.boxes);
    }
    scene.planes.clear();
    describePlanes(net, options, scene.planes);
    scene.axisMarker.clear();
    describeAxisMarker(scene.axisMarker);
    scene.wireOverlay.clear();
    describeWireOverlay(net, options, scene.wireOverlay);
    scene.routes.clear();
    scene.ring.reset();
    describeRoutes(net, options, presentation.step, scene);
    scene.labels.clear();
    if (presentation.labels)
        scene.labels = sceneLabels(net.size());
    scene.labelColour = palette::label;
}

SceneDescription describeScene(const SwitchNetwork &net, const DisplayOptions &options,
                               const Presentation &presentation)
{
    SceneDescription scene;
    describeScene(net, options, presentation, scene);
    return scene;
}

} // namespace ts
