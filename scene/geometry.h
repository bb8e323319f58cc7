#pragma once

#include "core/planefamily.h"
#include "core/vec.h"

#include <array>
#include <string>
#include <vector>

// Model-space geometry of the scene: the cube from -1 to +1, cell centres,
// the unit box, the planes, the axis marker and the network's wires.

namespace ts {

// Cell centres of a network of size n, as the drawing computes them, each
// worked in double from the int index and the float half cell.
struct CellGeometry
{
    explicit CellGeometry(int n);
    CellGeometry(int n, float halfCell); // the half cell a caller was handed
    int n;
    float halfCell; // 1/n
    float boxScale; // 1/(3n), the unit cube's scale for a terminal box
    float sideOffset() const { return boxScale / 3.0f; }
    float x(int i) const { return centre(i); }
    float z(int j) const { return centre(j); }
    float y(int k) const { return static_cast<float>(1.0 - (2.0 * k + 1.0) * halfCell); }
    float lowest() const { return y(n - 1); }
    float first() const { return centre(0); }
    float last() const { return centre(n - 1); }
    float switchHalfSize() const { return boxScale / 1.5f; }
    // x of column i moved by s: a terminal's down wire (+s) or up wire (-s).
    // Routes and the wire overlay share it, so their wires coincide exactly.
    float shiftedX(int i, float s) const { return static_cast<float>(centreExact(i) + s); }

private:
    double centreExact(int i) const { return (2.0 * i + 1.0) * halfCell - 1.0; }
    float centre(int i) const { return static_cast<float>(centreExact(i)); }
};

// The box from -1 to +1: six faces of four vertices, counter-clockwise seen
// from outside.
extern const std::array<Vec3, 24> kUnitCube;

// The plane's quad inside the cube; false when the offset puts it outside
// (|offset| >= n), when nothing is drawn.
bool planeQuad(PlaneFamily family, int offset, const CellGeometry &g, std::array<Vec3, 4> &corners);

// One strip of the axis marker: a saturated start vertex, then pale vertices.
struct AxisStrip
{
    Colour first;
    Vec3 start;
    Colour then;
    std::array<Vec3, 5> rest;
};
extern const std::array<AxisStrip, 3> kAxisMarker;
constexpr float kAxisMarkerScale = 1.1f;

enum class WireKind { Down, Up, AlongX, AlongZ };
struct Segment
{
    Vec3 from, to;
};
// Down/Up: wire of terminal (a, b); AlongX: level a in row b; AlongZ: column a in level b.
Segment networkWire(WireKind kind, int a, int b, const CellGeometry &g);

// The view's labels: the axes' names beside the marker's arrows, and the
// indices along two edges of the top face (every fifth beyond eight).
struct SceneLabel
{
    Vec3 where;
    std::string text;
};
std::vector<SceneLabel> sceneLabels(int n);
// Their text's height in pixels for a view of width x height pixels.
int labelPixelSize(int width, int height);

} // namespace ts
