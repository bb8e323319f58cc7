#include "core/routelegs.h"

#include <algorithm>

namespace ts {

std::vector<RouteLeg> routeLegs(const SwitchNetwork &net, int i0, int j0)
{
    const RouteTrace r = net.trace(i0, j0);
    if (r.k < 0)
        return {{RouteLeg::Down, true, PlaneFamily::IK, i0, j0, -1}};
    std::vector<RouteLeg> legs{{RouteLeg::Down, false, PlaneFamily::IK, i0, j0, r.k}};
    if (r.i1 < 0) {
        legs.push_back({RouteLeg::AlongX, true, PlaneFamily::JI, i0, j0, r.k});
        return legs;
    }
    legs.push_back({RouteLeg::AlongX, false, PlaneFamily::JI, r.i1, j0, r.k});
    if (r.j1 < 0) {
        legs.push_back({RouteLeg::AlongZ, true, PlaneFamily::KJ, r.i1, j0, r.k});
        return legs;
    }
    legs.push_back({RouteLeg::AlongZ, false, PlaneFamily::KJ, r.i1, r.j1, r.k});
    legs.push_back({RouteLeg::Up, false, PlaneFamily::KJ, r.i1, r.j1, -1});
    return legs;
}

RouteBoxes::RouteBoxes(const SwitchNetwork &net)
{
    const int n = net.size();
    auto run = [](int from, int to, auto box) {
        for (int v = std::min(from, to); v <= std::max(from, to); ++v)
            box(v);
    };
    for (int i0 = 0; i0 < n; ++i0)
        for (int j0 = 0; j0 < n; ++j0) {
            if (!net.terminalMark(i0, j0))
                continue;
            add(i0, j0, -1);
            int i = i0, j = j0, k = 0; // where the route is
            for (const RouteLeg &leg : routeLegs(net, i0, j0)) {
                // A dead run crosses the whole network to the cube's faces.
                switch (leg.kind) {
                case RouteLeg::Down:
                    run(0, leg.dies ? n - 1 : leg.k, [&](int v) { add(i0, j0, v); });
                    k = leg.k;
                    break;
                case RouteLeg::AlongX:
                    run(leg.dies ? 0 : i, leg.dies ? n - 1 : leg.i, [&](int v) { add(v, j, k); });
                    i = leg.i;
                    break;
                case RouteLeg::AlongZ:
                    run(leg.dies ? 0 : j, leg.dies ? n - 1 : leg.j, [&](int v) { add(i, v, k); });
                    j = leg.j;
                    break;
                case RouteLeg::Up:
                    run(0, k, [&](int v) { add(i, j, v); });
                    add(i, j, -1);
                    break;
                }
            }
        }
}

} // namespace ts
