#pragma once

#include "core/network.h"

#include <bitset>
#include <vector>

// A route as the legs a lecturer steps through: down to its level, along x,
// along z and up to where it arrives; or, at a dead end, as far as it gets
// and the run that finds no switch of its family.

namespace ts {

struct RouteLeg
{
    enum Kind { Down, AlongX, AlongZ, Up } kind;
    bool dies;          // the run finds no switch of its family and leaves the network
    PlaneFamily family; // the family that ends the run, or that has no switch for it
    // Where the leg ends: a switch (k >= 0) or a terminal (k == -1). A dead
    // leg ends nowhere: this is where it starts.
    int i, j, k;
};

// The legs of the route of terminal (i0, j0): four when it arrives, fewer at
// a dead end, the last of which dies.
std::vector<RouteLeg> routeLegs(const SwitchNetwork &net, int i0, int j0);

// Every box that a marked route starts at, passes through or arrives at.
class RouteBoxes
{
public:
    explicit RouteBoxes(const SwitchNetwork &net);
    bool hasTerminal(int i, int j) const { return inside(i, j, 0) && boxes[slot(i, j, -1)]; }
    bool hasSwitch(int i, int j, int k) const { return inside(i, j, k) && boxes[slot(i, j, k)]; }

private:
    static bool inside(int i, int j, int k)
    {
        return i >= 0 && j >= 0 && k >= 0 && i < kMaxNetworkSize && j < kMaxNetworkSize && k < kMaxNetworkSize;
    }
    static std::size_t slot(int i, int j, int k)
    {
        return static_cast<std::size_t>((i * kMaxNetworkSize + j) * (kMaxNetworkSize + 1) + k + 1);
    }
    void add(int i, int j, int k) { boxes.set(slot(i, j, k)); }
    std::bitset<kMaxNetworkSize * kMaxNetworkSize * (kMaxNetworkSize + 1)> boxes;
};

} // namespace ts
