#pragma once

#include "scene/depthorder.h"
#include "scene/palette.h"
#include "scene/scenedescription.h"

#include <array>
#include <vector>

// The scene's description as plain polygons and lines for a painter that
// has no depth buffer: the faces of the boxes turned towards the eye, their
// frames, the planes, and every line with its width, dash and colours.

namespace ts {

struct FigurePolygon
{
    std::array<Vec3, 4> corners;
    Colour fill;
    float opacity; // below 1 for a see-through plane: the share of its stipple's dots
};

struct FigureLine
{
    Vec3 from, to;
    Colour fromColour, toColour; // shaded between, as GL shades a line
    float width;                 // in pixels of the view
    bool dashed;                 // with the dashes of its stipple
    LineStipple stipple;
    bool frame;                  // a box's frame, rather than a wire or route
};

struct FigureScene
{
    std::vector<FigurePolygon> polygons;
    std::vector<FigureLine> lines;
    CellGrid grid; // walls between the boxes' cells, and below the terminals
    // Everything cut and ordered back to front for this eye; a piece's source
    // indexes polygons or lines.
    std::vector<OrderedPiece> ordered(const Vec3 &eye) const;
};

// The scene seen from `eye`: back faces left out, as the view culls them.
FigureScene buildFigureScene(const SceneDescription &described, const Vec3 &eye);

// The share of set dots in a 32x32 polygon stipple.
float stippleCoverage(const Stipple &stipple);

} // namespace ts
