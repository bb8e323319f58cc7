#pragma once

#include "core/network.h"

#include <string>

// The network in words, for the routes panel, the view's tooltips and what
// a screen reader is told: a route's runs and turns, with the family that
// ends each, or why it dies; a box's families and the routes through it.

namespace ts {

// "red", "green + blue", ...; "unmarked" for 0.
std::string colourWords(int bits);

// "terminal (1, 3): down to level k = 1 at switch (1, 3, 1) [i = k + c1];
// along x to ...; up to terminal (3, 1), where it arrives."
std::string describeRoute(const SwitchNetwork &net, int i0, int j0);

// One line for the tooltip over terminal (i, j): where its route arrives or
// dies, and its marks.
std::string describeTerminal(const SwitchNetwork &net, int i, int j);

// One line for the tooltip over switch (i, j, k): the families it lies on at
// the current offsets, its marks, and the marked routes that turn in it.
std::string describeSwitch(const SwitchNetwork &net, int i, int j, int k);

// "N = 4, c1 = 0, c2 = 0, c3 = 0; 2 terminals marked: 1 arrives, 1 dies."
std::string describeNetwork(const SwitchNetwork &net);

} // namespace ts
