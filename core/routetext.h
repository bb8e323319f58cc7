#pragma once

#include "core/network.h"
#include "core/routelegs.h"

#include <QString>

// The network in words, for the routes panel, the view's tooltips and what
// a screen reader is told: a route's runs and turns, with the family that
// ends each, or why it dies; a box's families and the routes through it.

namespace ts {

// "red", "green + blue", ...; "unmarked" for 0.
QString colourWords(int bits);

// "terminal (1, 3): down to level k = 1 at switch (1, 3, 1) [i = k + c1];
// along x to ...; up to terminal (3, 1), where it arrives."
QString describeRoute(const SwitchNetwork &net, int i0, int j0);

// The words of one leg, as describeRoute says them: "down to level k = 1 at
// switch (1, 3, 1) [i = k + c1]", "then dies: no column i in 0..3 with ...".
QString legWords(const SwitchNetwork &net, int i0, int j0, const RouteLeg &leg);

// "step 2 of 4: along x to i1 = 3 at switch (3, 3, 1) [j = i + c2]" after
// `legs` legs of the route of terminal (i0, j0); "step 0 of 4: at terminal
// (1, 3)" before the first.
QString stepText(const SwitchNetwork &net, int i0, int j0, int legs);

// One line for the tooltip over terminal (i, j): where its route arrives or
// dies, and its marks.
QString describeTerminal(const SwitchNetwork &net, int i, int j);
// The box alone, "terminal (1, 3)" or "switch (1, 3, 0)": what a tooltip
// may say while a practice question would be given away by more.
QString terminalName(int i, int j);
QString switchName(int i, int j, int k);

// One line for the tooltip over switch (i, j, k): the families it lies on at
// the current offsets, its marks, and the marked routes that turn in it.
QString describeSwitch(const SwitchNetwork &net, int i, int j, int k);

// A cell of the map of the whole network: where terminal (i, j)'s route
// arrives, "(3, 1)", or at which family it dies, "dies: IK".
QString mapCellText(const SwitchNetwork &net, int i, int j);
// The line above the map: "5 of 64 terminals arrive; c1 = 1, c2 = -1, c3 = 2:
// (i, j) → (j + 1, i - 3)".
QString mapRuleText(const SwitchNetwork &net);

// "c1 = 1, c2 = -1, c3 = 2": the offsets as the controls name them.
QString offsetsText(const Offsets &offsets);
// "N = 4, c1 = 1, c2 = -1, c3 = 2": the network's parameters, wherever
// they are written.
QString parametersText(int n, const Offsets &offsets);

// "N = 4, c1 = 0, c2 = 0, c3 = 0; 2 terminals marked: 1 arrives, 1 dies."
QString describeNetwork(const SwitchNetwork &net);

} // namespace ts
