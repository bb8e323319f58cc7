#pragma once

#include "view/lattice.h"

#include <vector>

// Two ways of issuing the lattice in immediate mode; both expect the scene
// transform on the model-view stack and GL_POLYGON_OFFSET_FILL enabled.

// One pick name, matrix and unit cube per frame and fill, as the selection
// pass needs: every box is its own hit record.
void drawLatticePerBox(const std::vector<LatticeBox> &boxes);

// The same picture with each box moved into place on the CPU and all boxes
// of one line width or polygon mode in one glBegin/glEnd, so a frame costs
// three polygon-mode changes instead of two per box.
void drawLatticeBatched(const std::vector<LatticeBox> &boxes);

// The unit cube under the current matrix, colour and polygon mode.
void drawUnitCube();
