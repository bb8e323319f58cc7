#pragma once

#include "core/displayoptions.h"
#include "scene/palette.h"
#include "core/network.h"
#include "core/presentation.h"
#include "scene/geometry.h"
#include "scene/lattice.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// What the scene shows, once, for every back end: the GL view issues it and
// a figure turns it into polygons and lines. Everything visual is decided
// here (colours, widths, dashes, which boxes are faint, what a stepped route
// shows); a back end only decides how to draw it. It depends on the network,
// the display options and the presentation, never on the eye, so it is
// built when one of those changes, not for every frame.

namespace ts {

struct ShadedVertex
{
    Vec3 at;
    Colour colour; // shaded towards the next vertex's, as GL shades a line
};

// One glBegin/glEnd as the plain drawing issues it: independent segments
// (every two vertices) or a strip through all of them. A strip is not the
// same picture as its segments: a stipple runs on along a strip.
struct LinePrimitive
{
    enum Kind { Lines, LineStrip } kind;
    float width;      // pixels
    int first, count; // a range of the layer's vertices
    // All in the first vertex's colour, given once rather than shaded from
    // vertex to vertex: Mesa rounds the two differently.
    bool oneColour;
};

// Dashes as GL's line stipple makes them: each bit of the pattern, lowest
// first, covers `factor` pixels.
struct LineStipple
{
    int factor = 1;
    std::uint16_t pattern = 0xffff;
};

// Lines drawn one after another, in order.
struct LineLayer
{
    bool dashed = false; // the stipple is on around the whole layer
    LineStipple stipple;
    float scale = 1.0f; // about the origin, as a matrix would scale it
    std::vector<ShadedVertex> vertices;
    std::vector<LinePrimitive> primitives;

    void clear();
    // Starts a primitive; add() appends its vertices.
    void begin(LinePrimitive::Kind kind, float width, bool oneColour = false);
    void add(const Vec3 &at, const Colour &colour);
};

struct ScenePlane
{
    std::array<Vec3, 4> corners;
    Colour colour;
    bool stippled;      // see-through: only the stipple's dots are drawn
    Stipple stipple;    // when stippled
    bool outlined;      // its edges drawn as lines of outlineWidth
    float outlineWidth; // pixels
};

struct SceneDescription
{
    int size = 0; // N
    // In drawing order, each under its pick name, faint ones already faint.
    std::vector<LatticeBox> boxes;
    std::vector<ScenePlane> planes;
    LineLayer axisMarker;
    LineLayer wireOverlay;
    // The marked routes; while a route is stepped through, the others faint
    // and then its legs so far.
    LineLayer routes;
    // A frame around the box a stepped route has reached, drawn last.
    std::optional<LatticeBox> ring;
    // Text that faces the viewer at model points; empty with labels off.
    std::vector<SceneLabel> labels;
    Colour labelColour{};
};

// Rebuilds `scene` in place, keeping its vectors' room.
void describeScene(const SwitchNetwork &net, const DisplayOptions &options, const Presentation &presentation,
                   SceneDescription &scene);
SceneDescription describeScene(const SwitchNetwork &net, const DisplayOptions &options,
                               const Presentation &presentation);

} // namespace ts
