#pragma once

#include "scene/lattice.h"

#include <vector>

namespace ts {

// Two ways of issuing the lattice in immediate mode; both expect the scene
// transform on the model-view stack and GL_POLYGON_OFFSET_FILL enabled.

// One pick name, matrix and unit cube per frame and fill, frame first, as
// the selection pass needs: every box is its own hit record.
void drawLatticePerBox(const std::vector<LatticeBox> &boxes);

// The same picture with each box moved into place on the CPU and all boxes
// of one line width or polygon mode in one glBegin/glEnd: no matrix or
// polygon-mode change per box. Faces turned away from eye (in model
// coordinates), which culling would drop, are not sent at all.
void drawLatticeBatched(const std::vector<LatticeBox> &boxes, const Vec3 &eye);

// The unit cube under the current matrix, colour and polygon mode.
void drawUnitCube();

} // namespace ts
