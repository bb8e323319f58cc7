#pragma once

#include "scene/camera.h"
#include "scene/lattice.h"

#include <vector>

// Which boxes a pick can hit at all. A pick window is a few pixels wide;
// almost every box of the lattice projects far from it, and the program can
// tell that on the CPU before GL does. What remains still goes through GL
// selection, so the winner is GL's, not a geometry of our own.

namespace ts {

// A rectangle of the viewport in device pixels, GL window coordinates
// (origin bottom left), as gluPickMatrix takes its centre and size.
struct PixelRect
{
    double left, bottom, right, top;
    static PixelRect around(double centreX, double centreY, double width, double height)
    {
        return {centreX - width / 2, centreY - height / 2, centreX + width / 2, centreY + height / 2};
    }
};

// The screen extent of a box: the bounding rectangle of its eight projected
// corners (a convex box in front of the eye projects inside it).
PixelRect projectedExtent(const LatticeBox &box, const Mat4 &modelViewProjection, int width, int height);

// Appends, in drawing order, the boxes whose extent widened by margin pixels
// meets the window.
void boxesNearWindow(const std::vector<LatticeBox> &boxes, const Camera &camera, const PixelRect &window,
                     double margin, std::vector<LatticeBox> &out);

} // namespace ts
