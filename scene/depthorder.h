#pragma once

#include "core/vec.h"

#include <array>
#include <vector>

// Back-to-front order for a painter without a depth buffer (SVG, PDF).
// The scene is cut into the cells of an axis-aligned grid; every polygon and
// segment is cut at the cell walls and each piece goes with its cell. Cells
// are drawn by falling grid distance from the eye's cell, which is exact for
// a grid: a cell can only hide one that is, along every axis, no nearer to
// the eye's. Inside a cell a small BSP tree orders the pieces, so planes
// that cross boxes, and lines that run through them, are hidden right.

namespace ts {

// Walls at x = bounds[0][a], y = bounds[1][b], z = bounds[2][c], each
// ascending; the outermost cells reach to infinity.
struct CellGrid
{
    std::array<std::vector<double>, 3> bounds;
};

struct OrderPolygon
{
    std::vector<Vec3> corners; // convex and planar
    int source;
};

struct OrderSegment
{
    Vec3 from, to;
    int source;
};

struct OrderedPiece
{
    enum Kind { Polygon, Segment } kind;
    int source;               // what the caller gave with the polygon or segment
    std::vector<Vec3> points; // a polygon's corners, or a segment's two ends
    double t0 = 0, t1 = 1;    // a segment piece's ends along the whole segment (0 at from, 1 at to)
};

// Everything given, cut into pieces, in an order in which no piece is drawn
// before one that lies in front of it. A segment on a polygon's plane comes
// after the polygon, as a frame drawn over its face.
std::vector<OrderedPiece> depthOrder(const std::vector<OrderPolygon> &polygons,
                                     const std::vector<OrderSegment> &segments, const CellGrid &grid,
                                     const Vec3 &eye);

} // namespace ts
