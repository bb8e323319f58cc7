#pragma once

#include "core/displayoptions.h"
#include "core/network.h"
#include "scene/depthorder.h"
#include "scene/geometry.h"
#include "scene/routegeometry.h"

#include <array>
#include <vector>

// The scene the view draws, as plain polygons and lines for a painter that
// has no depth buffer: the faces of the boxes turned towards the eye, their
// frames, the planes, the axis marker, the wire overlay and the marked
// routes, with the widths, dashes and colours the view gives them.

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
    bool dashed;                 // the wire overlay's stipple
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

// The scene seen from `eye` (back faces left out, as the view culls them);
// with focus, boxes off the marked routes are faint, as in the view.
// A stepped route is drawn as the view draws it.
FigureScene buildFigureScene(const SwitchNetwork &net, const DisplayOptions &options, bool focusRoutes,
                             const Vec3 &eye, const RouteStep &step = {});

// The share of set dots in a 32x32 polygon stipple.
float stippleCoverage(const Stipple &stipple);

} // namespace ts
