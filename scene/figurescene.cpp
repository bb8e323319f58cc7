#include "scene/figurescene.h"

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
                                   box.frameWidth, false, {}, true});
        }
    }
}

// Each segment of each primitive, as GL rasterises them; a dashed line's
// dashes start again at every segment.
void addLines(const LineLayer &layer, FigureScene &scene)
{
    auto at = [&layer](int v) -> const ShadedVertex & { return layer.vertices[static_cast<std::size_t>(v)]; };
    auto scaled = [&layer](const Vec3 &v) { return Vec3{v.x * layer.scale, v.y * layer.scale, v.z * layer.scale}; };
    for (const LinePrimitive &p : layer.primitives) {
        const int step = p.kind == LinePrimitive::Lines ? 2 : 1;
        for (int v = p.first; v + 1 < p.first + p.count; v += step)
            scene.lines.push_back({scaled(at(v).at), scaled(at(v + 1).at), at(v).colour, at(v + 1).colour, p.width,
                                   layer.dashed, layer.stipple, false});
    }
}

void addPlanes(const std::vector<ScenePlane> &planes, FigureScene &scene)
{
    for (const ScenePlane &plane : planes) {
        scene.polygons.push_back({plane.corners, plane.colour, plane.stippled ? stippleCoverage(plane.stipple) : 1.0f});
        if (!plane.outlined)
            continue;
        for (std::size_t c = 0; c < plane.corners.size(); ++c)
            scene.lines.push_back({plane.corners[c], plane.corners[(c + 1) % plane.corners.size()], plane.colour,
                                   plane.colour, plane.outlineWidth, false, {}, false});
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

FigureScene buildFigureScene(const SceneDescription &described, const Vec3 &eye)
{
    FigureScene scene;
    scene.grid = cellGrid(described.size);
    for (const LatticeBox &box : described.boxes)
        addBox(box, eye, scene);
    addPlanes(described.planes, scene);
    addLines(described.axisMarker, scene);
    addLines(described.wireOverlay, scene);
    addLines(described.routes, scene);
    if (described.ring)
        addBox(*described.ring, eye, scene);
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
