#pragma once

#include "core/displayoptions.h"
#include "scene/geometry.h"
#include "core/network.h"
#include "core/routelegs.h"
#include "scene/picking.h"

#include <vector>

namespace ts {

// One box of the lattice as the scene shows it: where, under which pick name,
// and with which frame and fill. Both the display pass and the selection pass
// draw from the same list, so they cannot disagree about what is there.
struct LatticeBox
{
    PickName name;
    Vec3 centre;
    Vec3 halfSize;
    bool hasFrame;
    float frameWidth;
    Colour frameColour;
    bool hasFill;
    Colour fillColour;
};

constexpr float kThinLine = 1.0f;
constexpr float kThickLine = 3.0f;

// Appends the boxes in drawing order: for each column (i, j), its switches
// from the top level down, then its terminal box. Boxes the switches mode
// hides are left out. With a focus, boxes that no marked route touches are
// faint frames, so that the routes stand out while the lattice stays.
void buildLattice(const SwitchNetwork &net, const DisplayOptions &options, std::vector<LatticeBox> &boxes,
                  const RouteBoxes *focus = nullptr);

} // namespace ts
