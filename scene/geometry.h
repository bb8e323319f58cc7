#pragma once

#include "core/planefamily.h"
#include "core/vec.h"
#include "core/viewpoint.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Model-space geometry of the scene: the cube from -1 to +1, cell centres,
// the unit box, the planes, the axis marker and the network's wires.

namespace ts {

namespace palette {
constexpr Colour white{1.0f, 1.0f, 1.0f};
constexpr Colour switchGrey{0.3f, 0.3f, 0.3f};
constexpr Colour terminalGrey{0.7f, 0.7f, 0.7f};
constexpr Colour deadEndGrey{0.2f, 0.2f, 0.2f};
constexpr Colour wireOverlay{0.7f, 0.7f, 0.0f};
constexpr Colour faint{0.25f, 0.25f, 0.25f}; // boxes off the marked routes, with focus on
constexpr Colour label{220.0f / 255, 220.0f / 255, 220.0f / 255};
constexpr float faintRoute = 0.3f;           // per colour bit of the routes not stepped through
constexpr float highlight = 0.8f;
constexpr float marked = 1.0f;  // per colour bit of a user's mark
constexpr float derived = 0.5f; // per colour bit of an arrival or a route's end
} // namespace palette

// Each set colour bit (1 red, 2 green, 4 blue) gives level in its channel.
Colour colourFromBits(int bits, float level);

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

// 32x32 polygon stipple, bottom row first, most significant bit leftmost.
using Stipple = std::array<std::uint8_t, 128>;
const Stipple &planeStipple(PlaneFamily family);
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

// Widths of the view's lines in pixels, and the wire overlay's stipple:
// each of the pattern's bits covers kLineStippleFactor pixels.
constexpr float kPlaneOutlineWidth = 2.0f;
constexpr float kAxisWidth = 2.0f;
constexpr float kMarkedRouteWidth = 3.0f;
constexpr float kCurrentLegWidth = 6.0f; // the leg a stepped route has just taken
constexpr float kRingWidth = 2.0f;       // the ring around the box it has reached,
constexpr float kRingScale = 1.6f;       // this much larger than the box
constexpr int kLineStippleFactor = 4;
constexpr std::uint16_t kLineStipplePattern = 0x5555;

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

// Rotation of a drag: 5 pixels make one degree, measured from the press.
constexpr double kDegreesPerPixel = 0.2;
float dragAngle(float pressAngle, int pixels);

std::string angleText(float rotX, float rotY);

} // namespace ts
